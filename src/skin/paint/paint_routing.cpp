#include "skin/core/control_kind.h"
#include "skin/core/fade_timer.h"
#include "skin/core/window_props.h"
#include "skin/draw/dpi_scale.h"
#include "skin/draw/gdi_objects.h"
#include "skin/draw/primitives.h"
#include "skin/paint/button_faces.h"
#include "skin/paint/check_option_painters.h"
#include "skin/paint/combo_painters.h"
#include "skin/paint/common_control_painters.h"
#include "skin/paint/header_painters.h"
#include "skin/paint/paint_handlers.h"
#include "skin/paint/progress_painters.h"
#include "skin/paint/rebar_painters.h"
#include "skin/paint/scroll_bar_painters.h"
#include "skin/paint/skin_frame.h"
#include "skin/paint/tab_painters.h"

namespace skin {
namespace {

// Push buttons are painted by the skin alone: the face of OLDSTATE at full opacity, which also
// ends a running fade. Group boxes get the skin's frame; buttons of the other styles paint
// themselves.
LRESULT PaintCommandButton(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam)
{
    const INT_PTR style = GetSkinProp(window, prop::OldStyle);
    if ((style & BS_TYPEMASK) == BS_GROUPBOX) return PaintGroupBox(window);
    if (DrawsOwnFace(style)) return CallPrevious(previous, window, message, wParam, lParam);
    StopFadeTimer(window);
    SetSkinProp(window, prop::AlphaLevel, 255);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    PaintButtonFaceAs(window, dc, GetSkinProp(window, prop::OldState), 255);
    EndPaint(window, &ps);
    return 0;
}

void FrameWholeWindow(HWND window, bool innerFrame)
{
    WindowBounds bounds;
    GetWindowBounds(window, bounds);
    HDC dc = gdi::GetWindowDC(window);
    DrawSkinFrame(dc, bounds.width, bounds.height, IsWindowEnabled(window) != 0, innerFrame,
                  ScaleFor(window)(1));
    gdi::ReleaseDC(window, dc);
}

LRESULT PaintFramedList(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam)
{
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    FrameWholeWindow(window, true);
    return result;
}

LRESULT PaintGridBorder(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam)
{
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    if (GetWindowLongW(window, GWL_STYLE) & WS_BORDER) FrameWholeWindow(window, false);
    return result;
}

}  // namespace

LRESULT OnPaint(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (GetControlKind(window)) {
    case ControlKind::CommandButton:
        return PaintCommandButton(previous, window, message, wParam, lParam);
    case ControlKind::ComboBox:
        return PaintComboBoxWindow(previous, window, message, wParam, lParam);
    case ControlKind::DriveListBox:
        return PaintDriveListWindow(previous, window, message, wParam, lParam);
    case ControlKind::CheckBox:
        return PaintCheckBoxWindow(previous, window, message, wParam, lParam);
    case ControlKind::OptionButton:
        return PaintOptionButtonWindow(previous, window, message, wParam, lParam);
    case ControlKind::DataList:
    case ControlKind::DropDownList:
        return PaintFramedList(previous, window, message, wParam, lParam);
    case ControlKind::Grid:
        return PaintGridBorder(previous, window, message, wParam, lParam);
    case ControlKind::ProgressBar:
        return PaintProgressBar(window);
    case ControlKind::Header:
        return PaintHeaderBar(window);
    case ControlKind::ScrollBar:
        return PaintScrollBarWindow(previous, window, message, wParam, lParam);
    case ControlKind::Tab:
        return PaintTabControl(previous, window, message, wParam, lParam);
    case ControlKind::Rebar:
        return PaintRebarWindow(previous, window, message, wParam, lParam);
    case ControlKind::StatusBar:
        return PaintStatusBar(window);
    case ControlKind::UpDown:
        return PaintUpDown(window);
    default:
        // Containers and every other window paint themselves.
        return CallPrevious(previous, window, message, wParam, lParam);
    }
}

}  // namespace skin
