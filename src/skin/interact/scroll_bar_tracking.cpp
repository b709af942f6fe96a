#include "skin/interact/scroll_bar_tracking.h"

#include "skin/core/control_kind.h"
#include "skin/core/window_props.h"
#include "skin/draw/primitives.h"
#include "skin/interact/pointer_tracking.h"
#include "skin/paint/scroll_bar_painters.h"

namespace skin {
namespace {

void ShowParts(HWND bar, const char* which, INT_PTR part)
{
    if (ChangeSkinProp(bar, which, part)) PaintScrollBarNow(bar);
}

INT_PTR PartOfRequest(WORD request)
{
    switch (request) {
    case SB_LINEUP: return scroll_part::FirstArrow;
    case SB_LINEDOWN: return scroll_part::LastArrow;
    case SB_PAGEUP: return scroll_part::PageBefore;
    case SB_PAGEDOWN: return scroll_part::PageAfter;
    case SB_THUMBTRACK: return scroll_part::Thumb;
    default: return scroll_part::None;
    }
}

}  // namespace

void ScrollBarMouseMove(HWND bar, LPARAM lParam)
{
    EnterControl(bar);
    const POINT point{SignedLoWord(lParam), SignedHiWord(lParam)};
    ShowParts(bar, prop::HmIndex, ScrollBarPartAt(ScrollBarControlLayout(bar), point));
}

void ScrollBarMouseLeave(HWND bar)
{
    SetSkinProp(bar, prop::MouseFlag, 0);
    ShowParts(bar, prop::HmIndex, scroll_part::None);
}

void ScrollBarReleased(HWND bar)
{
    ShowParts(bar, prop::HdIndex, scroll_part::None);
}

LRESULT OnScroll(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    const auto bar = reinterpret_cast<HWND>(lParam);
    // Keys and programs scroll too; only a press of the mouse holds a part down.
    if (!bar || GetCapture() != bar || !GetSkinProp(bar, prop::ProcAddr)) return result;
    if (GetControlKind(bar) != ControlKind::ScrollBar) return result;
    // The control has just drawn itself its own way (the moved thumb, the arrow held) and may draw
    // again once the notification returns: the skin draws over it now and once more when its
    // tracking loop next finds the queue empty.
    SetSkinProp(bar, prop::HdIndex, PartOfRequest(LOWORD(wParam)));
    PaintScrollBarNow(bar);
    InvalidateRect(bar, nullptr, FALSE);
    return result;
}

}  // namespace skin
