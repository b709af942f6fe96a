#include "skin/draw/display_reference.h"

namespace skin {
namespace {

HDC g_reference = nullptr;  // GUI thread only
int g_users = 0;            // image sets built and not yet released

}  // namespace

void OpenDisplayReference()
{
    if (g_users++ > 0) return;
    // A memory context made against no DC is compatible with the screen; a bitmap of the
    // screen's planes and depth selected into it gives what is made against it the display's
    // format, without the display driver's costly calls.
    HDC reference = gdi::CreateCompatibleDC(nullptr);
    if (!reference) return;
    HBITMAP bitmap = gdi::CreateBitmap(1, 1, GetDeviceCaps(reference, PLANES),
                                       GetDeviceCaps(reference, BITSPIXEL));
    if (!bitmap) {
        gdi::DeleteDC(reference);
        return;
    }
    // What the bitmap replaces is the context's stock 1 x 1 monochrome bitmap.
    gdi::DeleteObject(SelectObject(reference, bitmap));
    g_reference = reference;
}

void CloseDisplayReference()
{
    if (--g_users > 0 || !g_reference) return;
    HGDIOBJ bitmap = GetCurrentObject(g_reference, OBJ_BITMAP);
    gdi::DeleteDC(g_reference);
    gdi::DeleteObject(bitmap);
    g_reference = nullptr;
}

DisplayContext::DisplayContext() : own_(g_reference ? nullptr : gdi::CreateDisplayInfoDC()) {}

HDC DisplayContext::get() const
{
    return g_reference ? g_reference : own_.get();
}

}  // namespace skin
