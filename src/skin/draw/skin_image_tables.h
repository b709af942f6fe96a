#pragma once
// The pixel tables of the five skin images, in the order they are built: the image set writes
// them, and the tools read them to compare or to draw the images another way.
#include <windows.h>

#include <array>

#include "skin/draw/colors.h"
#include "skin/draw/skin_images.h"

namespace skin {

struct SkinImageTable {
    const char* name;            // as the image is called in SkinImageSet
    int width;
    int height;
    const Rgb* pixels;           // height rows of width colours, top row first
    HDC SkinImageSet::*surface;  // where the built image lives
};

extern const std::array<SkinImageTable, 5> SkinImageTables;

// Writes the table's pixels (or, when given, pixels of the table's size) to (0, 0) of the surface
// in one transfer.
void WriteSkinImage(HDC surface, const SkinImageTable& table, const Rgb* pixels = nullptr);

}  // namespace skin
