#pragma once
// Where a painter draws a cell of one of the five images from: the one place that chooses between
// an image and the skin's picture for high DPI.
#include <windows.h>

#include "skin/draw/skin_images.h"

namespace skin {

// A cell of a skin image as the painter passes it on: the surface, the cell in that surface's
// pixels, and the DPI to draw it at relative to that surface (a picture of twice the size at
// 192 DPI is drawn 1:1).
struct ImageCell {
    HDC surface;
    int x, y, w, h;
    int factor;  // of the surface over the 96-DPI image: the cell's margins are in its pixels
    UINT dpi;
    int operator()(int pixels) const { return pixels * factor; }
};

// The cell (x, y, w, h, in the 96-DPI image's pixels) of the thread's image (a member of the set,
// as &SkinImageSet::CheckGlyphImage) for drawing at the DPI. At 96 DPI, and for an image the
// skin brings at its own size, the image itself; elsewhere the skin's picture for high DPI when
// it has one, which the painters then enlarge or reduce far less than the image.
ImageCell PickImageCell(HDC SkinImageSet::*image, int x, int y, int w, int h, UINT dpi);

}  // namespace skin
