#pragma once
// The skin's scroll bar: arrows as drop buttons, the thumb as a command button's face, the track
// flat in the skin's colours. Drawn from a layout, so that any scroll bar can show it: the
// ScrollBar control today, the scroll bars of other windows later.
#include <windows.h>

#include "skin/draw/dpi_scale.h"

namespace skin {

// The parts of a scroll bar, numbered as SCROLLBARINFO numbers their states.
namespace scroll_part {
inline constexpr INT_PTR None = 0;
inline constexpr INT_PTR FirstArrow = 1;
inline constexpr INT_PTR PageBefore = 2;
inline constexpr INT_PTR Thumb = 3;
inline constexpr INT_PTR PageAfter = 4;
inline constexpr INT_PTR LastArrow = 5;
}  // namespace scroll_part

struct ScrollBarLayout {
    int width = 0, height = 0;     // the bar, drawn from (0, 0)
    bool vertical = false;
    int arrow = 0;                 // length of each arrow button along the bar
    int thumbStart = 0, thumbEnd = 0;  // along the bar from its start; equal when there is none
    bool firstEnabled = true, lastEnabled = true;  // the arrows
};

// Arrows and thumb of a bar of the layout's size where the system measures them (GetScrollBarInfo,
// whose dxyLineButton is the thumb's length): each arrow enabled as the system says, and only in
// an enabled window; arrows as long as the bar is wide, shorter on a bar too short for two of them
// and a little track (no thumb then); the thumb where the pointer drags it while dragged holds its
// start plus one.
void MeasureScrollBar(ScrollBarLayout& layout, const SCROLLBARINFO& info, bool enabled, INT_PTR dragged);

// Draws the bar onto dc at (x, y): the hot part in its hot look, the pressed part pressed.
void DrawSkinScrollBar(HDC dc, int x, int y, const ScrollBarLayout& layout, INT_PTR hot, INT_PTR pressed,
                       const DpiScale& scale);

// The part at a point given from the bar's top-left; None outside it.
INT_PTR ScrollBarPartAt(const ScrollBarLayout& layout, POINT point);

}  // namespace skin
