#pragma once
// Pixels held in memory: read back from a device context, written to a 24-bit BMP file.
#include <windows.h>

#include <string>
#include <vector>

#include "skin/draw/colors.h"

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<skin::Rgb> pixels;  // rows top first, 0xRRGGBB

    skin::Rgb at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// A 32-bit top-down DIB of the size: each pixel 0x00RRGGBB, as Rgb holds it.
BITMAPINFO TopDown32(int width, int height);

// Copies width x height pixels from (0, 0) of the device context in one transfer.
Picture ReadPicture(HDC dc, int width, int height);

// Writes the picture as an uncompressed 24-bit BMP; false when the file cannot be written.
bool WriteBmp(const std::wstring& path, const Picture& picture);
