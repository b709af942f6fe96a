#pragma once
// The hot tab of a skinned tab control (HMINDEX, -1 for none) follows the pointer; these run after
// the control's own mouse handling.
#include <windows.h>

namespace skin {

void TabMouseMove(HWND tabs, LPARAM lParam);
void TabMouseLeave(HWND tabs);

}  // namespace skin
