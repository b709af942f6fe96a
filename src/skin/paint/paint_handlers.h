#pragma once
// Handlers of the painting, size and position messages of skinned windows.
#include "skin/core/handler.h"

namespace skin {

LRESULT OnPaint(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnNcPaint(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnWindowPosChanging(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                            LPARAM lParam);
LRESULT OnSize(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// WM_DPICHANGED and WM_DPICHANGED_AFTERPARENT, which the headers declare only for the systems
// that send them (8.1 and 10): the window is drawn anew at its new DPI.
inline constexpr UINT DpiChangedMessage = 0x02E0;
inline constexpr UINT DpiChangedAfterParentMessage = 0x02E3;
LRESULT OnDpiChanged(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnSetFont(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
