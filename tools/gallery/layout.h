#pragma once
// The gallery's windows lay out their controls from tables in 96-DPI pixels; on a screen of
// another DPI (the gallery is DPI-aware) the layout grows with the fonts.
#include <windows.h>

namespace gallery {

struct Control {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    DWORD exStyle;
    int x, y, w, h;
};

// Pixels at 96 DPI on the screen's DPI.
int Px(int pixels);

// The control of the table row as a child of parent, its id the row's.
HWND CreateControl(HWND parent, const Control& c);

}  // namespace gallery
