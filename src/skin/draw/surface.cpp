#include "skin/draw/display_reference.h"
#include "skin/draw/primitives.h"

namespace skin {

HDC CreateSkinSurface(int width, int height)
{
    DisplayContext display;
    if (!display.get()) return nullptr;
    HDC surface = gdi::CreateCompatibleDC(display.get());
    if (!surface) return nullptr;
    HBITMAP bitmap = CreateDisplayBitmap(display, width, height);
    if (!bitmap) {
        gdi::DeleteDC(surface);
        return nullptr;
    }
    // What the bitmap replaces is the context's stock 1 x 1 bitmap; deleting it does nothing
    // harmful, and the surface never selects it back.
    gdi::DeleteObject(SelectObject(surface, bitmap));
    return surface;
}

void DeleteSkinSurface(HDC surface)
{
    if (!surface) return;
    HGDIOBJ bitmap = GetCurrentObject(surface, OBJ_BITMAP);
    gdi::DeleteDC(surface);
    gdi::DeleteObject(bitmap);
}

}  // namespace skin
