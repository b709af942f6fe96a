#include "skin/paint/scroll_bar_look.h"

#include <algorithm>

#include "skin/core/window_props.h"
#include "skin/draw/owners.h"
#include "skin/paint/button_faces.h"
#include "skin/draw/primitives.h"
#include "skin/paint/arrow_button.h"

namespace skin {
namespace {

// A stretch of the bar from start to end, as a rectangle across its whole width.
RECT Span(const ScrollBarLayout& layout, int start, int end)
{
    if (layout.vertical) return {0, start, layout.width, end};
    return {start, 0, end, layout.height};
}

INT_PTR StateOf(INT_PTR part, INT_PTR hot, INT_PTR pressed)
{
    if (part == pressed) return look::Pressed;
    return part == hot ? look::Hot : look::Normal;
}

}  // namespace

void DrawSkinScrollBar(HDC dc, int x, int y, const ScrollBarLayout& layout, INT_PTR hot, INT_PTR pressed,
                       const DpiScale& scale)
{
    const int w = layout.width, h = layout.height;
    const int length = layout.vertical ? h : w;
    if (w <= 0 || h <= 0) return;
    OwnedSurface surface(CreateSkinSurface(w, h));
    if (!surface) return;
    HDC s = surface.get();
    const bool enabled = layout.firstEnabled || layout.lastEnabled;

    FillSolidRect(s, 0, 0, w, h, ControlColor);
    // A page held down shows pale, as the system darkens it.
    auto fillSpan = [&](int start, int end, Rgb color) {
        const RECT r = Span(layout, start, end);
        if (r.right > r.left && r.bottom > r.top) FillSolidRect(s, r.left, r.top, r.right - r.left, r.bottom - r.top, color);
    };
    const bool hasThumb = layout.thumbEnd > layout.thumbStart;
    if (pressed == scroll_part::PageBefore && hasThumb) fillSpan(layout.arrow, layout.thumbStart, DisabledFrameColor);
    if (pressed == scroll_part::PageAfter && hasThumb) fillSpan(layout.thumbEnd, length - layout.arrow, DisabledFrameColor);
    FrameSolidRect(s, 0, 0, w, h, enabled ? Rgb{DisabledFrameColor} : Rgb{ControlColor}, scale(1));

    const RECT first = Span(layout, 0, layout.arrow), last = Span(layout, length - layout.arrow, length);
    DrawArrowButton(s, first.left, first.top, first.right - first.left, first.bottom - first.top,
                    layout.firstEnabled ? StateOf(scroll_part::FirstArrow, hot, pressed) : look::Normal,
                    layout.firstEnabled, layout.vertical ? Arrow::Up : Arrow::Left, scale);
    DrawArrowButton(s, last.left, last.top, last.right - last.left, last.bottom - last.top,
                    layout.lastEnabled ? StateOf(scroll_part::LastArrow, hot, pressed) : look::Normal,
                    layout.lastEnabled, layout.vertical ? Arrow::Down : Arrow::Right, scale);
    if (hasThumb) {
        const RECT t = Span(layout, layout.thumbStart, layout.thumbEnd);
        DrawFaceCell(s, t, StateOf(scroll_part::Thumb, hot, pressed), scale.dpi);
    }
    BitBlt(dc, x, y, w, h, s, 0, 0, SRCCOPY);
}

void MeasureScrollBar(ScrollBarLayout& layout, const SCROLLBARINFO& info, bool enabled, INT_PTR dragged)
{
    constexpr int MinTrack = 4;
    layout.firstEnabled = enabled && !(info.rgstate[1] & STATE_SYSTEM_UNAVAILABLE);
    layout.lastEnabled = enabled && !(info.rgstate[5] & STATE_SYSTEM_UNAVAILABLE);
    const int length = layout.vertical ? layout.height : layout.width;
    const int metric = GetSystemMetrics(SM_CXVSCROLL);
    if (length <= 2 * metric + MinTrack) {
        layout.arrow = length > MinTrack ? (length - MinTrack) / 2 : 0;
        return;
    }
    layout.arrow = metric;
    const int thumb = info.xyThumbBottom - info.xyThumbTop;
    if (thumb <= 0 || (!layout.firstEnabled && !layout.lastEnabled)) return;
    layout.thumbStart = info.xyThumbTop;
    if (dragged) layout.thumbStart = std::clamp(static_cast<int>(dragged) - 1, metric, length - metric - thumb);
    layout.thumbEnd = layout.thumbStart + thumb;
}

INT_PTR ScrollBarPartAt(const ScrollBarLayout& layout, POINT point)
{
    if (point.x < 0 || point.y < 0 || point.x >= layout.width || point.y >= layout.height) return scroll_part::None;
    const int along = layout.vertical ? point.y : point.x;
    const int length = layout.vertical ? layout.height : layout.width;
    if (along < layout.arrow) return scroll_part::FirstArrow;
    if (along >= length - layout.arrow) return scroll_part::LastArrow;
    if (layout.thumbEnd <= layout.thumbStart) return scroll_part::None;
    if (along < layout.thumbStart) return scroll_part::PageBefore;
    return along < layout.thumbEnd ? scroll_part::Thumb : scroll_part::PageAfter;
}

}  // namespace skin
