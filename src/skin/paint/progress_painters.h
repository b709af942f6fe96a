#pragma once
// Progress bars are painted by the skin alone: a white field in a one-pixel frame with a flat
// bar, from the left or, for PBS_VERTICAL, from the bottom. Each picture is composed off-screen
// and reaches the window in one copy.
#include <windows.h>

namespace skin {

// The position counts against a full scale of 30000, whatever the bar's range.
inline constexpr float ProgressFullScale = 30000.0f;

// The client area, for WM_PAINT (the bar's own procedure never paints). Returns 0.
LRESULT PaintProgressBar(HWND bar);
// The whole window, frame included, for WM_NCPAINT. Returns 0.
LRESULT PaintProgressFrame(HWND bar);

}  // namespace skin
