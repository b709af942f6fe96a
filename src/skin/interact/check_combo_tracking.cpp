#include "skin/interact/check_combo_tracking.h"

#include "skin/core/window_props.h"
#include "skin/draw/primitives.h"
#include "skin/interact/pointer_tracking.h"
#include "skin/paint/check_option_painters.h"
#include "skin/paint/combo_painters.h"

namespace skin {
namespace {

INT_PTR HotOrPressed(WPARAM wParam)
{
    return (wParam & MK_LBUTTON) ? look::Pressed : look::Hot;
}

void PaintButton(HWND combo, INT_PTR state)
{
    PaintDropButton(combo, nullptr, state, false);
}

// An editable drop-down combo reacts only on its button; the other combos and drive lists
// count as a button as a whole.
bool OnDropButton(HWND window, ControlKind kind, LPARAM lParam)
{
    if (kind != ControlKind::ComboBox) return true;
    if (GetWindowLongPtrW(window, GWL_STYLE) & ComboBodyByControl) return true;
    return DropButtonZone(window, lParam);
}

// Hot when the cursor is over the combo itself (over its edit field is not), else normal.
void ShowCursorVerdict(HWND combo)
{
    PaintButton(combo, IsCursorOver(combo) ? look::Hot : look::Normal);
}

void TrackCombo(HWND window, ControlKind kind, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEMOVE:
        EnterControl(window);
        PaintButton(window,
                    OnDropButton(window, kind, lParam) ? HotOrPressed(wParam) : look::Normal);
        break;
    case WM_LBUTTONDOWN:
        if (OnDropButton(window, kind, lParam)) PaintButton(window, look::Pressed);
        break;
    case WM_LBUTTONUP: ShowCursorVerdict(window); break;
    case WM_MOUSELEAVE:
        SetSkinProp(window, prop::MouseFlag, 0);
        PaintButton(window, look::Normal);
        break;
    }
}

void TrackCheckOption(HWND window, ControlKind kind, UINT message, WPARAM wParam)
{
    const auto paint = kind == ControlKind::CheckBox ? &PaintCheckBox : &PaintOptionButton;
    switch (message) {
    case WM_MOUSEMOVE:
        // Forced: the control redraws its own box while the mouse drags over it.
        EnterControl(window);
        paint(window, HotOrPressed(wParam), true);
        break;
    case WM_LBUTTONDOWN: paint(window, look::Pressed, false); break;
    case WM_LBUTTONUP: paint(window, look::Normal, false); break;
    case WM_MOUSELEAVE:
        SetSkinProp(window, prop::MouseFlag, 0);
        paint(window, look::Normal, false);
        break;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) paint(window, look::Pressed, false);
        break;
    case WM_KEYUP:
        if (wParam == VK_SPACE) paint(window, look::Normal, false);
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        // Gaining or losing the focus can make an option button redraw, or check, itself.
        if (kind == ControlKind::OptionButton) paint(window, look::Normal, true);
        break;
    }
}

}  // namespace

void TrackCheckOrCombo(HWND window, ControlKind kind, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (kind) {
    case ControlKind::ComboBox:
    case ControlKind::DriveListBox: TrackCombo(window, kind, message, wParam, lParam); break;
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: TrackCheckOption(window, kind, message, wParam); break;
    default: break;
    }
}

bool DropButtonZone(HWND window, LPARAM lParam)
{
    WindowBounds bounds;
    GetWindowBounds(window, bounds);
    const int scrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int x = SignedLoWord(lParam), y = SignedHiWord(lParam);
    return bounds.width - scrollWidth - 2 <= x && x <= bounds.width - 2 && 2 <= y &&
           y <= bounds.height - 2;
}

LRESULT OnCommand(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    const auto control = reinterpret_cast<HWND>(lParam);
    if (HIWORD(wParam) != CBN_CLOSEUP || !control) return result;
    // The notification names any window it likes; only this thread's are ours to paint.
    if (GetWindowThreadProcessId(control, nullptr) != GetCurrentThreadId()) return result;
    if (!GetSkinProp(control, prop::ProcAddr)) return result;
    const ControlKind kind = GetControlKind(control);
    if (kind == ControlKind::ComboBox || kind == ControlKind::DriveListBox)
        ShowCursorVerdict(control);
    return result;
}

void RefreshCheckOptionMark(HWND window)
{
    if (!GetSkinProp(window, prop::ProcAddr)) return;
    switch (GetControlKind(window)) {
    case ControlKind::CheckBox: PaintCheckBox(window, look::Normal, true); break;
    case ControlKind::OptionButton: PaintOptionButton(window, look::Normal, true); break;
    default: break;
    }
}

}  // namespace skin
