#include "skin/core/skin_window_proc.h"

#include "skin/core/activation.h"
#include "skin/core/chain_probe.h"
#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/interact/check_combo_tracking.h"
#include "skin/interact/default_button.h"
#include "skin/interact/interaction_handlers.h"
#include "skin/interact/scroll_bar_tracking.h"
#include "skin/interact/window_scroll_tracking.h"
#include "skin/paint/custom_draw.h"
#include "skin/paint/paint_handlers.h"
#include "skin/paint/scroll_bar_painters.h"
#include "skin/paint/window_colors.h"
#include "skin/paint/window_scroll_bars.h"

namespace skin {
namespace {

// The previous procedure handles the message first; the window it names (a dialog or menu
// entering its idle state) is then skinned if it is not yet.
LRESULT PassThenAttach(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    if (lParam) AttachSkin(reinterpret_cast<HWND>(lParam));
    return result;
}

// A drop-down list about to be drawn: coloured as the skin's windows are, then skinned.
LRESULT ColorThenAttach(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = OnCtlColor(previous, window, message, wParam, lParam);
    if (lParam) AttachSkin(reinterpret_cast<HWND>(lParam));
    return result;
}

LRESULT DestroyWindowSkin(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam)
{
    // The skin is gone before the window's own procedure sees WM_DESTROY.
    DetachWindow(window);
    return CallPrevious(previous, window, message, wParam, lParam);
}

// A class that puts a procedure of its own in place at its first messages (the start-up thunk of
// class libraries) cuts out the skin that was installed as the window was being made, unless that
// procedure calls the one it replaced: the skin goes back on top of it, or it would never hear of
// the window again (its WM_CREATE, WM_DESTROY, WM_NCDESTROY) and the window would stay counted.
void KeepInChain(HWND window)
{
    if (SkinProcOnTop(window) || !GetSkinProp(window, prop::ProcAddr) || SkinProcInChain(window))
        return;
    SetSkinProp(window, prop::NextProc, SubclassWithSkin(window));
}

// The first message of a window skinned as it was being made: it counts from here, as a creation
// that another hook refused never sends one.
LRESULT CountWhenMade(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CountSkinnedWindow(window, reinterpret_cast<INT_PTR>(previous));
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    KeepInChain(window);
    return result;
}

// A window skinned as it was being made: once its creation has succeeded it gets what attach
// gives its kind, unless the skin came off it meanwhile (a detach from inside the message). A
// failed creation gets no WM_DESTROY; its WM_NCDESTROY takes the skin off. A button with faces is
// set up already: other code sent WM_CREATE to a window skinned long ago.
LRESULT SetUpWhenCreated(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    if (result == -1) return result;
    KeepInChain(window);
    if (GetSkinProp(window, prop::ProcAddr) && !GetSkinProp(window, prop::FaceDc[0]))
        SetUpKindState(window);
    return result;
}

// Still skinned at the very end: WM_DESTROY never reached the skin (a procedure above it kept the
// message, or the window's creation failed, which sends no WM_DESTROY). The skin's state goes now.
LRESULT DetachAtNcDestroy(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam)
{
    DetachWindow(window);
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    LeaveChain(window);
    return result;
}

// A window the skin was detached from while another procedure sat on top of SkinWindowProc: every
// message goes on unchanged to the procedure below. Once nothing is above the skin any more, it
// leaves the chain; at WM_NCDESTROY, after the procedure below has had the message.
LRESULT PassThrough(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto next = reinterpret_cast<WNDPROC>(GetSkinProp(window, prop::NextProc));
    if (!next) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // Should other code have taken PROCADDR away, the rest of the skin's state is still here.
        RemoveKindState(window);
        const LRESULT result = CallPrevious(next, window, message, wParam, lParam);
        LeaveChain(window);
        return result;
    }
    if (SkinProcOnTop(window)) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(next));
        LeaveChain(window);
    }
    return CallPrevious(next, window, message, wParam, lParam);
}

// The system tells the top-level windows that a display setting changed; the skin reads the one it
// follows after the window has had the message.
LRESULT PassThenFollow(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    if (message != WM_SETTINGCHANGE || wParam == SPI_SETHIGHCONTRAST) FollowHighContrast();
    return result;
}

LRESULT ReleaseThenRefresh(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam)
{
    const LRESULT result = OnLButtonUp(previous, window, message, wParam, lParam);
    HWND parent = GetParent(window);
    EnumChildWindows(parent ? parent : window, RefreshCheckOptionMarks, 0);
    return result;
}

LRESULT PaintFrameAndScrollBars(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = OnNcPaint(previous, window, message, wParam, lParam);
    PaintWindowScrollBarsNow(window);
    return result;
}

