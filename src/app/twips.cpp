#include "app/twips.h"

#include <cmath>

namespace app {

TwipScale ScreenTwipScale()
{
    TwipScale scale;
    if (HDC screen = GetDC(nullptr)) {
        const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
        const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        if (dpiX > 0) scale.x = 1440.0f / static_cast<float>(dpiX);
        if (dpiY > 0) scale.y = 1440.0f / static_cast<float>(dpiY);
    }
    return scale;
}

int TwipsToPixels(float twips, float twipsPerPixel)
{
    // nearbyint rounds halves to even in the default rounding mode.
    return static_cast<int>(std::nearbyint(twips / twipsPerPixel));
}

RECT TwipsToPixels(const TwipRect& r, const TwipScale& scale)
{
    const int left = TwipsToPixels(r.left, scale.x);
    const int top = TwipsToPixels(r.top, scale.y);
    return RECT{left, top, left + TwipsToPixels(r.width, scale.x),
                top + TwipsToPixels(r.height, scale.y)};
}

}  // namespace app
