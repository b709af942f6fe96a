#pragma once
// Tab controls in the skin's look: each tab a command button's face (normal, hot under the
// pointer, pressed for the selected one, disabled), the page framed in the frame colour.
#include <windows.h>

namespace skin {

// WM_PAINT of a tab control: the skin's look alone. HMINDEX names the hot tab (-1: none).
LRESULT PaintTabControl(HWND tabs);

}  // namespace skin
