#pragma once
// A command button is shown by blending one of four pre-rendered faces (normal, hot, pressed,
// disabled) onto it; the faces live in the button's "<i>HDC" surfaces.
#include <windows.h>

namespace skin {

// Check boxes, radio buttons and group boxes of the button class (style bit 1 or 2) keep drawing
// themselves; only push buttons (types 0, 1, 8, 9) get the skin's faces on screen.
constexpr bool DrawsOwnFace(LONG_PTR buttonStyle)
{
    return (buttonStyle & 6) != 0;
}

// Gives the four face surfaces new display-compatible bitmaps of the window's size (stored under
// "<i>BMP"), renders the faces and sets the rounded window region of that size: at attach and
// after every resize.
void FitButtonFaces(HWND window, const HDC (&faces)[4]);

// FitButtonFaces with the surfaces the button's properties name: after a resize or a new DPI.
void RefitButtonFaces(HWND window);

// The face of a state (ButtonFaceImage's cell, nine-grid) stretched over the rectangle of dc, at
// the DPI: the tabs, the scroll-bar thumbs and the track-bar and toolbar faces of the other controls.
void DrawFaceCell(HDC dc, const RECT& r, INT_PTR state, UINT dpi);

// Draws all four faces anew: the state's cell of ButtonFaceImage stretched over the surface, the
// caption, and the focus box when the button has the keyboard focus.
void RenderButtonFaces(HWND window);

// Blends the face of OLDSTATE at ALPHALEVEL over the whole window, into dc or (when dc is null)
// the window's own DC. A disabled button shows face 3. Buttons whose saved style is not a push
// button (OLDSTYLE & 6) are never drawn. Returns 0.
LRESULT PaintButtonFace(HWND window, HDC dc);

// The same blend for callers that have just set OLDSTATE and ALPHALEVEL to these values, so the
// properties are not read back (under Wine every property read is a round trip to the server).
LRESULT PaintButtonFaceAs(HWND window, HDC dc, INT_PTR state, INT_PTR level);

}  // namespace skin
