#pragma once
// The common controls of a program's own windows in the skin's look. Each painter paints the whole
// control in WM_PAINT (the control's own procedure does not see that message) and changes nothing
// but pixels.
#include <windows.h>

#include "skin/draw/dpi_scale.h"

namespace skin {

LRESULT PaintGroupBox(HWND box);
LRESULT PaintStatusBar(HWND bar);
LRESULT PaintUpDown(HWND upDown);

// A size grip in the bottom-right corner of box: three rows of dots in the frame colour.
void DrawSizeGrip(HDC dc, const RECT& box, const DpiScale& scale);

}  // namespace skin
