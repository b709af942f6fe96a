#pragma once
// The skin's images and pixel counts are made for 96 dots per inch; at another DPI every glyph,
// margin, frame width and corner grows with it, so that a check mark keeps filling its box.
// Boxes whose size comes from system metrics follow the DPI already and are not scaled again.
#include <windows.h>

namespace skin {

inline constexpr UINT BaseDpi = 96;

// The window's DPI where the system has GetDpiForWindow (per-monitor aware programs can have
// windows of different DPIs), else the screen's LOGPIXELSY.
UINT WindowDpi(HWND window);

// Pixel counts of the 96-DPI skin at one DPI. At 96 every count stays exactly as it is.
struct DpiScale {
    UINT dpi = BaseDpi;
    // pixels * dpi / 96, rounded half to even; never below 1 for a positive count.
    int operator()(int pixels) const;
    bool base() const { return dpi == BaseDpi; }
};

inline DpiScale ScaleFor(HWND window)
{
    return DpiScale{WindowDpi(window)};
}

}  // namespace skin
