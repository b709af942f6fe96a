#pragma once
// A skinned header shows one pressed item (HDINDEX) and one hot item (HMINDEX). These run after
// the header's own procedure has handled the mouse message and repaint single items only.
#include <windows.h>

namespace skin {

// The first item whose left <= x <= right, so a shared edge belongs to the lower index; -1 when
// none is, or the header has no items.
int HeaderHitTest(HWND header, int x);

void HeaderPress(HWND header, LPARAM lParam);  // left button down or double-click
void HeaderMouseMove(HWND header, WPARAM wParam, LPARAM lParam);
void HeaderRelease(HWND header);
void HeaderMouseLeave(HWND header);

}  // namespace skin
