#include "skin/draw/owners.h"
#include "skin/draw/primitives.h"

namespace skin {

int FillSolidRect(HDC dc, int x, int y, int width, int height, Rgb color)
{
    const RECT r{x, y, x + width, y + height};
    OwnedBrush brush(gdi::CreateSolidBrush(color));
    return FillRect(dc, &r, brush.get());
}

int FrameSolidRect(HDC dc, int x, int y, int width, int height, Rgb color)
{
    const RECT r{x, y, x + width, y + height};
    OwnedBrush brush(gdi::CreateSolidBrush(color));
    return FrameRect(dc, &r, brush.get());
}

BOOL DrawFocusBox(HDC dc, int x, int y, int width, int height)
{
    const RECT r{x, y, x + width, y + height};
    return DrawFocusRect(dc, &r);
}

}  // namespace skin
