#include "skin/core/activation.h"

#include "skin/core/control_kind.h"
#include "skin/core/skinner.h"

namespace skin {

LRESULT OnActivate(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The window on the other side of the activation change: an owned pop-up (a message box of
    // this window, say) or any dialog or form is skinned with everything in it.
    if (const auto other = reinterpret_cast<HWND>(lParam)) {
        if (GetParent(other) == window || GetControlKind(other) == ControlKind::Container)
            AttachSkin(other);
    }
    return CallPrevious(previous, window, message, wParam, lParam);
}

}  // namespace skin
