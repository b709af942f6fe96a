#include "skin/interact/window_scroll_tracking.h"

#include <algorithm>

#include "skin/core/window_props.h"
#include "skin/draw/primitives.h"
#include "skin/paint/scroll_bar_painters.h"
#include "skin/paint/window_scroll_bars.h"

namespace skin {
namespace {

// The repeat timer of a held arrow or page, on the window itself for as long as it is held.
inline constexpr UINT_PTR RepeatTimer = 0x5B5B;
inline constexpr UINT FirstDelay = 200, RepeatDelay = 50;

POINT InWindow(HWND window, POINT screen)
{
    RECT outer{};
    GetWindowRect(window, &outer);
    return {screen.x - outer.left, screen.y - outer.top};
}

// A bar of the window's own, or the ScrollBar control itself (SB_CTL), in window coordinates.
bool FindBar(HWND window, int bar, WindowBar& found)
{
    if (bar != SB_CTL) return FindWindowBar(window, bar, found);
    found.bar = SB_CTL;
    found.layout = ScrollBarControlLayout(window);
    found.rect = {0, 0, found.layout.width, found.layout.height};
    return true;
}

// The part of the bar at a point given in window coordinates; None off the bar.
INT_PTR PartAt(const WindowBar& bar, POINT point)
{
    return ScrollBarPartAt(bar.layout, {point.x - bar.rect.left, point.y - bar.rect.top});
}

// The bar at a point given in window coordinates, and the part of it there.
bool BarAt(HWND window, POINT point, WindowBar& found, INT_PTR& part)
{
    for (int bar : {SB_VERT, SB_HORZ}) {
        if (!FindWindowBar(window, bar, found) || !PtInRect(&found.rect, point)) continue;
        part = PartAt(found, point);
        return true;
    }
    return false;
}

WORD RequestOf(INT_PTR part)
{
    switch (part) {
    case scroll_part::FirstArrow: return SB_LINEUP;
    case scroll_part::PageBefore: return SB_PAGEUP;
    case scroll_part::PageAfter: return SB_PAGEDOWN;
    default: return SB_LINEDOWN;
    }
}

int Along(const WindowBar& bar, POINT point)
{
    return bar.layout.vertical ? point.y - bar.rect.top : point.x - bar.rect.left;
}

// Whether the pointer is near enough the bar to keep dragging its thumb, as the system measures it.
bool NearBar(const WindowBar& bar, POINT point)
{
    RECT reach = bar.rect;
    const int across = bar.layout.vertical ? bar.layout.width : bar.layout.height;
    if (bar.layout.vertical)
        InflateRect(&reach, across * 8, across * 2);
    else
        InflateRect(&reach, across * 2, across * 8);
    return PtInRect(&reach, point) != 0;
}

// A press on a bar, followed as the system follows it. A window's own bar asks the window itself
// to scroll; a ScrollBar control asks its parent, naming itself.
class Press {
public:
    Press(HWND window, const WindowBar& bar, INT_PTR part, POINT point)
        : window_(window), bar_(bar), part_(part), control_(bar.bar == SB_CTL),
          owner_(control_ ? GetParent(window) : window), message_(bar.layout.vertical ? WM_VSCROLL : WM_HSCROLL),
          clickAt_(Along(bar, point)), lastAt_(clickAt_), thumbAt_(bar.layout.thumbStart), point_(point)
    {
    }

    void Begin()
    {
        if (control_ && (GetWindowLongW(window_, GWL_STYLE) & WS_TABSTOP)) SetFocus(window_);
        SetCapture(window_);
        Hold(true);
        if (part_ == scroll_part::Thumb) {
            SetSkinProp(window_, prop::ScrollThumb, thumbAt_ + 1);
            Paint();
            NotifyThumb(SB_THUMBTRACK, thumbAt_);
        } else {
            Paint();
            Repeat(FirstDelay);
        }
    }

    // Mouse moves and the repeat timer while the button is down.
    void Follow(const MSG& msg)
    {
        if (msg.message == WM_MOUSEMOVE) {
            POINT client{SignedLoWord(msg.lParam), SignedHiWord(msg.lParam)};
            ClientToScreen(window_, &client);
            point_ = InWindow(window_, client);
        }
        if (part_ == scroll_part::Thumb) {
            if (msg.message == WM_MOUSEMOVE) DragThumb();
            return;
        }
        WindowBar now;
        const bool onPart = FindBar(window_, bar_.bar, now) && PartAt(now, point_) == part_;
        if (Hold(onPart)) Paint();
        if (!onPart) {
            KillTimer(window_, RepeatTimer);
            repeating_ = false;
        } else if (msg.message == WM_TIMER || !repeating_) {
            Repeat(RepeatDelay);
        }
    }

    void End()
    {
        KillTimer(window_, RepeatTimer);
        if (GetCapture() == window_) ReleaseCapture();
        if (!IsWindow(window_)) return;
        if (part_ == scroll_part::Thumb) NotifyThumb(SB_THUMBPOSITION, thumbAt_ + lastAt_ - clickAt_);
        Notify(SB_ENDSCROLL);
        RemoveSkinProp(window_, prop::ScrollThumb);
        RemoveSkinProp(window_, prop::ScrollTrack);
        Hold(false);
        Paint();
    }

