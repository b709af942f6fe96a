#pragma once
// The one window procedure every skinned window gets. It routes the messages the skin cares
// about to their handlers and passes everything else to the window's previous procedure.
#include <windows.h>

namespace skin {

LRESULT CALLBACK SkinWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
