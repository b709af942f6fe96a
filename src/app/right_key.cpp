#include "app/right_key.h"

namespace app::RightKey {

HHOOK MouseHook = nullptr;
HHOOK KeyboardHook = nullptr;

LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    // Only the client-area press: release, double-click and title-bar presses pass, and every
    // code >= 0 is answered alike, so a message that is only being peeked at is dropped as well.
    if (code >= 0 && wParam == WM_RBUTTONDOWN) return 1;
    return CallNextHookEx(MouseHook, code, wParam, lParam);
}

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0 && wParam == VK_APPS) return 1;  // press and release, any repeat count
    return CallNextHookEx(KeyboardHook, code, wParam, lParam);
}

void InstallHooks(HINSTANCE instance, SetHookFunction setHook)
{
    const DWORD thread = GetCurrentThreadId();
    MouseHook = setHook(WH_MOUSE, MouseHookProc, instance, thread);
    KeyboardHook = setHook(WH_KEYBOARD, KeyboardHookProc, instance, thread);
}

void RemoveHooks(UnhookFunction unhook)
{
    if (MouseHook) {
        unhook(MouseHook);
        MouseHook = nullptr;
    }
    if (KeyboardHook) {
        unhook(KeyboardHook);
        KeyboardHook = nullptr;
    }
}

}  // namespace app::RightKey
