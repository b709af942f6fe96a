#pragma once
// A skin folder: the five images, each NAME.png or NAME.bmp, and skin.ini (README: "Skin folders").
#include <memory>
#include <string>

#include "skin/draw/skin_images.h"

namespace skin {

// Reads and checks everything in the folder; throws LoadError, whose message names the folder or
// file (and the line of skin.ini) and what is wrong with it.
std::shared_ptr<SkinDefinition> ReadSkinFolder(std::wstring folder);

}  // namespace skin
