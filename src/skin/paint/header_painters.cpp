#include "skin/paint/header_painters.h"

#include <commctrl.h>

#include "skin/core/window_props.h"
#include "skin/draw/dpi_scale.h"
#include "skin/draw/owners.h"
#include "skin/draw/image_cell.h"
#include "skin/draw/primitives.h"
#include "skin/draw/skin_images.h"

namespace skin {
namespace {

// HeaderItemImage: three 3 x 20 faces side by side (normal, hot, pressed); column 1 of the
// normal face is the empty strip's background.
constexpr int kFaceWidth = 3;
constexpr int kFaceHeight = 20;
constexpr int kFaceMargin = 1;
constexpr int kBackgroundColumn = 1;

int FaceLeft(INT_PTR state)
{
    return state == look::Hot || state == look::Pressed ? kFaceWidth * static_cast<int>(state) : 0;
}

// The header's font with a transparent background, on a surface that never deletes it.
void PrepareCaptionText(HWND header, HDC surface)
{
    SelectObject(surface, reinterpret_cast<HFONT>(SendMessageW(header, WM_GETFONT, 0, 0)));
    SetBkMode(surface, TRANSPARENT);
}

void DrawItem(HWND header, HDC surface, int index, int x, int width, int faceHeight,
              int textHeight, INT_PTR state)
{
    const ImageCell c = PickImageCell(&SkinImageSet::HeaderItemImage, FaceLeft(state), 0, kFaceWidth,
                                      kFaceHeight, WindowDpi(header));
    StretchSkinCell(surface, x, 0, width, faceHeight, c.surface, c.x, c.y, c.w, c.h, c(kFaceMargin),
                    c(kFaceMargin), c(kFaceMargin), c(kFaceMargin), std::nullopt, c.dpi);
    const std::wstring caption = GetHeaderCaption(header, index);
    if (!caption.empty())
        DrawCaptionText(surface, caption, x, 0, width, textHeight, CaptionTextFormat);
}

}  // namespace

int GetHeaderItemCount(HWND header)
{
    return static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
}

bool GetHeaderItemRect(HWND header, int index, RECT& item)
{
    item = {};
    return SendMessageW(header, HDM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)) != 0;
}

std::wstring GetHeaderCaption(HWND header, int index)
{
    // 255 characters and the terminator; whatever the header leaves unwritten stays NUL and
    // every NUL is dropped.
    wchar_t buffer[256]{};
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = buffer;
    item.cchTextMax = 256;
    if (!SendMessageW(header, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&item))) {
        // Some header classes answer only the ANSI query.
        char narrow[256]{};
        HDITEMA ansi{};
        ansi.mask = HDI_TEXT;
        ansi.pszText = narrow;
        ansi.cchTextMax = 256;
        if (SendMessageW(header, HDM_GETITEMA, index, reinterpret_cast<LPARAM>(&ansi)))
            MultiByteToWideChar(CP_ACP, 0, narrow, -1, buffer, 256);
    }
    std::wstring caption;
    for (wchar_t c : buffer)
        if (c != L'\0') caption += c;
    return caption;
}

LRESULT PaintHeaderBar(HWND header)
{
    WindowBounds bounds;
    GetWindowBounds(header, bounds);
    const int w = bounds.width, h = bounds.height;
    OwnedSurface surface(CreateSkinSurface(w, h));
    const ImageCell c = PickImageCell(&SkinImageSet::HeaderItemImage, kBackgroundColumn, 0, 1,
                                      kFaceHeight, WindowDpi(header));
    StretchBlt(surface.get(), 0, 0, w, h, c.surface, c.x, c.y, c.w, c.h, SRCCOPY);

    const int count = GetHeaderItemCount(header);
    if (count > 0) {
        const INT_PTR pressed = GetSkinProp(header, prop::HdIndex);
        const INT_PTR hot = GetSkinProp(header, prop::HmIndex);
        PrepareCaptionText(header, surface.get());
        for (int i = 0; i < count; ++i) {
            RECT item;
            GetHeaderItemRect(header, i, item);
            const INT_PTR state = i == pressed ? look::Pressed : i == hot ? look::Hot : look::Normal;
            DrawItem(header, surface.get(), i, item.left, item.right - item.left, h, item.bottom,
                     state);
        }
    }

    PAINTSTRUCT ps;
    HDC dc = BeginPaint(header, &ps);
    BitBlt(dc, 0, 0, w, h, surface.get(), 0, 0, SRCCOPY);
    EndPaint(header, &ps);
    return 0;
}

LRESULT PaintHeaderItem(HWND header, HDC dc, int index, int state)
{
    RECT item;
    if (index < 0 || !GetHeaderItemRect(header, index, item)) return 0;
    return PaintHeaderItemAt(header, dc, index, item, state);
}

LRESULT PaintHeaderItemAt(HWND header, HDC dc, int index, const RECT& item, int state)
{
    if (index < 0) return 0;
    WindowBounds bounds;
    GetWindowBounds(header, bounds);
    const int iw = item.right - item.left, ih = item.bottom - item.top;
    OwnedSurface surface(CreateSkinSurface(iw, bounds.height));
    PrepareCaptionText(header, surface.get());
    DrawItem(header, surface.get(), index, 0, iw, bounds.height, bounds.height, state);

    HDC target = dc ? dc : gdi::GetWindowDC(header);
    BitBlt(target, item.left, 0, iw, ih, surface.get(), 0, 0, SRCCOPY);
    if (!dc) gdi::ReleaseDC(header, target);
    return 0;
}

}  // namespace skin
