#include "skin/interact/pointer_tracking.h"

#include <commctrl.h>

#include "skin/core/skinner.h"
#include "skin/core/window_props.h"

namespace skin {

void TrackMouseLeave(HWND window)
{
    TRACKMOUSEEVENT request{sizeof request, TME_LEAVE, window, 0};
    if (TrackMouseEventAvailable())
        TrackMouseEvent(&request);
    else
        _TrackMouseEvent(&request);
}

bool EnterControl(HWND window)
{
    if (GetSkinProp(window, prop::MouseFlag)) return false;
    SetSkinProp(window, prop::MouseFlag, 1);
    TrackMouseLeave(window);
    return true;
}

bool IsCursorOver(HWND window)
{
    POINT cursor{};
    GetCursorPos(&cursor);
    // No window is found at a point outside its own rectangle; the rectangle is read in the
    // process, WindowFromPoint asks the server and sends WM_NCHITTEST through the skin.
    RECT rect{};
    GetWindowRect(window, &rect);
    return PtInRect(&rect, cursor) && WindowFromPoint(cursor) == window;
}

}  // namespace skin
