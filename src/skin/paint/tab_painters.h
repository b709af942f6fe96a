#pragma once
// Tab controls in the skin's look: each tab a command button's face (normal, hot under the
// pointer, pressed for the selected one, disabled), the page framed in the frame colour.
#include "skin/core/handler.h"

namespace skin {

// WM_PAINT of a tab control: the skin's look alone. HMINDEX names the hot tab (-1: none). Tabs down a
// side have their captions turned, which the skin's faces do not do: those the control paints.
LRESULT PaintTabControl(WNDPROC previous, HWND tabs, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
