#pragma once
// The ScrollBar control in the skin's look. The control draws itself outside WM_PAINT too (as its
// position changes, while it is dragged), so the skin draws again after each of those moments.
#include <windows.h>

#include "skin/core/handler.h"
#include "skin/paint/scroll_bar_look.h"

namespace skin {

// The control's layout as the system has it (so that the skin's parts are where the control hit
// tests), with the thumb where the pointer drags it while HDINDEX says it is held.
ScrollBarLayout ScrollBarControlLayout(HWND bar);

// Draws the control as HMINDEX (hot part) and HDINDEX (pressed part) say, into its own DC. A size
// box or grip of the class is left to the control, here and in WM_PAINT.
void PaintScrollBarNow(HWND bar);

// WM_PAINT of the control: the skin's look alone.
LRESULT PaintScrollBarWindow(WNDPROC previous, HWND bar, UINT message, WPARAM wParam, LPARAM lParam);

// The messages by which the control changes and redraws itself (SBM_SETPOS, SBM_SETRANGE,
// SBM_SETRANGEREDRAW, SBM_ENABLE_ARROWS, SBM_SETSCROLLINFO): the control has them, then the skin
// draws over what it drew.
LRESULT OnScrollBarChange(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
