#pragma once
// A command button is shown by blending one of four pre-rendered faces (normal, hot, pressed,
// disabled) onto it; the faces live in the button's "<i>HDC" surfaces.
#include <windows.h>

namespace skin {

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
