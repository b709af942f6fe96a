#pragma once
// Every GDI object the skin creates and deletes goes through these calls, which keep a live
// count that tests can read. (GetGuiResources cannot be trusted for that: Wine answers 0.)
//
// Only handles created here are counted: deleting anything else (a context's default bitmap,
// a stock object) is passed to the platform and leaves the count alone.
#include <windows.h>

#include "skin/draw/colors.h"

namespace skin::gdi {

HDC CreateDisplayInfoDC();  // CreateDCA("DISPLAY", ...)
HDC CreateCompatibleDC(HDC dc);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel);
// A 32-bit bottom-up DIB section (BI_RGB), zero-filled like a new compatible bitmap; pixels, when
// given, receives where its rows are (the bottom row first).
HBITMAP CreateDibSection32(HDC dc, int width, int height, void** pixels = nullptr);
HBRUSH CreateSolidBrush(Rgb color);
HPALETTE CreateHalftonePalette(HDC dc);
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseW, int ellipseH);

BOOL DeleteDC(HDC dc);
BOOL DeleteObject(HGDIOBJ object);

// SetWindowRgn hands the region to the window, which deletes it itself; this gives the region
// to the window and stops counting it when the call succeeds, and deletes it when it fails.
int SetWindowRegion(HWND window, HRGN region, BOOL redraw);

// A window's device contexts, taken and given back here so that a missing release is counted.
HDC GetWindowDC(HWND window);
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);

// Objects created here and not yet deleted (or handed over), and window DCs not yet released.
long LiveObjectCount();

}  // namespace skin::gdi
