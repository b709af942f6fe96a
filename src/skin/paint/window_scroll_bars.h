#pragma once
// The standard scroll bars of skinned windows, in the look of the skinned ScrollBar control.
// The system draws those bars outside any message (when a control calls SetScrollInfo on itself,
// while it tracks the mouse), but only for a window whose style holds WS_VSCROLL or WS_HSCROLL.
// So the skin takes the bars over: it keeps those bits off, records which bars the window shows,
// makes their room in WM_NCCALCSIZE and draws them itself. The scroll information stays the
// window's own: every picture is drawn from GetScrollInfo.
#include <windows.h>

#include "skin/core/handler.h"
#include "skin/paint/scroll_bar_look.h"

namespace skin {

inline constexpr INT_PTR VerticalBar = 1, HorizontalBar = 2;

// A bar as it stands: where (window coordinates) and its parts along it.
struct WindowBar {
    int bar = SB_VERT;  // SB_VERT or SB_HORZ
    RECT rect{};
    ScrollBarLayout layout;
};

// Whether the window has scroll information at all, without a property read: a window that never
// had a scroll bar has none.
bool MayHaveScrollBars(HWND window);

// SBHOT and SBHELD name a part of a bar as the bar's bit (VerticalBar, HorizontalBar) times 8 plus
// the part; 0 for none.
INT_PTR PartCode(int bar, INT_PTR part);
// The bar whose thumb the skin is dragging: SB_VERT or SB_HORZ, SB_CTL for a ScrollBar control
// (which holds no SBHELD), -1 while none is.
int DraggedBar(HWND window);

// The bar the skin draws for the window, if it draws that one and there is room for it.
bool FindWindowBar(HWND window, int bar, WindowBar& found);

// The box between the two bars, when the skin draws both (window coordinates).
bool FindSizeBox(HWND window, RECT& box);
// Whether that box sizes the window, as in a sizable top-level window: it shows a grip then.
bool SizeBoxIsGrip(HWND window);

// The scroll position the system gives a thumb drawn at thumbStart (pixels from the bar's start).
int ThumbValue(HWND window, const WindowBar& bar, int thumbStart);

// The window's WS_VSCROLL and WS_HSCROLL become the skin's to draw; false if it has neither.
bool TakeScrollBars(HWND window);
// The bars go back to the system, in place, drawn by it at once.
void GiveBackScrollBars(HWND window);
// The skin stops drawing these bars (VerticalBar, HorizontalBar), as the system hides a bar: the
// frame is calculated without them.
void DropScrollBars(HWND window, INT_PTR gone);
// Changes the style with the window none the wiser, and the frame with it if asked; no bar is
// taken meanwhile.
void SetStyleQuietly(HWND window, LONG style, bool frameChanged = false);

void PaintWindowScrollBarsNow(HWND window);
// After anything that may have changed the scroll information: the bars redrawn if it did, and a
// bar that the change would have hidden taken away.
void SyncScrollBars(HWND window);

LRESULT OnNcCalcSize(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnStyleChange(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
