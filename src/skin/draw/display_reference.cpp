#include "skin/draw/display_reference.h"

namespace skin {
namespace {

// One reference per thread: a device context is not to be used by two threads at once.
thread_local HDC t_reference = nullptr;
thread_local int t_users = 0;              // image sets built and not yet released
thread_local bool t_thirtyTwoBit = false;  // the display stores a pixel in 32 bits

// Larger than any screen; beyond it a device bitmap is asked for, so a size the platform refuses
// (a 32767 x 32767 button) is refused as before rather than reserving gigabytes.
constexpr long long kMaxDibPixels = 4096LL * 4096;

}  // namespace

void OpenDisplayReference()
{
    if (t_users++ > 0) return;
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
    t_reference = reference;
    t_thirtyTwoBit = thirtyTwoBit;
}

void CloseDisplayReference()
{
    if (--t_users > 0 || !t_reference) return;
    HGDIOBJ bitmap = GetCurrentObject(t_reference, OBJ_BITMAP);
    gdi::DeleteDC(t_reference);
    gdi::DeleteObject(bitmap);
    t_reference = nullptr;
    t_thirtyTwoBit = false;
}

DisplayContext::DisplayContext() : own_(t_reference ? nullptr : gdi::CreateDisplayInfoDC()) {}

HDC DisplayContext::get() const
{
    return t_reference ? t_reference : own_.get();
}

HBITMAP CreateDisplayBitmap(const DisplayContext& display, int width, int height)
{
    if (t_reference && t_thirtyTwoBit && width > 0 && height > 0) {
        if (static_cast<long long>(width) * height <= kMaxDibPixels)
            return gdi::CreateDibSection32(t_reference, width, height);
        // Made against a context that holds a DIB section, a compatible bitmap would be a DIB
        // section too, which the platform grants far beyond its limit for device bitmaps.
        return gdi::CreateBitmap(width, height, 1, 32);
    }
    return gdi::CreateCompatibleBitmap(display.get(), width, height);
}

}  // namespace skin
