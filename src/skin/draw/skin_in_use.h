#pragma once
// The skin the process uses: the built-in one until a skin is loaded from files. It is one for
// all threads; each thread's engine builds its own surfaces from it (GDI objects are never
// shared between threads), so the skin itself is kept as plain pixels and colours.
#include <memory>

#include "skin/draw/skin_images.h"

namespace skin {

struct SkinInUse {
    std::shared_ptr<const SkinDefinition> skin;  // null: the built-in skin
    unsigned generation = 0;                     // changes with every PutSkinInUse
};

SkinInUse CurrentSkin();
// Makes the skin (null: the built-in one) the one in use from now on.
void PutSkinInUse(std::shared_ptr<const SkinDefinition> skin);

}  // namespace skin
