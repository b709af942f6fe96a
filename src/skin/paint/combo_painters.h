#pragma once
// Combo boxes and drive lists: a one-pixel skin frame, a white ring inside it, and the skin's own
// drop button on the right, whose face follows the state and shows pressed while the list is down.
#include <windows.h>

#include "skin/core/handler.h"

namespace skin {

// Style bits of a combo box: who paints the body (set for simple and drop-down-list combos,
// whose body the control paints), and whether there is a drop button at all.
inline constexpr LONG_PTR ComboBodyByControl = 1;
inline constexpr LONG_PTR ComboHasDropButton = 2;

// Paints the drop button in state into dc (origin at the window's top-left), or into the window
// DC when dc is null. While the list is dropped the caller's state becomes 2. Nothing is painted
// when the state equals OLDSTATE and force is false, nor for a combo without a drop button (its
// OLDSTATE then stays as it was); otherwise the state is stored in OLDSTATE.
void PaintDropButton(HWND window, HDC dc, INT_PTR& state, bool force);

// WM_PAINT of a combo box: the control paints a simple or drop-down-list combo first and the skin
// frames it; an editable drop-down combo is painted by the skin alone (its edit field is a child).
LRESULT PaintComboBoxWindow(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                            LPARAM lParam);
// WM_PAINT of a drive list: the control paints first, the skin frames it and adds its button.
LRESULT PaintDriveListWindow(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                             LPARAM lParam);
// WM_WINDOWPOSCHANGING: once the control has handled it, a combo box's or drive list's drop
// button goes back to normal (pressed while the list is down). Other kinds only pass it on.
LRESULT ResetDropButtonOnMove(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                              LPARAM lParam);

}  // namespace skin
