#pragma once
// The images of a skin folder, decoded by the system's imaging component (WIC).
#include <string>
#include <vector>

#include "skin/draw/colors.h"

namespace skin {

enum class ImageFormat { Png, Bmp };

struct DecodedImage {
    int factor = 1;           // the file's size over the built-in image's: 1, 2 or 3
    std::vector<Rgb> pixels;  // factor * width by factor * height
};

// Decodes the file's bytes into rows of 0xRRGGBB (top row first; a fully transparent pixel
// becomes the key colour). The frame's size is checked with AcceptImageSize before any pixel is
// converted, so a huge picture costs nothing. Throws LoadError naming the file (as given).
// COM is used in whatever apartment the calling thread has, and left as it was.
DecodedImage DecodeSkinImage(const std::string& bytes, ImageFormat format, const std::wstring& file,
                             int width, int height, Rgb key);

// The one place that decides which sizes an image file of a skin may have, for a built-in
// image of width x height: that size, or exactly 2 or 3 times it (a picture for high DPI).
// Answers the factor; throws LoadError naming the file and both sizes.
int AcceptImageSize(const std::wstring& file, unsigned fileWidth, unsigned fileHeight, int width,
                    int height);

// The image of width x height a picture of factor times its size stands for at 96 DPI: each
// pixel the most frequent colour of its factor x factor block, the key colour only where most of
// the block is key.
std::vector<Rgb> ReduceSkinPicture(const std::vector<Rgb>& picture, int width, int height,
                                   int factor, Rgb key);

}  // namespace skin
