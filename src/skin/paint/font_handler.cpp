#include "skin/core/control_kind.h"
#include "skin/paint/button_faces.h"
#include "skin/paint/paint_handlers.h"

namespace skin {

// The faces of a command button carry its caption in its font. A button skinned as it is made
// gets its font afterwards (the dialog manager and most forms set it so), and its faces must
// follow it.
LRESULT OnSetFont(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    if (GetControlKind(window) == ControlKind::CommandButton) {
        RenderButtonFaces(window);
        if (lParam) InvalidateRect(window, nullptr, FALSE);
    }
    return result;
}

}  // namespace skin
