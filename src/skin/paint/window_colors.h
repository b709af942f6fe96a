#pragma once
// The window background and text colours of a skin that names them (WindowColor,
// WindowTextColor): skinned forms and dialogs erase in the background colour, and their static
// texts, edits and list boxes are given both through WM_CTLCOLOR*. A skin without them leaves
// every colour to the system.
#include "skin/core/handler.h"

namespace skin {

// WM_CTLCOLORDLG, WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT and WM_CTLCOLORLISTBOX.
LRESULT OnCtlColor(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The brush the control's parent answers WM_CTLCOLORSTATIC with for the DC (its text colour set
// too), as the system's static-like controls ask for their background; the button face when the
// parent gives none.
HBRUSH ParentStaticBrush(HWND control, HDC dc);

// WM_ERASEBKGND of forms and dialogs.
LRESULT OnEraseBackground(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam);
// Deletes the thread's brush of the background colour (made on first use): when the thread takes
// another skin, and when its engine stops.
void ReleaseWindowBrush();

}  // namespace skin
