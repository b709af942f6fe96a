#pragma once
// The skin folder skin-sheet --raw writes: each image of a set at its own size, DIR\<name>.bmp,
// and skin.ini with the skin's colours. Loaded back, it is the skin it was written from.
#include <string>

#include "skin/draw/skin_images.h"

// skin.ini naming the skin and every colour it has.
std::string SkinIniText(const std::string& name, const skin::SkinColors& colors);

// Writes the folder (made when missing); false when a file cannot be written. With a factor of 2
// or 3 each image is written as a picture for high DPI, every pixel a factor x factor block.
bool WriteRawSkin(const std::wstring& folder, const skin::SkinImageSet& images,
                  const skin::SkinColors& colors, int factor = 1);
