// An up-down control: each half a drop button of the skin, its face after the half's state (hot
// under the pointer, pressed while held) and the drop arrow turned the way the half counts.
#include "skin/paint/common_control_painters.h"

#include <commctrl.h>

#include "skin/core/window_props.h"
#include "skin/draw/dpi_scale.h"
#include "skin/draw/owners.h"
#include "skin/draw/primitives.h"
#include "skin/paint/arrow_button.h"

namespace skin {
namespace {

// Inside its frame, a half is the skin's drop button with the arrow turned the way it counts.
void DrawHalf(HDC dc, const RECT& half, INT_PTR state, Arrow way, bool enabled, const DpiScale& scale)
{
    const int frame = scale(1);
    FrameSolidRect(dc, half.left, half.top, half.right - half.left, half.bottom - half.top,
                   enabled ? FrameColor : DisabledFrameColor, frame);
    DrawArrowButton(dc, half.left + frame, half.top + frame, half.right - half.left - 2 * frame,
                    half.bottom - half.top - 2 * frame, state, enabled, way, scale);
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
    const Arrow ways[2] = {across ? Arrow::Left : Arrow::Up, across ? Arrow::Right : Arrow::Down};
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
