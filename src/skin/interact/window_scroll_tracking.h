#pragma once
// The pointer on the scroll bars the skin draws for a window and on skinned ScrollBar controls:
// hit testing, the hot part, and the press, tracked as the system tracks its own (the same
// requests at the same moments, repeats after 200 ms and then every 50 ms, the thumb's track
// positions).
#include "skin/core/handler.h"

namespace skin {

LRESULT OnNcHitTest(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnNcButtonDown(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// WM_LBUTTONDOWN and WM_LBUTTONDBLCLK of a ScrollBar control: the same tracking, with the skin's
// pictures throughout (the control's own loop would draw its own look at every step).
LRESULT PressScrollBarControl(WNDPROC previous, HWND bar, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnNcMouseMove(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
