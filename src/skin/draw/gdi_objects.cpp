#include "skin/draw/gdi_objects.h"

#include <unordered_set>

namespace skin::gdi {
namespace {

// The handles the calling thread created here and still alive: each GUI thread skins, and so
// creates and deletes, its own windows' objects.
std::unordered_set<HANDLE>& Live()
{
    thread_local std::unordered_set<HANDLE> live;
    return live;
}

// Window DCs come from a cache and the same handle may be handed out twice, so they are counted,
// not kept in the set.
thread_local long t_windowDcs = 0;

HDC CountWindowDC(HDC dc)
{
    if (dc) ++t_windowDcs;
    return dc;
}

template <class H>
H Track(H handle)
{
    if (handle) Live().insert(handle);
    return handle;
}

void Untrack(HANDLE handle)
{
    Live().erase(handle);
}

}  // namespace

HDC CreateDisplayInfoDC()
{
    return Track(::CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
}

HDC CreateCompatibleDC(HDC dc)
{
    return Track(::CreateCompatibleDC(dc));
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height)
{
    return Track(::CreateCompatibleBitmap(dc, width, height));
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel)
{
    return Track(::CreateBitmap(width, height, planes, bitsPerPixel, nullptr));
}

HBITMAP CreateDibSection32(HDC dc, int width, int height, void** pixels)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = Track(::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (pixels) *pixels = bitmap ? bits : nullptr;
    return bitmap;
}

HBRUSH CreateSolidBrush(Rgb color)
{
    return Track(::CreateSolidBrush(ToColorRef(color)));
}

HPALETTE CreateHalftonePalette(HDC dc)
{
    return Track(::CreateHalftonePalette(dc));
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseW, int ellipseH)
{
    return Track(::CreateRoundRectRgn(left, top, right, bottom, ellipseW, ellipseH));
}

BOOL DeleteDC(HDC dc)
{
    const BOOL ok = ::DeleteDC(dc);
    if (ok) Untrack(dc);
    return ok;
}

BOOL DeleteObject(HGDIOBJ object)
{
    const BOOL ok = ::DeleteObject(object);
    if (ok) Untrack(object);
    return ok;
}

int SetWindowRegion(HWND window, HRGN region, BOOL redraw)
{
    const int ok = ::SetWindowRgn(window, region, redraw);
    if (ok && region) Untrack(region);
    // A refused region is still ours, and nobody else will delete it.
    if (!ok && region) gdi::DeleteObject(region);
    return ok;
}

HDC GetWindowDC(HWND window)
{
    return CountWindowDC(::GetWindowDC(window));
}

HDC GetDC(HWND window)
{
    return CountWindowDC(::GetDC(window));
}

int ReleaseDC(HWND window, HDC dc)
{
    const int released = ::ReleaseDC(window, dc);
    if (released && dc) --t_windowDcs;
    return released;
}

long LiveObjectCount()
{
    return static_cast<long>(Live().size()) + t_windowDcs;
}

}  // namespace skin::gdi
