#pragma once
// One picture showing several images side by side, enlarged, with a pixel grid, the outlines
// of their cells and their names.
#include <string>
#include <vector>

#include "pixels.h"

struct SheetImage {
    std::wstring label;
    Picture picture;
    std::vector<RECT> cells;  // x, y, right, bottom in image pixels, outlined on the sheet
};

Picture ComposeSheet(const std::vector<SheetImage>& images, int scale);
