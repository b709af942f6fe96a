#pragma once
// skin.ini, the text file of a skin folder: the skin's name and colours (README: "Skin folders").
#include <string>

#include "skin/draw/skin_images.h"

namespace skin {

// Reads the file's bytes (UTF-8, an optional byte-order mark) into the skin's name and colours;
// keys that are missing keep what the skin holds. Throws LoadError naming the file (as given)
// and the line.
void ReadSkinIni(const std::string& bytes, const std::wstring& file, SkinDefinition& skin);

}  // namespace skin
