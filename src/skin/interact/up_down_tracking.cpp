#include "skin/interact/up_down_tracking.h"

#include <commctrl.h>

#include "skin/core/window_props.h"
#include "skin/draw/primitives.h"
#include "skin/interact/pointer_tracking.h"

namespace skin {
namespace {

// The half under the point of a mouse message (client coordinates), -1 outside the control.
INT_PTR HalfAt(HWND upDown, LPARAM lParam)
{
    RECT client{};
    GetClientRect(upDown, &client);
    const POINT point{SignedLoWord(lParam), SignedHiWord(lParam)};
    if (!PtInRect(&client, point)) return -1;
    if (GetWindowLongW(upDown, GWL_STYLE) & UDS_HORZ) return point.x >= client.right / 2;
    return point.y >= client.bottom / 2;
}

void Show(HWND upDown, const char* name, INT_PTR half)
{
    if (ChangeSkinProp(upDown, name, half)) RedrawWindow(upDown, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

}  // namespace

void TrackUpDown(HWND upDown, UINT message, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEMOVE:
        EnterControl(upDown);
        Show(upDown, prop::HmIndex, HalfAt(upDown, lParam));
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: Show(upDown, prop::HdIndex, HalfAt(upDown, lParam)); break;
    case WM_LBUTTONUP: Show(upDown, prop::HdIndex, -1); break;
    case WM_MOUSELEAVE:
        SetSkinProp(upDown, prop::MouseFlag, 0);
        Show(upDown, prop::HmIndex, -1);
        break;
    default: break;
    }
}

}  // namespace skin
