#pragma once
// The one window procedure every skinned window gets. It routes the messages the skin cares
// about to their handlers and passes everything else to the window's previous procedure.
#include <windows.h>

namespace skin {

LRESULT CALLBACK SkinWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

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
