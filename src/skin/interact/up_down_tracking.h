#pragma once
// The halves of an up-down control follow the mouse: hot under it (HMINDEX), pressed while the
// left button holds it (HDINDEX); 0 is the first half (up, or left), 1 the second, -1 none.
#include <windows.h>

namespace skin {

// After the control has handled the message: the half that changed is painted anew.
void TrackUpDown(HWND upDown, UINT message, LPARAM lParam);

}  // namespace skin