    bool IsRepeatTimer(const MSG& msg) const
    {
        return msg.message == WM_TIMER && msg.hwnd == window_ && msg.wParam == RepeatTimer;
    }

private:
    void Notify(WPARAM request) { SendMessageW(owner_, message_, request, control_ ? reinterpret_cast<LPARAM>(window_) : 0); }

    // The owner may read the position from the request or as the track position.
    void NotifyThumb(WORD request, int thumbStart)
    {
        const int value = ThumbValue(window_, bar_, thumbStart);
        SetSkinProp(window_, prop::ScrollTrack, value);
        Notify(MAKEWPARAM(request, value));
    }

    // Shows the pressed part held (or not): the control's HDINDEX, or the window's SBHELD.
    bool Hold(bool held)
    {
        if (control_) return ChangeSkinProp(window_, prop::HdIndex, held ? part_ : scroll_part::None);
        return ChangeSkinProp(window_, prop::ScrollHeld, held ? PartCode(bar_.bar, part_) : 0);
    }

    void Paint()
    {
        if (control_)
            PaintScrollBarNow(window_);
        else
            PaintWindowScrollBarsNow(window_);
    }

    void Repeat(UINT delay)
    {
        Notify(RequestOf(part_));
        repeating_ = true;
        SetTimer(window_, RepeatTimer, delay, nullptr);
    }

    void DragThumb()
    {
        int at = clickAt_;
        if (NearBar(bar_, point_)) {
            const int length = bar_.layout.vertical ? bar_.layout.height : bar_.layout.width;
            at = std::min(std::max(Along(bar_, point_), 0), length);
        }
        if (at == lastAt_) return;
        lastAt_ = at;
        const int thumb = thumbAt_ + at - clickAt_;
        SetSkinProp(window_, prop::ScrollThumb, thumb + 1);
        NotifyThumb(SB_THUMBTRACK, thumb);
        Paint();
    }

    HWND window_;
    WindowBar bar_;
    INT_PTR part_;
    bool control_;
    HWND owner_;
    UINT message_;
    int clickAt_, lastAt_, thumbAt_;
    POINT point_;
    bool repeating_ = false;
};

// The system's own loop, with the skin's pictures: the window's other messages go on as usual.
void TrackPress(HWND window, const WindowBar& bar, INT_PTR part, POINT point)
{
    Press press(window, bar, part, point);
    press.Begin();
    MSG msg{};
    while (GetCapture() == window) {
        if (!GetMessageW(&msg, nullptr, 0, 0)) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (CallMsgFilterW(&msg, MSGF_SCROLLBAR)) continue;
        if (msg.hwnd == window && msg.message == WM_LBUTTONUP) break;
        if ((msg.hwnd == window && msg.message == WM_MOUSEMOVE) || press.IsRepeatTimer(msg)) {
            press.Follow(msg);
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        if (!IsWindow(window)) break;
    }
    press.End();
}

}  // namespace

LRESULT OnNcHitTest(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    // The bars lie outside the client area.
    if (result == HTCLIENT || result == HTTRANSPARENT || result == HTERROR || !MayHaveScrollBars(window)) return result;
    WindowBar bar;
    INT_PTR part = scroll_part::None;
    const POINT point = InWindow(window, {SignedLoWord(lParam), SignedHiWord(lParam)});
    if (BarAt(window, point, bar, part)) return bar.bar == SB_VERT ? HTVSCROLL : HTHSCROLL;
    // The size box of a sizable window sizes it from its corner, as the system's does.
    RECT box{};
    return FindSizeBox(window, box) && PtInRect(&box, point) && SizeBoxIsGrip(window) ? HTBOTTOMRIGHT : result;
}

LRESULT OnNcButtonDown(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    WindowBar bar;
    INT_PTR part = scroll_part::None;
    const POINT point = InWindow(window, {SignedLoWord(lParam), SignedHiWord(lParam)});
    if ((wParam != HTVSCROLL && wParam != HTHSCROLL) || !MayHaveScrollBars(window) || !BarAt(window, point, bar, part))
        return CallPrevious(previous, window, message, wParam, lParam);
    if (part != scroll_part::None) TrackPress(window, bar, part, point);
    return 0;
}

LRESULT PressScrollBarControl(WNDPROC previous, HWND bar, UINT message, WPARAM wParam, LPARAM lParam)
{
    // A size box or grip sizes the parent: the control's own business.
    if (GetWindowLongW(bar, GWL_STYLE) & (SBS_SIZEBOX | SBS_SIZEGRIP)) return CallPrevious(previous, bar, message, wParam, lParam);
    WindowBar found;
    FindBar(bar, SB_CTL, found);
    const POINT point{SignedLoWord(lParam), SignedHiWord(lParam)};
    const INT_PTR part = PartAt(found, point);
    if (part != scroll_part::None) TrackPress(bar, found, part, point);
    return 0;
}

LRESULT OnNcMouseMove(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    if (!MayHaveScrollBars(window)) return result;
    WindowBar bar;
    INT_PTR part = scroll_part::None;
    INT_PTR hot = 0;
    if (message == WM_NCMOUSEMOVE &&
        BarAt(window, InWindow(window, {SignedLoWord(lParam), SignedHiWord(lParam)}), bar, part)) {
        hot = PartCode(bar.bar, part);
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE | TME_NONCLIENT, window, 0};
        TrackMouseEvent(&leave);
    }
    if (ChangeSkinProp(window, prop::ScrollHot, hot)) PaintWindowScrollBarsNow(window);
    return result;
}

}  // namespace skin
