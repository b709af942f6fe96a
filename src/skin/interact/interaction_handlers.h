#pragma once
// Handlers of the mouse, keyboard, focus, enable and timer messages of skinned windows. Each
// passes the message to the window's own procedure and returns its result: none swallows one.
#include "skin/core/handler.h"

namespace skin {

LRESULT OnSetFocus(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnKillFocus(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnEnable(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnKeyDown(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnKeyUp(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnTimer(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnMouseMove(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnLButtonDown(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnLButtonUp(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnLButtonDblClk(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam);
LRESULT OnMouseLeave(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Enumeration callback of the pass that runs after every left-button release: repaints the
// marks of skinned check boxes and option buttons. Always continues the enumeration.
BOOL CALLBACK RefreshCheckOptionMarks(HWND window, LPARAM);

}  // namespace skin
