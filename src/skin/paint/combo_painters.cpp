#include "skin/paint/combo_painters.h"

#include "skin/core/control_kind.h"
#include "skin/core/window_props.h"
#include "skin/draw/dpi_scale.h"
#include "skin/draw/owners.h"
#include "skin/draw/primitives.h"
#include "skin/paint/arrow_button.h"
#include "skin/paint/skin_frame.h"

namespace skin {
namespace {

LONG_PTR ComboStyle(HWND window)
{
    return GetWindowLongPtrW(window, GWL_STYLE);
}

// The frame (with the white ring when the control painted the body) and the button in the state
// OLDSTATE holds, forced, into dc.
void FrameAndButton(HWND window, HDC dc, const WindowBounds& bounds, bool ring)
{
    DrawSkinFrame(dc, bounds.width, bounds.height, IsWindowEnabled(window) != 0, ring,
                  ScaleFor(window)(1));
    INT_PTR state = GetSkinProp(window, prop::OldState);
    PaintDropButton(window, dc, state, true);
}

void FrameOverControl(HWND window)
{
    WindowBounds bounds;
    GetWindowBounds(window, bounds);
    HDC dc = gdi::GetWindowDC(window);
    FrameAndButton(window, dc, bounds, true);
    gdi::ReleaseDC(window, dc);
}

}  // namespace

void PaintDropButton(HWND window, HDC dc, INT_PTR& state, bool force)
{
    const bool dropped = SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0) != 0;
    const INT_PTR stored = GetSkinProp(window, prop::OldState);
    if (dropped) state = look::Pressed;
    if (stored == state && !force) return;
    if (!(ComboStyle(window) & ComboHasDropButton)) return;
    SetSkinProp(window, prop::OldState, state);

    WindowBounds bounds;
    GetWindowBounds(window, bounds);
    // Inside the frame, as wide as the system's drop button (which follows the DPI by itself).
    const DpiScale scale = ScaleFor(window);
    const int frame = scale(1);
    const int bw = GetSystemMetrics(SM_CXVSCROLL) + 1;
    const int bh = bounds.height - 2 * frame;
    OwnedSurface surface(CreateSkinSurface(bw, bh));
    DrawArrowButton(surface.get(), 0, 0, bw, bh, state, IsWindowEnabled(window) != 0, Arrow::Down, scale);
    HDC target = dc ? dc : gdi::GetWindowDC(window);
    BitBlt(target, bounds.width - bw - frame, frame, bw, bh, surface.get(), 0, 0, SRCCOPY);
    if (!dc) gdi::ReleaseDC(window, target);
}

LRESULT PaintComboBoxWindow(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                            LPARAM lParam)
{
    if (ComboStyle(window) & ComboBodyByControl) {
        const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
        FrameOverControl(window);
        return result;
    }
    // An editable drop-down combo is the skin's alone: its edit field is a child window that
    // paints itself, and around it there is only the frame and the button.
    WindowBounds bounds;
    GetWindowBounds(window, bounds);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    FillSolidRect(dc, 0, 0, bounds.width, bounds.height, ControlColor);
    FrameAndButton(window, dc, bounds, false);
    EndPaint(window, &ps);
    return 0;
}

LRESULT PaintDriveListWindow(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                             LPARAM lParam)
{
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    FrameOverControl(window);
    return result;
}

LRESULT ResetDropButtonOnMove(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                              LPARAM lParam)
{
    const ControlKind kind = GetControlKind(window);
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    if (kind == ControlKind::ComboBox || kind == ControlKind::DriveListBox) {
        INT_PTR state = look::Normal;
        PaintDropButton(window, nullptr, state, false);
    }
    return result;
}

}  // namespace skin
