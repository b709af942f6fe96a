#pragma once
// The skin folder skin-sheet --raw writes: each image of a set at its own size, DIR\<name>.bmp,
// and skin.ini with the skin's colours. Loaded back, it is the skin it was written from.
#include <string>

#include "skin/draw/skin_images.h"

// skin.ini naming the skin and every colour it has.
std::string SkinIniText(const std::string& name, const skin::SkinColors& colors);

// Writes the folder (made when missing); false when a file cannot be written.
bool WriteRawSkin(const std::wstring& folder, const skin::SkinImageSet& images,
                  const skin::SkinColors& colors);
