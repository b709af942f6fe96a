#pragma once
// The common controls of a program's own windows in the skin's look. Each painter paints the whole
// control in WM_PAINT (the control's own procedure does not see that message) and changes nothing
// but pixels.
#include <windows.h>

namespace skin {

LRESULT PaintGroupBox(HWND box);
LRESULT PaintStatusBar(HWND bar);
LRESULT PaintUpDown(HWND upDown);

}  // namespace skin
