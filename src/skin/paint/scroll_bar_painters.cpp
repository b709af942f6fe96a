#include "skin/paint/scroll_bar_painters.h"

#include "skin/core/control_kind.h"
#include "skin/core/window_props.h"
#include "skin/draw/gdi_objects.h"

namespace skin {

ScrollBarLayout ScrollBarControlLayout(HWND bar)
{
    ScrollBarLayout layout;
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    RECT window{};
    if (!GetWindowRect(bar, &window) || !GetScrollBarInfo(bar, OBJID_CLIENT, &info)) return layout;
    layout.vertical = (GetWindowLongW(bar, GWL_STYLE) & SBS_VERT) != 0;
    layout.width = window.right - window.left;
    layout.height = window.bottom - window.top;
    MeasureScrollBar(layout, info, IsWindowEnabled(bar) != 0, GetSkinProp(bar, prop::ScrollThumb));
    // Nothing to scroll, or disabled: no thumb.
    if ((info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE)) || !IsWindowEnabled(bar))
        layout.thumbStart = layout.thumbEnd = 0;
    return layout;
}

namespace {

// A size box or grip of the scroll-bar class has no bar to draw: it stays the system's.
bool IsSizeBox(HWND bar)
{
    return (GetWindowLongW(bar, GWL_STYLE) & (SBS_SIZEBOX | SBS_SIZEGRIP)) != 0;
}

void DrawScrollBarControl(HWND bar, HDC dc)
{
    DrawSkinScrollBar(dc, 0, 0, ScrollBarControlLayout(bar), GetSkinProp(bar, prop::HmIndex),
                      GetSkinProp(bar, prop::HdIndex), ScaleFor(bar));
}

}  // namespace

void PaintScrollBarNow(HWND bar)
{
    if (!IsWindowVisible(bar) || IsSizeBox(bar)) return;
    HDC dc = gdi::GetWindowDC(bar);
    DrawScrollBarControl(bar, dc);
    gdi::ReleaseDC(bar, dc);
}

LRESULT PaintScrollBarWindow(WNDPROC previous, HWND bar, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsSizeBox(bar)) return CallPrevious(previous, bar, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(bar, &ps);
    DrawScrollBarControl(bar, dc);
    EndPaint(bar, &ps);
    return 0;
}

LRESULT OnScrollBarChange(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    if (GetControlKind(window) == ControlKind::ScrollBar) PaintScrollBarNow(window);
    return result;
}

}  // namespace skin
