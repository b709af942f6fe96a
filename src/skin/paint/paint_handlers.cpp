#include "skin/paint/paint_handlers.h"

namespace skin {

// Until the skin paints these itself, the window's own procedure does.

LRESULT OnWindowPosChanging(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                            LPARAM lParam)
{
    return CallPrevious(previous, window, message, wParam, lParam);
}

}  // namespace skin
