#pragma once
// The images of a skin folder, decoded by the system's imaging component (WIC).
#include <string>
#include <vector>

#include "skin/draw/colors.h"

namespace skin {

enum class ImageFormat { Png, Bmp };

// Decodes the file's bytes into rows of 0xRRGGBB (top row first; a fully transparent pixel
// becomes the key colour). The frame's size is checked with AcceptImageSize before any pixel is
// converted, so a huge picture costs nothing. Throws LoadError naming the file (as given).
// COM is used in whatever apartment the calling thread has, and left as it was.
std::vector<Rgb> DecodeSkinImage(const std::string& bytes, ImageFormat format,
                                 const std::wstring& file, int width, int height, Rgb key);

// The one place that decides which sizes an image file of a skin may have, for a built-in
// image of width x height: that size. Pictures for high DPI (whole multiples) are refused until
// the painters draw at the window's DPI. Throws LoadError naming the file and both sizes.
void AcceptImageSize(const std::wstring& file, unsigned fileWidth, unsigned fileHeight, int width,
                     int height);

}  // namespace skin
