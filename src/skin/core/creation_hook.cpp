#include "skin/core/creation_hook.h"

#include "skin/core/chain_probe.h"
#include "skin/core/control_kind.h"
#include "skin/core/skinner.h"
#include "skin/core/window_props.h"

namespace skin {
namespace {

thread_local HHOOK t_creationHook = nullptr;
thread_local long t_hookCalls = 0;

// A child window about to be made inside a skinned container gets SkinWindowProc before it hears
// its first message, so that it is skinned when its creation returns (its kind's state follows at
// WM_CREATE: the window has to exist first) and the skin sits below whatever subclasses it later.
LRESULT CALLBACK CreationHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    ++t_hookCalls;
    const LRESULT result = CallNextHookEx(t_creationHook, code, wParam, lParam);
    if (code != HCBT_CREATEWND || result != 0) return result;  // another hook refused the window
    // CBT_CREATEWNDA and W lay out the style and the parent alike.
    const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
    const auto window = reinterpret_cast<HWND>(wParam);
    // The hooks installed before this one ran first: another copy of the skin (an older one skins
    // children of any window that carries PROCADDR) may have taken the window there.
    if ((create->style & WS_CHILD) && InsideSkinnedContainer(create->hwndParent) &&
        !GetSkinProp(window, prop::ProcAddr))
        SubclassWithSkin(window);
    return result;
}

}  // namespace

void StartCreationHook()
{
    if (!t_creationHook)
        t_creationHook = SetWindowsHookExW(WH_CBT, CreationHookProc, nullptr, GetCurrentThreadId());
}

void StopCreationHook()
{
    if (t_creationHook) UnhookWindowsHookEx(t_creationHook);
    t_creationHook = nullptr;
}

long CreationHookCalls()
{
    return t_hookCalls;
}

bool InsideSkinnedContainer(HWND window)
{
    for (HWND desktop = GetDesktopWindow(); window && window != desktop;
         window = GetAncestor(window, GA_PARENT)) {
        if (!GetSkinProp(window, prop::ProcAddr) || !IsContainer(window)) continue;
        return GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId() &&
               SkinProcInChain(window);
    }
    return false;
}

}  // namespace skin
