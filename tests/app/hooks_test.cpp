// RightKey's hooks with real input on the X server; the window records what reaches it, and the
// hook calls are recorded on their way to the system.
#include <doctest.h>

#include <algorithm>
#include <vector>

#include "app/right_key.h"
#include "support/test_window.h"

namespace {

// Mouse messages and button flags as they are; keys as Key(virtual key), releases as Up(virtual key).
constexpr UINT Key(WPARAM vk) { return 0x10000 | static_cast<UINT>(vk); }
constexpr UINT Up(WPARAM vk) { return 0x20000 | Key(vk); }
std::vector<UINT> reached;
std::vector<int> calls;  // the type of each hook installed for this thread; minus the type of each removed
bool mouseFails = false;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if ((message > WM_MOUSEMOVE && message <= WM_MOUSELAST) ||
        (message >= WM_NCLBUTTONDOWN && message <= WM_NCMBUTTONDBLCLK))
        reached.push_back(message);
    if (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP)
        reached.push_back(Key(wParam));
    // The default answers wait for the release or open the system menu in a modal loop.
    if (message == WM_NCRBUTTONDOWN || message == WM_CONTEXTMENU ||
        (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU))
        return 0;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HHOOK WINAPI SetHook(int type, HOOKPROC proc, HINSTANCE instance, DWORD thread)
{
    calls.push_back(thread == GetCurrentThreadId() ? type : 0);
    return type == WH_MOUSE && mouseFails ? nullptr : SetWindowsHookExW(type, proc, instance, thread);
}

BOOL WINAPI Unhook(HHOOK hook)
{
    calls.push_back(hook == app::RightKey::MouseHook      ? -WH_MOUSE
                    : hook == app::RightKey::KeyboardHook ? -WH_KEYBOARD
                                                          : 0);
    return UnhookWindowsHookEx(hook);
}

}  // namespace

TEST_CASE("RightKey discards right presses in client areas and the Applications key, nothing else")
{
    enum Hooks { None, Both, KeyboardOnly };  // KeyboardOnly: the mouse hook failed to install
    struct Row {
        const char* what;
        bool titleBar;
        Hooks hooks;
        std::vector<UINT> input, passed, discarded;
    };
    const UINT down = MOUSEEVENTF_RIGHTDOWN, up = MOUSEEVENTF_RIGHTUP;
    // Rows with right presses in the client area are kept apart: no two make a double-click.
    const Row rows[] = {
        {"right press", false, Both, {down, up}, {WM_RBUTTONUP}, {WM_RBUTTONDOWN}},
        {"left button", false, Both, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}, {WM_LBUTTONDOWN, WM_LBUTTONUP}, {}},
        {"right press on the title bar", true, Both, {down, up}, {WM_NCRBUTTONDOWN}, {}},
        {"right double-click", false, Both, {down, up, down, up}, {WM_RBUTTONDBLCLK}, {WM_RBUTTONDOWN}},
        {"Applications key, repeating", false, Both, {Key(VK_APPS), Key(VK_APPS), Up(VK_APPS)}, {}, {Key(VK_APPS)}},
        {"Shift+F10 and A", false, Both, {Key(VK_SHIFT), Key(VK_F10), Up(VK_F10), Up(VK_SHIFT), Key('A'), Up('A')},
         {Key(VK_SHIFT), Key(VK_F10), Key('A')}, {}},
        {"Applications key, unhooked", false, None, {Key(VK_APPS), Up(VK_APPS)}, {Key(VK_APPS)}, {}},
        {"no mouse hook", false, KeyboardOnly, {down, up, Key(VK_APPS), Up(VK_APPS)}, {WM_RBUTTONDOWN}, {Key(VK_APPS)}},
    };
    test::RegisterClassOnce(L"RightKeyTest", RecordingProc);
    test::Window window = test::MakeTopLevel(L"RightKeyTest", 100, 100, 300, 200, L"右键测试");
    SetForegroundWindow(window);
    SetFocus(window);
    REQUIRE(GetFocus() == window.get());
    for (const Row& row : rows) {
        INFO(std::string(row.what));
        calls.clear();
        mouseFails = row.hooks == KeyboardOnly;
        if (row.hooks != None) app::RightKey::InstallHooks(GetModuleHandleW(nullptr), SetHook);
        RECT frame{};
        GetWindowRect(window, &frame);
        POINT p{150, 100};
        ClientToScreen(window, &p);
        if (row.titleBar) p.y = frame.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
        SetCursorPos(p.x, p.y);
        test::Pump(100);
        reached.clear();
        std::vector<INPUT> input(row.input.size());
        for (size_t i = 0; i < input.size(); ++i) {
            const UINT v = row.input[i];
            input[i].type = (v & 0x10000) ? INPUT_KEYBOARD : INPUT_MOUSE;
            if (v & 0x10000) input[i].ki = {static_cast<WORD>(v), 0, (v & 0x20000) ? KEYEVENTF_KEYUP : 0u, 0, 0};
            else input[i].mi.dwFlags = v;
        }
        SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
        test::Pump(300);
        app::RightKey::RemoveHooks(Unhook);
        app::RightKey::RemoveHooks(Unhook);  // the second time there is nothing left
        for (UINT m : row.passed) CHECK_MESSAGE(std::count(reached.begin(), reached.end(), m) > 0, "missed ", m);
        for (UINT m : row.discarded) CHECK_MESSAGE(std::count(reached.begin(), reached.end(), m) == 0, "saw ", m);
        // Installed mouse first, removed mouse first; a handle of 0 is skipped.
        const std::vector<int> expected[] = {{}, {WH_MOUSE, WH_KEYBOARD, -WH_MOUSE, -WH_KEYBOARD},
                                             {WH_MOUSE, WH_KEYBOARD, -WH_KEYBOARD}};
        CHECK(calls == expected[row.hooks]);
        CHECK((!app::RightKey::MouseHook && !app::RightKey::KeyboardHook));
    }
}
