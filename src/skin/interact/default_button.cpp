#include "skin/interact/default_button.h"

#include "skin/core/window_props.h"
#include "skin/paint/button_faces.h"

namespace skin {
namespace {

// OLDSTYLE of a window the skin keeps as an owner-drawn stand-in for a push button; 0 for any other
// (no window's style is 0). The style test comes first: it needs no property read, and most
// windows fail it.
LONG_PTR PushButtonStandIn(HWND window)
{
    if ((GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK) != BS_OWNERDRAW) return 0;
    const LONG_PTR saved = GetSkinProp(window, prop::OldStyle);
    return DrawsOwnFace(saved) ? 0 : saved;
}

}  // namespace

LRESULT OnGetDlgCode(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT code = CallPrevious(previous, window, message, wParam, lParam);
    const LONG_PTR saved = PushButtonStandIn(window);
    if (!saved) return code;
    // As the system's button answers for each type. The automatic radio button, owner-drawn too,
    // is left with the owner-drawn answer: it is not a push button to the dialog manager.
    switch (saved & BS_TYPEMASK) {
    case BS_DEFPUSHBUTTON: return code | DLGC_DEFPUSHBUTTON;
    case BS_PUSHBUTTON:
    case BS_USERBUTTON: return code | DLGC_UNDEFPUSHBUTTON;
    default: return code;
    }
}

LRESULT OnSetButtonStyle(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam)
{
    const WPARAM type = wParam & BS_TYPEMASK;
    const LONG_PTR saved =
        type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON ? PushButtonStandIn(window) : 0;
    if (!saved) return CallPrevious(previous, window, message, wParam, lParam);
    SetSkinProp(window, prop::OldStyle, (saved & ~LONG_PTR{BS_TYPEMASK}) | type);
    // The face does not show which button is the default, so there is nothing to redraw; a repaint
    // would also cut short the focus fade that the same Tab has just started.
    return CallPrevious(previous, window, message, (wParam & ~WPARAM{BS_TYPEMASK}) | BS_OWNERDRAW,
                        FALSE);
}

}  // namespace skin
