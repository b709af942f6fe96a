#include "skin/paint/window_scroll_bars.h"

#include <algorithm>

#include "skin/core/control_kind.h"
#include "skin/core/window_props.h"
#include "skin/draw/gdi_objects.h"
#include "skin/draw/primitives.h"
#include "skin/paint/common_control_painters.h"

namespace skin {
namespace {

inline constexpr LONG BarStyles = WS_VSCROLL | WS_HSCROLL;

INT_PTR BarBit(int bar) { return bar == SB_VERT ? VerticalBar : HorizontalBar; }

// The client area in window coordinates.
RECT ClientInWindow(HWND window)
{
    RECT client{}, outer{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    GetWindowRect(window, &outer);
    OffsetRect(&client, -outer.left, -outer.top);
    return client;
}

int BarThickness(int bar) { return GetSystemMetrics(bar == SB_VERT ? SM_CXVSCROLL : SM_CYHSCROLL); }

// The system's word on a bar: it measures one whose style bit is off as well.
SCROLLBARINFO SystemBarInfo(HWND window, int bar)
{
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(window, bar == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL, &info);
    return info;
}

void LayOut(HWND window, WindowBar& found)
{
    ScrollBarLayout& layout = found.layout;
    layout.vertical = found.bar == SB_VERT;
    layout.width = found.rect.right - found.rect.left;
    layout.height = found.rect.bottom - found.rect.top;
    MeasureScrollBar(layout, SystemBarInfo(window, found.bar), IsWindowEnabled(window) != 0,
                     DraggedBar(window) == found.bar ? GetSkinProp(window, prop::ScrollThumb) : 0);
}

INT_PTR PartOf(HWND window, const char* which, int bar)
{
    const INT_PTR value = GetSkinProp(window, which);
    return value / 8 == BarBit(bar) ? value % 8 : scroll_part::None;
}

RECT SizeBoxOf(const WindowBar& vertical, const WindowBar& horizontal)
{
    return {vertical.rect.left, horizontal.rect.top, vertical.rect.right, horizontal.rect.bottom};
}

void PaintBars(HWND window, HDC dc)
{
    WindowBar bars[2];
    bool shown[2]{};
    for (int i = 0; i < 2; ++i) {
        shown[i] = FindWindowBar(window, i == 0 ? SB_VERT : SB_HORZ, bars[i]);
        if (!shown[i]) continue;
        const RECT& r = bars[i].rect;
        DrawSkinScrollBar(dc, r.left, r.top, bars[i].layout, PartOf(window, prop::ScrollHot, bars[i].bar),
                          PartOf(window, prop::ScrollHeld, bars[i].bar), ScaleFor(window));
    }
    if (!shown[0] || !shown[1]) return;
    // The size box between two bars: the track's colour, with a grip where it sizes the window.
    const RECT box = SizeBoxOf(bars[0], bars[1]);
    FillSolidRect(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, ControlColor);
    if (SizeBoxIsGrip(window)) DrawSizeGrip(dc, box, ScaleFor(window));
}

// A digest of what the bars show: both bars' scroll information and arrow states, and which bars.
INT_PTR ScrollDigest(HWND window, INT_PTR bars)
{
    std::uint32_t digest = 2166136261u ^ static_cast<std::uint32_t>(bars);
    auto mix = [&digest](int value) { digest = (digest ^ static_cast<std::uint32_t>(value)) * 16777619u; };
    for (int bar : {SB_VERT, SB_HORZ}) {
        SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(window, bar, &info);
        const SCROLLBARINFO state = SystemBarInfo(window, bar);
        for (int value : {info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos,
                          static_cast<int>(state.rgstate[1]), static_cast<int>(state.rgstate[5])})
            mix(value);
    }
    return static_cast<INT_PTR>(digest | 1);
}

// After a change to its scroll information the system hides a bar that has nothing left to scroll,
// unless the change asked to keep it disabled (both arrows unavailable then).
bool HideUnscrollable(HWND window, INT_PTR bars)
{
    INT_PTR kept = bars;
    for (int bar : {SB_VERT, SB_HORZ}) {
        if (!(bars & BarBit(bar))) continue;
        SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
        if (!GetScrollInfo(window, bar, &info)) continue;
        const SCROLLBARINFO state = SystemBarInfo(window, bar);
        const bool scrolls = info.nMin < info.nMax - std::max(static_cast<int>(info.nPage) - 1, 0);
        const bool keptDisabled = (state.rgstate[1] & state.rgstate[5] & STATE_SYSTEM_UNAVAILABLE) != 0;
        if (!scrolls && !keptDisabled) kept &= ~BarBit(bar);
    }
    if (kept == bars) return false;
    DropScrollBars(window, bars & ~kept);
    return true;
}

void ChangeFrame(HWND window)
{
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace

bool MayHaveScrollBars(HWND window)
{
    SCROLLINFO info{sizeof info, SIF_RANGE, 0, 0, 0, 0, 0};
    return GetScrollInfo(window, SB_VERT, &info) != 0;
}

INT_PTR PartCode(int bar, INT_PTR part)
{
    return part == scroll_part::None ? 0 : BarBit(bar) * 8 + part;
}

int DraggedBar(HWND window)
{
    if (!GetSkinProp(window, prop::ScrollThumb)) return -1;
    switch (GetSkinProp(window, prop::ScrollHeld) / 8) {
    case VerticalBar: return SB_VERT;
    case HorizontalBar: return SB_HORZ;
    default: return SB_CTL;
    }
}

bool FindSizeBox(HWND window, RECT& box)
{
    WindowBar vertical, horizontal;
    if (!FindWindowBar(window, SB_VERT, vertical) || !FindWindowBar(window, SB_HORZ, horizontal)) return false;
    box = SizeBoxOf(vertical, horizontal);
    return true;
}

bool SizeBoxIsGrip(HWND window)
{
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    return !(style & WS_CHILD) && (style & WS_THICKFRAME) && !IsZoomed(window) &&
           !(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR);
}

bool FindWindowBar(HWND window, int bar, WindowBar& found)
{
    const INT_PTR bars = GetSkinProp(window, prop::ScrollBars);
    if (!(bars & BarBit(bar))) return false;
    const RECT client = ClientInWindow(window);
    RECT outer{};
    GetWindowRect(window, &outer);
    found.bar = bar;
    if (bar == SB_VERT) {
        const int width = BarThickness(SB_VERT);
        const int left = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) ? client.left - width : client.right;
        found.rect = {left, client.top, left + width, client.bottom};
    } else {
        found.rect = {client.left, client.bottom, client.right, client.bottom + BarThickness(SB_HORZ)};
    }
    // A window too small for the bar has had no room made for it.
    if (found.rect.left < 0 || found.rect.right > outer.right - outer.left ||
        found.rect.bottom > outer.bottom - outer.top || IsRectEmpty(&found.rect))
        return false;
    LayOut(window, found);
    return true;
}

int ThumbValue(HWND window, const WindowBar& bar, int thumbStart)
{
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(window, bar.bar, &info)) return 0;
    const int metric = GetSystemMetrics(SM_CXVSCROLL);
    const int length = bar.layout.vertical ? bar.layout.height : bar.layout.width;
    const int room = length - 2 * metric - (bar.layout.thumbEnd - bar.layout.thumbStart);
    if (bar.layout.thumbEnd <= bar.layout.thumbStart || room <= 0) return info.nMin;
    const int along = std::min(std::max(0, thumbStart - metric), room);
    const int range = info.nPage ? info.nMax - info.nMin - static_cast<int>(info.nPage) + 1 : info.nMax - info.nMin;
    return info.nMin + MulDiv(along, range, room);
}

void SetStyleQuietly(HWND window, LONG style, bool frameChanged)
{
    SetSkinProp(window, prop::ScrollQuiet, 1);
    SetWindowLongW(window, GWL_STYLE, style);
    if (frameChanged) ChangeFrame(window);
    RemoveSkinProp(window, prop::ScrollQuiet);
}

bool TakeScrollBars(HWND window)
{
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    if (!(style & BarStyles) || GetControlKind(window) == ControlKind::ScrollBar) return false;
    const INT_PTR found = ((style & WS_VSCROLL) ? VerticalBar : 0) | ((style & WS_HSCROLL) ? HorizontalBar : 0);
    SetSkinProp(window, prop::ScrollBars, GetSkinProp(window, prop::ScrollBars) | found);
    SetStyleQuietly(window, style & ~BarStyles);
    return true;
}

void GiveBackScrollBars(HWND window)
{
    const INT_PTR bars = GetSkinProp(window, prop::ScrollBars);
    for (const char* name : {prop::ScrollBars, prop::ScrollState, prop::ScrollHot, prop::ScrollHeld, prop::ScrollThumb})
        RemoveSkinProp(window, name);
    if (!bars) return;
    // Same room, drawn by the system now.
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    SetStyleQuietly(window, style | ((bars & VerticalBar) ? WS_VSCROLL : 0) | ((bars & HorizontalBar) ? WS_HSCROLL : 0),
                    true);
}

void DropScrollBars(HWND window, INT_PTR gone)
{
    const INT_PTR bars = GetSkinProp(window, prop::ScrollBars);
    if (!(bars & gone)) return;
    SetSkinProp(window, prop::ScrollBars, bars & ~gone);
    ChangeFrame(window);
}

void PaintWindowScrollBarsNow(HWND window)
{
    if (!IsWindowVisible(window) || !GetSkinProp(window, prop::ScrollBars)) return;
    HDC dc = gdi::GetWindowDC(window);
    PaintBars(window, dc);
    gdi::ReleaseDC(window, dc);
}

void SyncScrollBars(HWND window)
{
    const INT_PTR bars = GetSkinProp(window, prop::ScrollBars);
    if (!bars) return;
    const INT_PTR before = GetSkinProp(window, prop::ScrollState), now = ScrollDigest(window, bars);
    if (before == now) return;
    SetSkinProp(window, prop::ScrollState, now);
    if (before && HideUnscrollable(window, bars)) return;
    PaintWindowScrollBarsNow(window);
}

LRESULT OnNcCalcSize(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // A frame change on a window whose style gained a bar: the system has just shown it (the first
    // calculation, while the window is made, is left alone: its procedure reads the style then).
    if (wParam && !GetSkinProp(window, prop::ScrollQuiet)) TakeScrollBars(window);
    const INT_PTR bars = GetSkinProp(window, prop::ScrollBars);
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    if (!bars || GetSkinProp(window, prop::ScrollQuiet)) return result;
    RECT& client = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : *reinterpret_cast<RECT*>(lParam);
    // The room the system makes for its own bars, where it makes it.
    const int width = BarThickness(SB_VERT), height = BarThickness(SB_HORZ);
    if ((bars & VerticalBar) && client.right - client.left >= width) {
        if (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR)
            client.left += width;
        else
            client.right -= width;
    }
    if ((bars & HorizontalBar) && client.bottom - client.top > height) client.bottom -= height;
    // The next change of scroll information is drawn whatever it is.
    RemoveSkinProp(window, prop::ScrollState);
    return result;
}

LRESULT OnStyleChange(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (wParam == static_cast<WPARAM>(GWL_STYLE) && GetSkinProp(window, prop::ScrollQuiet)) return 0;
    return CallPrevious(previous, window, message, wParam, lParam);
}

}  // namespace skin
