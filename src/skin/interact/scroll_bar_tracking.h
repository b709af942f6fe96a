#pragma once
// A skinned ScrollBar control shows the part under the pointer hot (HMINDEX) and the part held
// down pressed (HDINDEX). The control tracks a press in a loop of its own, which only its
// notifications to the parent (WM_HSCROLL, WM_VSCROLL) let the skin see.
#include <windows.h>

namespace skin {

void ScrollBarMouseMove(HWND bar, LPARAM lParam);
void ScrollBarMouseLeave(HWND bar);
// After the control's own WM_LBUTTONDOWN, which returns once the button is released.
void ScrollBarReleased(HWND bar);

// WM_HSCROLL and WM_VSCROLL of a skinned window: the control that sent it, while the mouse
// holds it, is drawn with the part the notification names pressed.
LRESULT OnScroll(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
