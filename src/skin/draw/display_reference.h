#pragma once
// Display-compatible contexts and bitmaps are made against one reference context that the engine
// keeps while its image set lives: opening an information context for the display, or making a
// bitmap against one, costs hundreds of times more than the drawing done with it. Without the
// reference (a primitive used on its own) each call opens an information context for itself.
#include <windows.h>

#include "skin/draw/owners.h"

namespace skin {

// A memory context holding a 1 x 1 display-compatible bitmap, so that what is made against it
// has the display's format. Opened by BuildSkinImageSet, closed by ReleaseSkinImageSet; with
// several image sets alive (the engine's and another) it lives until the last is released.
void OpenDisplayReference();
void CloseDisplayReference();

// The reference while it is open, else an information context for the display made for this
// scope and deleted with it.
class DisplayContext {
public:
    DisplayContext();
    HDC get() const;

private:
    OwnedDC own_;
};

}  // namespace skin
