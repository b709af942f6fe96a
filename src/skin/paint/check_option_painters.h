#pragma once
// The skin's box of a check box and circle of an option button, drawn at the control's left edge
// over what the control has painted itself (caption, focus and background stay the control's).
// The look follows the state asked for (0 normal, 1 hot, 2 pressed), whether the window is
// enabled now, and the check state the control reports now.
#include <windows.h>

#include "skin/core/handler.h"

namespace skin {

// Both skip the work (and return 0) when asked for the state OLDSTATE already holds, unless
// forced; otherwise they store the state in OLDSTATE, paint and return non-zero.
int PaintCheckBox(HWND window, INT_PTR state, bool force);
int PaintOptionButton(HWND window, INT_PTR state, bool force);

// WM_PAINT of these kinds: the control paints first, then the skin's box or circle goes on top
// in the normal look, forced. Returns the control's result.
LRESULT PaintCheckBoxWindow(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                            LPARAM lParam);
LRESULT PaintOptionButtonWindow(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                                LPARAM lParam);

}  // namespace skin
