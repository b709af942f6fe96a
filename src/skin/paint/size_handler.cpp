#include "skin/core/control_kind.h"
#include "skin/core/window_props.h"
#include "skin/paint/button_faces.h"
#include "skin/paint/paint_handlers.h"

namespace skin {

LRESULT OnSize(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (GetControlKind(window) != ControlKind::CommandButton)
        return CallPrevious(previous, window, message, wParam, lParam);
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);

    // The same four surfaces get bitmaps, faces and a region of the new size.
    HDC faces[4];
    for (int i = 0; i < 4; ++i) faces[i] = reinterpret_cast<HDC>(GetSkinProp(window, prop::FaceDc[i]));
    FitButtonFaces(window, faces);
    return result;
}

}  // namespace skin
