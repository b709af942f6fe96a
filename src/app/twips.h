#pragma once
// The launcher window is laid out in twips (1/1440 inch), as it was designed; the platform wants
// pixels. Twips are single precision, and a position turns into the nearest pixel (halves to
// the even neighbour).
#include <windows.h>

namespace app {

// Twips per pixel on each axis: 1440 / the screen's logical DPI (15 at 96 DPI).
struct TwipScale {
    float x = 15.0f;
    float y = 15.0f;
};

TwipScale ScreenTwipScale();

struct TwipRect {
    float left;
    float top;
    float width;
    float height;
};

int TwipsToPixels(float twips, float twipsPerPixel);
// Left, top, width and height are converted one by one, so a control keeps its pixel size
// wherever it is moved.
RECT TwipsToPixels(const TwipRect& r, const TwipScale& scale);

}  // namespace app
