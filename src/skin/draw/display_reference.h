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

// A bitmap of the size in the display's format; null when it cannot be made. On a 32-bit display
// with the reference open it is a 32-bit DIB section: the same pixels as a display-compatible
// bitmap, but selecting a device-dependent bitmap into a context goes through the display driver
// each time and costs about thirty times as much; larger than a screen, it is a device bitmap of
// the same format. Otherwise, and for sizes that are not positive (which the platform answers
// with a 1 x 1 stock bitmap), it is made against the caller's DisplayContext.
HBITMAP CreateDisplayBitmap(const DisplayContext& display, int width, int height);

}  // namespace skin
