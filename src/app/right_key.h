#pragma once
// Keeps the player from opening context menus: two hooks on the launcher's window thread discard
// right-button presses in client areas and the Applications key, for every window of the thread
// (the launcher, its buttons, the browser's windows, dialog boxes).
#include <windows.h>

namespace app::RightKey {

// Handles of the installed hooks; 0 while none is installed.
extern HHOOK MouseHook;
extern HHOOK KeyboardHook;

LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam);

using SetHookFunction = HHOOK(WINAPI*)(int, HOOKPROC, HINSTANCE, DWORD);
using UnhookFunction = BOOL(WINAPI*)(HHOOK);

// Installs the mouse hook, then the keyboard hook, for the current thread. A hook that fails to
// install keeps its handle at 0; nothing is reported.
void InstallHooks(HINSTANCE instance, SetHookFunction setHook = SetWindowsHookExA);
// Removes the mouse hook, then the keyboard hook, skipping a handle of 0.
void RemoveHooks(UnhookFunction unhook = UnhookWindowsHookEx);

}  // namespace app::RightKey
