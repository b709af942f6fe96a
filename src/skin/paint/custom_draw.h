#pragma once
// Track bars, toolbars, list views and tree views draw themselves and ask their parent how
// (NM_CUSTOMDRAW). The skin sits in the parent's chain and answers for the skinned ones whose
// parent leaves the drawing to the control: the track bar's channel and thumb and the toolbar's
// hot, pressed and checked buttons as the skin's faces, the selected and hot items of the lists
// in the skin's colours. What the control draws for itself stays as it is.
#include "skin/core/handler.h"

namespace skin {

// WM_NOTIFY of a skinned window.
LRESULT OnNotify(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
