#include "skin/paint/progress_painters.h"

#include <commctrl.h>

#include "skin/draw/dpi_scale.h"
#include "skin/draw/owners.h"
#include "skin/draw/primitives.h"
#include "skin/paint/border_painting.h"

namespace skin {
namespace {

// position / 30000, held in single precision like the position scale itself.
float ProgressFraction(HWND bar)
{
    const auto position = static_cast<int>(SendMessageW(bar, PBM_GETPOS, 0, 0));
    return static_cast<float>(position / static_cast<double>(ProgressFullScale));
}

// Fills the part of (x, y, width, height) that lies inside area. A position above the full scale
// or below zero gives a bar longer than the field or of negative length; it never reaches over
// the frame, and a negative one shows nothing.
void FillWithin(HDC dc, const RECT& area, int x, int y, int width, int height, Rgb color)
{
    const RECT wanted{x, y, x + width, y + height};
    RECT part;
    if (IntersectRect(&part, &wanted, &area))
        FillSolidRect(dc, part.left, part.top, part.right - part.left, part.bottom - part.top,
                      color);
}

}  // namespace

LRESULT PaintProgressBar(HWND bar)
{
    const LONG style = GetWindowLongW(bar, GWL_STYLE);
    RECT client{};
    GetClientRect(bar, &client);
    const int cw = client.right, ch = client.bottom;
    OwnedSurface surface(CreateSkinSurface(cw, ch));
    const double f = ProgressFraction(bar);

    FillSolidRect(surface.get(), 0, 0, cw, ch, ControlColor);
    if (f != 0) {
        if (style & PBS_VERTICAL)
            FillWithin(surface.get(), client, 0, RoundHalfEven(ch - ch * f), cw,
                       RoundHalfEven(ch * f), ProgressColor);
        else
            FillWithin(surface.get(), client, 0, 0, RoundHalfEven(cw * f), ch, ProgressColor);
    }

    PAINTSTRUCT ps;
    HDC dc = BeginPaint(bar, &ps);
    BitBlt(dc, 0, 0, cw, ch, surface.get(), 0, 0, SRCCOPY);
    EndPaint(bar, &ps);
    return 0;
}

LRESULT PaintProgressFrame(HWND bar)
{
    int bx = 0, by = 0;
    GetBorderThickness(bar, bx, by);
    WindowBounds bounds;
    GetWindowBounds(bar, bounds);
    const int w = bounds.width, h = bounds.height;
    RECT client{};
    GetClientRect(bar, &client);
    const int cw = client.right, ch = client.bottom;
    OwnedSurface surface(CreateSkinSurface(w, h));
    const double f = ProgressFraction(bar);
    const LONG style = GetWindowLongW(bar, GWL_STYLE);

    // The frame keeps the enabled colour on a disabled bar.
    const int frame = ScaleFor(bar)(1);
    FillSolidRect(surface.get(), 0, 0, w, h, FrameColor);
    FillSolidRect(surface.get(), frame, frame, w - 2 * frame, h - 2 * frame, ControlColor);
    const RECT field{bx, by, bx + cw, by + ch};
    if (f != 0) {
        if (style & PBS_VERTICAL) {
            // A smooth bar is filled and then whitened down to the top of its bar; a segmented
            // one stays white here and gets its bar in WM_PAINT.
            if (style & PBS_SMOOTH) FillWithin(surface.get(), field, bx, by, cw, ch, ProgressColor);
            FillWithin(surface.get(), field, bx, by, cw, RoundHalfEven(ch - ch * f), ControlColor);
        } else {
            FillWithin(surface.get(), field, bx, by, RoundHalfEven(cw * f), ch, ProgressColor);
        }
    }

    HDC windowDc = gdi::GetWindowDC(bar);
    BitBlt(windowDc, 0, 0, w, h, surface.get(), 0, 0, SRCCOPY);
    gdi::ReleaseDC(bar, windowDc);
    return 0;
}

}  // namespace skin
