#pragma once
// Skinned push buttons are owner-drawn, yet the dialog manager must still see push buttons: it
// moves the default to the focused one and runs the default on Enter only when a button says it is
// one. OLDSTYLE keeps the type the button would have, default or not, and detach writes it back.
#include "skin/core/handler.h"

namespace skin {

// WM_GETDLGCODE: the button's own answer, with the push-button code of the type OLDSTYLE holds.
LRESULT OnGetDlgCode(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// BM_SETSTYLE making a skinned push button the default or not: OLDSTYLE takes the new type and the
// window stays owner-drawn. Other types, and other windows, are the button's own business.
LRESULT OnSetButtonStyle(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam);

}  // namespace skin
