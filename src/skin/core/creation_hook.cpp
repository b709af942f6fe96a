#include "skin/core/creation_hook.h"

#include "skin/core/skinner.h"
#include "skin/core/window_props.h"

namespace skin {
namespace {

HHOOK g_creationHook = nullptr;

// A child window about to be made inside a skinned one gets SkinWindowProc before it hears its
// first message, so that it is skinned when its creation returns (its kind's state follows at
// WM_CREATE: the window has to exist first) and the skin sits below whatever subclasses it later.
LRESULT CALLBACK CreationHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallNextHookEx(g_creationHook, code, wParam, lParam);
    if (code != HCBT_CREATEWND || result != 0) return result;  // another hook refused the window
    // CBT_CREATEWNDA and W lay out the style and the parent alike.
    const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
    if ((create->style & WS_CHILD) && InsideSkin(create->hwndParent))
        InstallSkinProc(reinterpret_cast<HWND>(wParam));
    return result;
}

}  // namespace

void StartCreationHook()
{
    if (!g_creationHook)
        g_creationHook = SetWindowsHookExW(WH_CBT, CreationHookProc, nullptr, GetCurrentThreadId());
}

void StopCreationHook()
{
    if (g_creationHook) UnhookWindowsHookEx(g_creationHook);
    g_creationHook = nullptr;
}

bool InsideSkin(HWND window)
{
    for (HWND desktop = GetDesktopWindow(); window && window != desktop;
         window = GetAncestor(window, GA_PARENT))
        if (GetSkinProp(window, prop::ProcAddr)) return true;
    return false;
}

}  // namespace skin
