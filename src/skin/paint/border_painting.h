#pragma once
// Flat client-edge borders: a skinned window with a sunken client edge shows a one-pixel line in
// the frame colour around it, and the rings inside that line take the background colour.
#include <windows.h>

namespace skin {

// Width of the non-client border on one side, horizontally (bx) and vertically (by): what the
// window has around its client area, less its scroll bars, halved with halves to the even
// neighbour. Always returns 1.
int GetBorderThickness(HWND window, int& bx, int& by);

// Draws the line and the rings over what the window's own procedure painted in its frame.
void DrawClientEdge(HWND window);

}  // namespace skin
