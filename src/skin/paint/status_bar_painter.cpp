// A status bar: the skin's window colour (else the system's button face), a line in the frame
// colour along the top and between the parts, each part's text in the window text colour, and
// the size grip as dots in the frame colour wherever the control itself has one.
#include "skin/paint/common_control_painters.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "skin/draw/dpi_scale.h"
#include "skin/draw/owners.h"
#include "skin/draw/primitives.h"

namespace skin {
namespace {

constexpr int kTextInset = 4;
constexpr int kGripDot = 2, kGripStep = 4;  // three rows of dots, 3, 2 and 1 wide

void FillBackground(HDC dc, const RECT& client)
{
    const SkinColors& colors = ThreadSkinColors();
    if (colors.hasWindowColors)
        FillSolidRect(dc, 0, 0, client.right, client.bottom, colors.window);
    else
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
}

// The control shows a grip where it answers the bottom-right corner as one: it knows whether its
// parent can be sized.
bool HasSizeGrip(HWND bar, const RECT& client)
{
    POINT corner{client.right - 1, client.bottom - 1};
    ClientToScreen(bar, &corner);
    return SendMessageW(bar, WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)) == HTBOTTOMRIGHT;
}

// Text before the first tab goes left, after it centred, after a second one right.
void DrawPartText(HDC dc, const std::wstring& text, RECT box)
{
    static constexpr UINT kAlign[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    size_t start = 0;
    for (UINT align : kAlign) {
        const size_t tab = text.find(L'\t', start);
        const std::wstring piece = text.substr(start, tab - start);
        DrawTextW(dc, piece.c_str(), -1, &box,
                  align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        if (tab == std::wstring::npos) break;
        start = tab + 1;
    }
}

void DrawPart(HWND bar, HDC dc, int index, WPARAM query, const RECT& box, const DpiScale& scale)
{
    const auto info = static_cast<DWORD>(SendMessageW(bar, SB_GETTEXTLENGTHW, query, 0));
    if (HIWORD(info) & SBT_OWNERDRAW) {
        // Owner-drawn parts are the parent's to draw, as without the skin.
        DRAWITEMSTRUCT item{ODT_STATIC, static_cast<UINT>(GetDlgCtrlID(bar)),
                            static_cast<UINT>(index), ODA_DRAWENTIRE, 0, bar, dc, box,
                            static_cast<ULONG_PTR>(SendMessageW(bar, SB_GETTEXTW, query, 0))};
        SendMessageW(GetParent(bar), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
        return;
    }
    RECT text = box;
    text.left += scale(kTextInset);
    text.right -= scale(kTextInset);
    if (const auto icon = reinterpret_cast<HICON>(SendMessageW(bar, SB_GETICON, query, 0))) {
        const int size = GetSystemMetrics(SM_CXSMICON);
        DrawIconEx(dc, text.left, (box.top + box.bottom - size) / 2, icon, size, size, 0, nullptr,
                   DI_NORMAL);
        text.left += size + scale(kTextInset);
    }
    std::vector<wchar_t> buffer(LOWORD(info) + 1);
    SendMessageW(bar, SB_GETTEXTW, query, reinterpret_cast<LPARAM>(buffer.data()));
    DrawPartText(dc, buffer.data(), text);
}

}  // namespace

void DrawSizeGrip(HDC dc, const RECT& box, const DpiScale& scale)
{
    const int dot = scale(kGripDot), step = scale(kGripStep);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column + row < 3; ++column)
            FillSolidRect(dc, box.right - (column + 1) * step + (step - dot) / 2,
                          box.bottom - (row + 1) * step + (step - dot) / 2, dot, dot,
                          FrameColor);
}

LRESULT PaintStatusBar(HWND bar)
{
    RECT client{};
    GetClientRect(bar, &client);
    const DpiScale scale = ScaleFor(bar);
    const int line = scale(1);
    OwnedSurface surface(CreateSkinSurface(client.right, client.bottom));
    HDC dc = surface.get();
    FillBackground(dc, client);
    FillSolidRect(dc, 0, 0, client.right, line, FrameColor);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(bar, WM_GETFONT, 0, 0));
    const HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    const SkinColors& colors = ThreadSkinColors();
    SetTextColor(dc, colors.hasWindowColors ? ToColorRef(colors.windowText)
                                            : GetSysColor(COLOR_BTNTEXT));

    // In simple mode the one text answers to SB_SIMPLEID, or (in some versions of the control) to
    // any part's index.
    const bool simple = SendMessageW(bar, SB_ISSIMPLE, 0, 0) != 0;
    const int parts = simple ? 1 : static_cast<int>(SendMessageW(bar, SB_GETPARTS, 0, 0));
    const WPARAM simpleQuery =
        simple && SendMessageW(bar, SB_GETTEXTLENGTHW, SB_SIMPLEID, 0) ? SB_SIMPLEID : 0;
    for (int i = 0; i < parts; ++i) {
        const WPARAM query = simple ? simpleQuery : i;
        RECT box = client;
        if (!simple) SendMessageW(bar, SB_GETRECT, i, reinterpret_cast<LPARAM>(&box));
        box.top = std::max<LONG>(box.top, line);
        DrawPart(bar, dc, i, query, box, scale);
        if (i + 1 < parts)
            FillSolidRect(dc, box.right, line, line, client.bottom - line, FrameColor);
    }
    if (HasSizeGrip(bar, client)) DrawSizeGrip(dc, client, scale);
    if (oldFont) SelectObject(dc, oldFont);

    PAINTSTRUCT ps;
    HDC target = BeginPaint(bar, &ps);
    BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    EndPaint(bar, &ps);
    return 0;
}

}  // namespace skin
