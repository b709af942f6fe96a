#pragma once
// Rebars: the control paints its bands, and the skin puts its own grippers over the system's
// etched ones: a column of dots in the frame colour.
#include "skin/core/handler.h"

namespace skin {

// WM_PAINT of a rebar: the control's painting, then the skin's grippers.
LRESULT PaintRebarWindow(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
