#include "skin/paint/rebar_painters.h"

#include <commctrl.h>

#include "skin/draw/dpi_scale.h"
#include "skin/draw/gdi_objects.h"
#include "skin/draw/primitives.h"

namespace skin {
namespace {

// Where the system draws a band's gripper: 2 pixels in from the band's left edge, 3 wide, with a
// margin of 2 above and below; the skin covers a pixel more on each side.
constexpr int kGripperInset = 1, kGripperWidth = 5, kGripperMargin = 2;
constexpr int kDot = 2, kDotStep = 4;

bool ShowsGripper(HWND rebar, UINT band, UINT bands)
{
    REBARBANDINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = RBBIM_STYLE;
    if (!SendMessageW(rebar, RB_GETBANDINFOW, band, reinterpret_cast<LPARAM>(&info))) return false;
    if (info.fStyle & RBBS_GRIPPERALWAYS) return true;
    return !(info.fStyle & RBBS_NOGRIPPER) && bands > 1;
}

Rgb Background(HWND rebar)
{
    const COLORREF color = static_cast<COLORREF>(SendMessageW(rebar, RB_GETBKCOLOR, 0, 0));
    const COLORREF c = color == CLR_NONE || color == CLR_DEFAULT ? GetSysColor(COLOR_BTNFACE) : color;
    return static_cast<Rgb>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c);
}

}  // namespace

LRESULT PaintRebarWindow(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    const auto bands = static_cast<UINT>(SendMessageW(window, RB_GETBANDCOUNT, 0, 0));
    const bool vertical = (GetWindowLongW(window, GWL_STYLE) & CCS_VERT) != 0;
    const DpiScale scale = ScaleFor(window);
    HDC dc = gdi::GetDC(window);
    for (UINT band = 0; band < bands; ++band) {
        RECT r{};
        if (!ShowsGripper(window, band, bands) || !SendMessageW(window, RB_GETRECT, band, reinterpret_cast<LPARAM>(&r)))
            continue;
        // A vertical rebar has its gripper along the band's top.
        const int along = vertical ? r.right - r.left : r.bottom - r.top;
        const int start = (vertical ? r.left : r.top) + scale(kGripperMargin);
        const int across = (vertical ? r.top : r.left) + scale(kGripperInset);
        // Sizes across the band's gripper column, then along it.
        auto box = [&](int acrossAt, int alongAt, int acrossSize, int alongSize, Rgb color) {
            if (vertical) FillSolidRect(dc, alongAt, acrossAt, alongSize, acrossSize, color);
            else FillSolidRect(dc, acrossAt, alongAt, acrossSize, alongSize, color);
        };
        const int length = along - 2 * scale(kGripperMargin);
        box(across, start, scale(kGripperWidth), length, Background(window));
        for (int at = start + scale(1); at + scale(kDot) <= start + length; at += scale(kDotStep))
            box(across + (scale(kGripperWidth) - scale(kDot)) / 2, at, scale(kDot), scale(kDot), FrameColor);
    }
    gdi::ReleaseDC(window, dc);
    return result;
}

}  // namespace skin
