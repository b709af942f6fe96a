#include "skin/draw/display_reference.h"

namespace skin {
namespace {

HDC g_reference = nullptr;    // GUI thread only
int g_users = 0;              // image sets built and not yet released
bool g_thirtyTwoBit = false;  // the display stores a pixel in 32 bits

// Larger than any screen; beyond it a device bitmap is asked for, so a size the platform refuses
// (a 32767 x 32767 button) is refused as before rather than reserving gigabytes.
constexpr long long kMaxDibPixels = 4096LL * 4096;

}  // namespace

void OpenDisplayReference()
{
    if (g_users++ > 0) return;
    // A memory context made against no DC is compatible with the screen; a bitmap of the
    // screen's planes and depth selected into it gives what is made against it the display's
    // format, without the display driver's costly calls.
    HDC reference = gdi::CreateCompatibleDC(nullptr);
    if (!reference) return;
    // Each question goes to the display driver; a 32-bit display has one plane.
    const int bits = GetDeviceCaps(reference, BITSPIXEL);
    const bool thirtyTwoBit = bits == 32;
    HBITMAP bitmap = thirtyTwoBit ? gdi::CreateDibSection32(reference, 1, 1)
                                  : gdi::CreateBitmap(1, 1, GetDeviceCaps(reference, PLANES), bits);
    if (!bitmap) {
        gdi::DeleteDC(reference);
        return;
    }
    // What the bitmap replaces is the context's stock 1 x 1 monochrome bitmap.
    gdi::DeleteObject(SelectObject(reference, bitmap));
    g_reference = reference;
    g_thirtyTwoBit = thirtyTwoBit;
}

void CloseDisplayReference()
{
    if (--g_users > 0 || !g_reference) return;
    HGDIOBJ bitmap = GetCurrentObject(g_reference, OBJ_BITMAP);
    gdi::DeleteDC(g_reference);
    gdi::DeleteObject(bitmap);
    g_reference = nullptr;
    g_thirtyTwoBit = false;
}

DisplayContext::DisplayContext() : own_(g_reference ? nullptr : gdi::CreateDisplayInfoDC()) {}

HDC DisplayContext::get() const
{
    return g_reference ? g_reference : own_.get();
}

HBITMAP CreateDisplayBitmap(const DisplayContext& display, int width, int height)
{
    if (g_reference && g_thirtyTwoBit && width > 0 && height > 0) {
        if (static_cast<long long>(width) * height <= kMaxDibPixels)
            return gdi::CreateDibSection32(g_reference, width, height);
        // Made against a context that holds a DIB section, a compatible bitmap would be a DIB
        // section too, which the platform grants far beyond its limit for device bitmaps.
        return gdi::CreateBitmap(width, height, 1, 32);
    }
    return gdi::CreateCompatibleBitmap(display.get(), width, height);
}

}  // namespace skin
