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
    RefitButtonFaces(window);
    return result;
}

LRESULT OnDpiChanged(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    // Faces and region are made for one DPI: a button of the same size needs them anew. Every
    // other kind paints at the window's DPI when it paints next.
    if (GetControlKind(window) == ControlKind::CommandButton) RefitButtonFaces(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
    return result;
}

}  // namespace skin
