#include "skin/interact/scroll_bar_tracking.h"

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

}  // namespace skin
