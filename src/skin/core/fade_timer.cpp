#include "skin/core/fade_timer.h"

#include "skin/core/window_props.h"

namespace skin {

UINT_PTR StartFadeTimer(HWND window)
{
    // A running timer keeps its rhythm; the caller's new state and level apply at its next tick.
    if (const INT_PTR running = GetSkinProp(window, prop::TimerId)) return running;
    const UINT_PTR id = SetTimer(window, FadeTimerId, FadeTimerPeriodMs, nullptr);
    SetSkinProp(window, prop::TimerId, static_cast<INT_PTR>(id));
    return id;
}

BOOL StopFadeTimer(HWND window)
{
    const INT_PTR running = GetSkinProp(window, prop::TimerId);
    if (!running) return 0;
    const BOOL result = KillTimer(window, static_cast<UINT_PTR>(running));
    SetSkinProp(window, prop::TimerId, 0);
    return result;
}

}  // namespace skin
