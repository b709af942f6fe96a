#include "skin/draw/owners.h"
#include "skin/draw/primitives.h"

namespace skin {

int FillSolidRect(HDC dc, int x, int y, int width, int height, Rgb color)
{
    const RECT r{x, y, x + width, y + height};
    OwnedBrush brush(gdi::CreateSolidBrush(color));
    return FillRect(dc, &r, brush.get());
}

int FrameSolidRect(HDC dc, int x, int y, int width, int height, Rgb color, int thickness)
{
    const RECT r{x, y, x + width, y + height};
    OwnedBrush brush(gdi::CreateSolidBrush(color));
    if (thickness <= 1) return FrameRect(dc, &r, brush.get());
    // Four bands, none reaching past the rectangle when it is thinner than two of them.
    const int tx = width < 2 * thickness ? width : thickness;
    const int ty = height < 2 * thickness ? height : thickness;
    const RECT bands[] = {{r.left, r.top, r.right, r.top + ty},
                          {r.left, r.bottom - ty, r.right, r.bottom},
                          {r.left, r.top, r.left + tx, r.bottom},
                          {r.right - tx, r.top, r.right, r.bottom}};
    int result = 1;
    for (const RECT& band : bands) result &= FillRect(dc, &band, brush.get()) != 0;
    return result;
}

BOOL DrawFocusBox(HDC dc, int x, int y, int width, int height)
{
    const RECT r{x, y, x + width, y + height};
    return DrawFocusRect(dc, &r);
}

}  // namespace skin
