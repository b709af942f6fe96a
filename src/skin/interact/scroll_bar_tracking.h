#pragma once
// A skinned ScrollBar control shows the part under the pointer hot (HMINDEX); the part held down
// (HDINDEX) is the skin's tracking's (window_scroll_tracking.h).
#include <windows.h>

namespace skin {

void ScrollBarMouseMove(HWND bar, LPARAM lParam);
void ScrollBarMouseLeave(HWND bar);
}  // namespace skin
