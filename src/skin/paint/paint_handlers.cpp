#include "skin/paint/paint_handlers.h"

#include "skin/paint/combo_painters.h"

namespace skin {

// Until the skin paints these itself, the window's own procedure does.

LRESULT OnWindowPosChanging(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                            LPARAM lParam)
{
    return ResetDropButtonOnMove(previous, window, message, wParam, lParam);
}

}  // namespace skin
