#include "skin/core/control_kind.h"
#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/draw/button_faces.h"
#include "skin/draw/gdi_objects.h"
#include "skin/draw/primitives.h"
#include "skin/paint/paint_handlers.h"

namespace skin {

LRESULT OnSize(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (GetControlKind(window) != ControlKind::CommandButton)
        return CallPrevious(previous, window, message, wParam, lParam);
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);

    // New bitmaps of the new size in the same four surfaces, faces drawn anew, a new region.
    HDC windowDc = GetWindowDC(window);
    WindowBounds bounds;
    GetWindowBounds(window, bounds);
    for (int i = 0; i < 4; ++i) {
        const auto face = reinterpret_cast<HDC>(GetSkinProp(window, prop::FaceDc[i]));
        HBITMAP bitmap = gdi::CreateCompatibleBitmap(windowDc, bounds.width, bounds.height);
        gdi::DeleteObject(SelectObject(face, bitmap));
        SetSkinProp(window, prop::FaceBitmap[i], reinterpret_cast<INT_PTR>(bitmap));
    }
    RenderButtonFaces(window);
    ReleaseDC(window, windowDc);
    gdi::SetWindowRegion(
        window, gdi::CreateRoundRectRgn(0, 0, bounds.width + 1, bounds.height + 1, 3, 3), TRUE);
    return result;
}

LRESULT OnActivate(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The window on the other side of the activation change: an owned pop-up (a message box of
    // this window, say) or any dialog or form is skinned with everything in it.
    if (const auto other = reinterpret_cast<HWND>(lParam)) {
        if (GetParent(other) == window || GetControlKind(other) == ControlKind::Container)
            AttachSkin(other);
    }
    return CallPrevious(previous, window, message, wParam, lParam);
}

}  // namespace skin
