#include "skin/interact/interaction_handlers.h"

namespace skin {

// Until the skin tracks these itself, they only reach the window's own procedure.

LRESULT OnSetFocus(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallPrevious(previous, window, message, wParam, lParam);
}

LRESULT OnKillFocus(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallPrevious(previous, window, message, wParam, lParam);
}

LRESULT OnEnable(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallPrevious(previous, window, message, wParam, lParam);
}

LRESULT OnKeyDown(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallPrevious(previous, window, message, wParam, lParam);
}

LRESULT OnKeyUp(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallPrevious(previous, window, message, wParam, lParam);
}

LRESULT OnTimer(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallPrevious(previous, window, message, wParam, lParam);
}

LRESULT OnMouseMove(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallPrevious(previous, window, message, wParam, lParam);
}

LRESULT OnLButtonDown(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallPrevious(previous, window, message, wParam, lParam);
}

LRESULT OnLButtonUp(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallPrevious(previous, window, message, wParam, lParam);
}

LRESULT OnLButtonDblClk(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam)
{
    return CallPrevious(previous, window, message, wParam, lParam);
}

LRESULT OnMouseLeave(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallPrevious(previous, window, message, wParam, lParam);
}

BOOL CALLBACK RefreshCheckOptionMarks(HWND, LPARAM)
{
    // Check boxes and option buttons get their marks repainted here once the skin paints them.
    return TRUE;
}

}  // namespace skin
