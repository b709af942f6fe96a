#include "skin/core/control_kind.h"
#include "skin/core/window_props.h"
#include "skin/draw/primitives.h"
#include "skin/paint/button_faces.h"
#include "skin/paint/paint_handlers.h"

namespace skin {
namespace {

// Whether the faces have the button's size already: so they do at the WM_SIZE that ends the
// creation of a button skinned as it was made, its faces made a moment before.
bool FacesFit(HWND window)
{
    const auto bitmap = reinterpret_cast<HBITMAP>(GetSkinProp(window, prop::FaceBitmap[0]));
    BITMAP size{};
    WindowBounds bounds;
    GetWindowBounds(window, bounds);
    return bitmap && GetObjectW(bitmap, sizeof size, &size) && size.bmWidth == bounds.width &&
           size.bmHeight == bounds.height;
}

}  // namespace

LRESULT OnSize(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (GetControlKind(window) != ControlKind::CommandButton)
        return CallPrevious(previous, window, message, wParam, lParam);
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    if (FacesFit(window)) return result;

    // The same four surfaces get bitmaps, faces and a region of the new size.
    HDC faces[4];
    for (int i = 0; i < 4; ++i) faces[i] = reinterpret_cast<HDC>(GetSkinProp(window, prop::FaceDc[i]));
    FitButtonFaces(window, faces);
    return result;
}

}  // namespace skin