// Messages after which a control may have changed its own scroll information (text, items, the
// wheel, its own control messages): the skin-drawn bars follow.
bool MayChangeScrolling(UINT message)
{
    switch (message) {
    case WM_SETTEXT:
    case WM_SETREDRAW:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CHAR:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO: return true;
    default:
        return (message >= EM_GETSEL && message <= EM_GETSEL + 0x4F) || (message >= LB_ADDSTRING && message <= LB_ADDSTRING + 0x3F) ||
               (message >= WM_USER && message < 0xC000);
    }
}

// The pointer over the frame and painting change no scroll information, and come often.
bool NeverScrolls(UINT message)
{
    switch (message) {
    case WM_NCHITTEST:
    case WM_NCMOUSEMOVE:
    case WM_NCMOUSELEAVE:
    case WM_NCPAINT:
    case WM_PAINT:
    case WM_ERASEBKGND: return true;
    default: return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
    }
}

}  // namespace

LRESULT CALLBACK SkinWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!window) return 0;
    if (IsChainProbe(message, wParam, lParam)) return AnswerChainProbe();
    const auto previous = reinterpret_cast<WNDPROC>(GetSkinProp(window, prop::ProcAddr));
    if (!previous) return PassThrough(window, message, wParam, lParam);

    MessageHandler look;
    switch (message) {
    // What keeps the record right, and the settings the skin follows, whatever the look.
    case WM_NCCREATE: return CountWhenMade(previous, window, message, wParam, lParam);
    case WM_CREATE: return SetUpWhenCreated(previous, window, message, wParam, lParam);
    case WM_DESTROY: return DestroyWindowSkin(previous, window, message, wParam, lParam);
    case WM_NCDESTROY: return DetachAtNcDestroy(previous, window, message, wParam, lParam);
    case WM_ACTIVATE: return OnActivate(previous, window, message, wParam, lParam);
    case WM_ENTERIDLE: return PassThenAttach(previous, window, message, wParam, lParam);
    case WM_CTLCOLORLISTBOX:
        // The drop-down list is attached whatever the look; its colours only in the skin's.
        if (SkinStepsAside()) return PassThenAttach(previous, window, message, wParam, lParam);
        return ColorThenAttach(previous, window, message, wParam, lParam);
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED: return PassThenFollow(previous, window, message, wParam, lParam);
    // The skin's own style changes, which the window is not told of, whatever the look.
    case WM_STYLECHANGING:
    case WM_STYLECHANGED: return OnStyleChange(previous, window, message, wParam, lParam);
    // What gives the window the skin's look.
    case WM_SIZE: look = OnSize; break;
    case WM_SETFOCUS: look = OnSetFocus; break;
    case WM_KILLFOCUS: look = OnKillFocus; break;
    case WM_ENABLE: look = OnEnable; break;
    case WM_PAINT: look = OnPaint; break;
    case WM_SETFONT: look = OnSetFont; break;
    case DpiChangedMessage:
    case DpiChangedAfterParentMessage: look = OnDpiChanged; break;
    case WM_WINDOWPOSCHANGING: look = OnWindowPosChanging; break;
    case WM_NCPAINT: look = PaintFrameAndScrollBars; break;
    case WM_NCCALCSIZE: look = OnNcCalcSize; break;
    case WM_NCHITTEST: look = OnNcHitTest; break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: look = OnNcButtonDown; break;
    case WM_NCMOUSEMOVE:
    case WM_NCMOUSELEAVE: look = OnNcMouseMove; break;
    case WM_GETDLGCODE: look = OnGetDlgCode; break;
    case BM_SETSTYLE: look = OnSetButtonStyle; break;
    case WM_KEYDOWN: look = OnKeyDown; break;
    case WM_KEYUP: look = OnKeyUp; break;
    case WM_COMMAND: look = OnCommand; break;
    case WM_TIMER: look = OnTimer; break;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT: look = OnCtlColor; break;
    case WM_ERASEBKGND: look = OnEraseBackground; break;
    case WM_MOUSEMOVE: look = OnMouseMove; break;
    case WM_LBUTTONDOWN: look = OnLButtonDown; break;
    case WM_LBUTTONUP: look = ReleaseThenRefresh; break;
    case WM_LBUTTONDBLCLK: look = OnLButtonDblClk; break;
    case WM_MOUSELEAVE: look = OnMouseLeave; break;
    case WM_NOTIFY: look = OnNotify; break;
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case SBM_ENABLE_ARROWS:
    case SBM_SETSCROLLINFO: look = OnScrollBarChange; break;
    default:
        if (!MayChangeScrolling(message)) return CallPrevious(previous, window, message, wParam, lParam);
        look = CallPrevious;
        break;
    }
    // Stepped aside (high contrast), the controls paint and track themselves.
    if (SkinStepsAside()) return CallPrevious(previous, window, message, wParam, lParam);
    const LRESULT result = look(previous, window, message, wParam, lParam);
    // The control may have scrolled; without scroll information there is nothing to follow.
    if (!NeverScrolls(message) && MayHaveScrollBars(window)) SyncScrollBars(window);
    return result;
}

}  // namespace skin
