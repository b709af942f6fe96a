#include "skin/paint/combo_painters.h"

#include "skin/core/control_kind.h"
#include "skin/core/window_props.h"
#include "skin/draw/dpi_scale.h"
#include "skin/draw/owners.h"
#include "skin/draw/primitives.h"
#include "skin/draw/skin_images.h"
#include "skin/paint/skin_frame.h"

namespace skin {
namespace {

// DropButtonImage cells, as x, y, width, height: the hot and pressed faces (normal is plain
// white) and the arrow, enabled above disabled.
constexpr int kFaceW = 4, kFaceH = 18, kHotFaceX = 0, kPressedFaceX = 4;
constexpr int kArrowX = 8, kArrowW = 7, kArrowH = 4;
// The faces stretch with these margins: left 2, top 1, right 1, bottom 1.
constexpr int kFaceLeft = 2, kFaceTop = 1, kFaceRight = 1, kFaceBottom = 1;

LONG_PTR ComboStyle(HWND window)
{
    return GetWindowLongPtrW(window, GWL_STYLE);
}

// The button's face on a surface of bw x bh, the arrow centred on it.
void DrawButtonFace(HDC surface, int bw, int bh, INT_PTR state, bool enabled, const DpiScale& scale)
{
    HDC image = SkinImages().DropButtonImage;
    if (state == look::Normal)
        FillSolidRect(surface, 0, 0, bw, bh, White);
    else if (state == look::Hot || state == look::Pressed)
        StretchSkinCell(surface, 0, 0, bw, bh, image,
                        state == look::Hot ? kHotFaceX : kPressedFaceX, 0, kFaceW, kFaceH,
                        kFaceLeft, kFaceTop, kFaceRight, kFaceBottom, std::nullopt, scale.dpi);
    const int aw = scale(kArrowW), ah = scale(kArrowH);
    BlitGlyph(surface, RoundHalfEven((bw - aw) / 2.0), RoundHalfEven((bh - ah) / 2.0), aw, ah, image,
              kArrowX, enabled ? 0 : kArrowH, kArrowW, kArrowH, KeyColor);
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
    DrawButtonFace(surface.get(), bw, bh, state, IsWindowEnabled(window) != 0, scale);
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
    FillSolidRect(dc, 0, 0, bounds.width, bounds.height, White);
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
