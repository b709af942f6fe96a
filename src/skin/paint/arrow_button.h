#pragma once
// The skin's drop button, the one arrow button it has: the DropButtonImage face of a state (plain
// white when normal) with the arrow glyph on it, turned to the way it points. Combo boxes show it
// pointing down; scroll bars and up-down controls in all four directions.
#include <windows.h>

#include "skin/draw/dpi_scale.h"

namespace skin {

enum class Arrow { Down, Up, Left, Right };

// The button fills (x, y, w, h) of dc: the face of state (look::Normal, Hot or Pressed), the
// arrow centred on it, in the enabled or disabled glyph, scaled with the DPI.
void DrawArrowButton(HDC dc, int x, int y, int w, int h, INT_PTR state, bool enabled, Arrow arrow,
                     const DpiScale& scale);

}  // namespace skin
