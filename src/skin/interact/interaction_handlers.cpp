#include "skin/interact/interaction_handlers.h"

#include "skin/core/control_kind.h"
#include "skin/interact/button_fade.h"
#include "skin/interact/check_combo_tracking.h"
#include "skin/interact/header_tracking.h"
#include "skin/interact/scroll_bar_tracking.h"
#include "skin/interact/window_scroll_tracking.h"
#include "skin/interact/tab_tracking.h"
#include "skin/paint/scroll_bar_painters.h"
#include "skin/interact/up_down_tracking.h"

namespace skin {
namespace {

// Every handler looks the kind up anew, lets the control handle the message first, then
// changes the skin's look on top of it, and returns the control's own result.
template <class Work>
LRESULT PassThen(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                 Work work)
{
    const ControlKind kind = GetControlKind(window);
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    work(kind);
    TrackCheckOrCombo(window, kind, message, wParam, lParam);
    if (kind == ControlKind::UpDown) TrackUpDown(window, message, lParam);
    return result;
}

}  // namespace

LRESULT OnSetFocus(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PassThen(previous, window, message, wParam, lParam, [&](ControlKind kind) {
        if (kind == ControlKind::CommandButton) ButtonFocusChange(window);
    });
}

LRESULT OnKillFocus(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return OnSetFocus(previous, window, message, wParam, lParam);
}

LRESULT OnEnable(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PassThen(previous, window, message, wParam, lParam, [&](ControlKind kind) {
        if (kind == ControlKind::CommandButton) ButtonEnable(window, wParam != 0);
        if (kind == ControlKind::ScrollBar) PaintScrollBarNow(window);
    });
}

LRESULT OnKeyDown(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PassThen(previous, window, message, wParam, lParam, [&](ControlKind kind) {
        if (kind == ControlKind::CommandButton && wParam == VK_SPACE) ButtonPress(window);
    });
}

LRESULT OnKeyUp(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PassThen(previous, window, message, wParam, lParam, [&](ControlKind kind) {
        if (kind == ControlKind::CommandButton && wParam == VK_SPACE) ButtonSpaceRelease(window);
    });
}

LRESULT OnTimer(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The one step that runs before the control sees its message; any timer id steps the fade.
    if (GetControlKind(window) == ControlKind::CommandButton) FadeStep(window);
    return CallPrevious(previous, window, message, wParam, lParam);
}

LRESULT OnMouseMove(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PassThen(previous, window, message, wParam, lParam, [&](ControlKind kind) {
        if (kind == ControlKind::Header) HeaderMouseMove(window, wParam, lParam);
        if (kind == ControlKind::ScrollBar) ScrollBarMouseMove(window, lParam);
        if (kind == ControlKind::Tab) TabMouseMove(window, lParam);
        if (kind == ControlKind::CommandButton) ButtonMouseMove(window);
    });
}

LRESULT OnLButtonDown(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (GetControlKind(window) == ControlKind::ScrollBar) return PressScrollBarControl(previous, window, message, wParam, lParam);
    return PassThen(previous, window, message, wParam, lParam, [&](ControlKind kind) {
        if (kind == ControlKind::Header) HeaderPress(window, lParam);
        if (kind == ControlKind::CommandButton) ButtonPress(window);
    });
}

LRESULT OnLButtonUp(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The control's click action runs inside the previous procedure, before the look changes.
    return PassThen(previous, window, message, wParam, lParam, [&](ControlKind kind) {
        if (kind == ControlKind::Header) HeaderRelease(window);
        if (kind == ControlKind::CommandButton) ButtonRelease(window);
    });
}

LRESULT OnLButtonDblClk(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam)
{
    if (GetControlKind(window) == ControlKind::ScrollBar) return PressScrollBarControl(previous, window, message, wParam, lParam);
    return PassThen(previous, window, message, wParam, lParam, [&](ControlKind kind) {
        if (kind == ControlKind::Header) HeaderPress(window, lParam);
        if (kind == ControlKind::CommandButton) ButtonPress(window);
    });
}

LRESULT OnMouseLeave(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PassThen(previous, window, message, wParam, lParam, [&](ControlKind kind) {
        if (kind == ControlKind::Header) HeaderMouseLeave(window);
        if (kind == ControlKind::ScrollBar) ScrollBarMouseLeave(window);
        if (kind == ControlKind::Tab) TabMouseLeave(window);
        if (kind == ControlKind::CommandButton) ButtonMouseLeave(window);
    });
}

BOOL CALLBACK RefreshCheckOptionMarks(HWND window, LPARAM)
{
    RefreshCheckOptionMark(window);
    return TRUE;
}

}  // namespace skin
