#pragma once
// The skin frame around a control (one pixel at 96 DPI), in the frame colour of its enabled
// state, with an optional white ring as thick just inside it.
#include <windows.h>

namespace skin {

// dc has its origin at the window's top-left corner; width and height are the window's.
void DrawSkinFrame(HDC dc, int width, int height, bool enabled, bool innerFrame, int thickness);

}  // namespace skin
