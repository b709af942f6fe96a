#pragma once
// WM_ACTIVATE of a skinned window: the window on the other side of the activation change is
// skinned too. It attaches windows, so it sits with attach and detach.
#include "skin/core/handler.h"

namespace skin {

LRESULT OnActivate(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
