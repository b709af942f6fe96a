#pragma once
// What every message handler of the skin looks like, and how it hands a message on.
#include <windows.h>

namespace skin {

// Every handler gets the previous procedure and the message as received, and returns the
// message result. "Calling the previous procedure" always means this call.
using MessageHandler = LRESULT (*)(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                                   LPARAM lParam);

inline LRESULT CallPrevious(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                            LPARAM lParam)
{
    return CallWindowProcW(previous, window, message, wParam, lParam);
}

}  // namespace skin
