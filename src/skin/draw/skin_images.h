#pragma once
// The five bitmaps every skinned control is drawn from, built in memory pixel by pixel from the
// built-in tables or from a skin loaded from files.
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "skin/draw/colors.h"

namespace skin {

struct SkinImageSet {
    HDC ButtonFaceImage = nullptr;    // 7 x 84: four 7 x 21 cells, normal / hot / pressed / disabled
    HDC DropButtonImage = nullptr;    // 15 x 18: hot face, pressed face, two arrow glyphs
    HDC CheckGlyphImage = nullptr;    // 18 x 24: check mark, square, dot; enabled | disabled
    HDC OptionCircleImage = nullptr;  // 13 x 52: four 13 x 13 circles
    HDC HeaderItemImage = nullptr;    // 9 x 20: three 3 x 20 cells, normal / hot / pressed
    bool built = false;               // holds the display reference (released with the set)
    // The skin's pictures for high DPI, in the order of SkinImageTables: each image's picture at
    // factor times its size, null (factor 1) where the skin brings none. The five above are
    // then reduced from them, so that every 96-DPI path draws as it always has.
    std::array<HDC, 5> large{};
    std::array<int, 5> factor{1, 1, 1, 1, 1};
};

// A skin other than the built-in one: its name, its colours and the pixels of its five images,
// each of the built-in image's size, rows top first, in the order of SkinImageTables; and where
// the skin's file was a picture for high DPI, that picture (factor 2 or 3, else 1 and empty).
struct SkinDefinition {
    std::wstring name;
    SkinColors colors = BuiltInColors;
    std::array<std::vector<Rgb>, 5> images;
    std::array<std::vector<Rgb>, 5> large;
    std::array<int, 5> factor{1, 1, 1, 1, 1};
};

// Creates the five surfaces (in the order above) and writes every pixel: the skin's when one is
// given, else the built-in tables'; and the surfaces of the skin's pictures for high DPI.
void BuildSkinImageSet(SkinImageSet& images, const SkinDefinition* skin = nullptr);
// Deletes the surfaces (the large ones too) and clears the handles.
void ReleaseSkinImageSet(SkinImageSet& images);

// The calling thread's engine's own set, which every painter of the thread draws from: built by
// the thread's first SkinWindow and released with its last skinned window.
SkinImageSet& SkinImages();

}  // namespace skin
