#include "skin/interact/tab_tracking.h"

#include <commctrl.h>

#include "skin/core/window_props.h"
#include "skin/draw/primitives.h"
#include "skin/interact/pointer_tracking.h"

namespace skin {
namespace {

void ShowHotTab(HWND tabs, INT_PTR index)
{
    if (ChangeSkinProp(tabs, prop::HmIndex, index)) InvalidateRect(tabs, nullptr, FALSE);
}

}  // namespace

void TabMouseMove(HWND tabs, LPARAM lParam)
{
    EnterControl(tabs);
    TCHITTESTINFO hit{{SignedLoWord(lParam), SignedHiWord(lParam)}, 0};
    ShowHotTab(tabs, SendMessageW(tabs, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

void TabMouseLeave(HWND tabs)
{
    SetSkinProp(tabs, prop::MouseFlag, 0);
    ShowHotTab(tabs, -1);
}

}  // namespace skin
