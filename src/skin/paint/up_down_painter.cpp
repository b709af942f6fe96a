// An up-down control: each half a drop button of the skin, its face after the half's state (hot
// under the pointer, pressed while held) and the drop arrow turned the way the half counts.
#include "skin/paint/common_control_painters.h"

#include <commctrl.h>

#include "skin/core/window_props.h"
#include "skin/draw/dpi_scale.h"
#include "skin/draw/owners.h"
#include "skin/draw/primitives.h"
#include "skin/draw/skin_images.h"

namespace skin {
namespace {

// DropButtonImage cells, as the combo box's drop button reads them.
constexpr int kFaceW = 4, kFaceH = 18, kHotFaceX = 0, kPressedFaceX = 4;
constexpr int kArrowX = 8, kArrowW = 7, kArrowH = 4;  // pointing down; the disabled one below

enum class Towards { Up, Down, Left, Right };

// The image's arrow points down; the others are it turned pixel for pixel onto a surface of their
// own, from which BlitGlyph scales it as the combo's arrow is scaled.
void DrawArrow(HDC dc, const RECT& half, Towards way, bool enabled, const DpiScale& scale)
{
    HDC image = SkinImages().DropButtonImage;
    const bool across = way == Towards::Left || way == Towards::Right;
    const int w = across ? kArrowH : kArrowW, h = across ? kArrowW : kArrowH;
    OwnedSurface turned(CreateSkinSurface(w, h));
    for (int v = 0; v < kArrowH; ++v)
        for (int u = 0; u < kArrowW; ++u) {
            const COLORREF pixel = GetPixel(image, kArrowX + u, (enabled ? 0 : kArrowH) + v);
            const int d = way == Towards::Up || way == Towards::Left ? kArrowH - 1 - v : v;
            SetPixel(turned.get(), across ? d : u, across ? u : d, pixel);
        }
    const int aw = scale(w), ah = scale(h);
    BlitGlyph(dc, RoundHalfEven((half.left + half.right - aw) / 2.0),
              RoundHalfEven((half.top + half.bottom - ah) / 2.0), aw, ah, turned.get(), 0, 0, w, h,
              KeyColor);
}

void DrawHalf(HDC dc, const RECT& half, INT_PTR state, Towards way, bool enabled,
              const DpiScale& scale)
{
    const int frame = scale(1);
    const int x = half.left + frame, y = half.top + frame;
    const int w = half.right - half.left - 2 * frame, h = half.bottom - half.top - 2 * frame;
    FrameSolidRect(dc, half.left, half.top, half.right - half.left, half.bottom - half.top,
                   enabled ? FrameColor : DisabledFrameColor, frame);
    if (state == look::Normal)
        FillSolidRect(dc, x, y, w, h, White);
    else
        StretchSkinCell(dc, x, y, w, h, SkinImages().DropButtonImage,
                        state == look::Hot ? kHotFaceX : kPressedFaceX, 0, kFaceW, kFaceH, 2, 1, 1,
                        1, std::nullopt, scale.dpi);
    DrawArrow(dc, half, way, enabled, scale);
}

}  // namespace

LRESULT PaintUpDown(HWND upDown)
{
    RECT client{};
    GetClientRect(upDown, &client);
    const bool across = GetWindowLongW(upDown, GWL_STYLE) & UDS_HORZ;
    const bool enabled = IsWindowEnabled(upDown) != 0;
    const DpiScale scale = ScaleFor(upDown);
    // The first half counts up (or left), as the control's own halves do; the two share the line
    // between them.
    RECT halves[2] = {client, client};
    if (across)
        halves[1].left = (halves[0].right = client.right / 2) - scale(1);
    else
        halves[1].top = (halves[0].bottom = client.bottom / 2) - scale(1);
    const Towards ways[2] = {across ? Towards::Left : Towards::Up,
                             across ? Towards::Right : Towards::Down};
    OwnedSurface surface(CreateSkinSurface(client.right, client.bottom));
    for (int i = 0; i < 2; ++i) {
        const INT_PTR state = !enabled                                 ? look::Normal
                              : GetSkinProp(upDown, prop::HdIndex) == i ? look::Pressed
                              : GetSkinProp(upDown, prop::HmIndex) == i ? look::Hot
                                                                        : look::Normal;
        DrawHalf(surface.get(), halves[i], state, ways[i], enabled, scale);
    }
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(upDown, &ps);
    BitBlt(dc, 0, 0, client.right, client.bottom, surface.get(), 0, 0, SRCCOPY);
    EndPaint(upDown, &ps);
    return 0;
}

}  // namespace skin
