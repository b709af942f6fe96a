// RightKey's hooks with real input on the X server. A recording hook installed before them sits
// after them in the chain, so it sees exactly what they pass on; a recording window sees what
// reaches it.
#include <doctest.h>

#include <algorithm>
#include <vector>

#include "app/right_key.h"
#include "support/test_window.h"

namespace {

std::vector<WPARAM> mouseSeen;     // messages the mouse hooks after RightKey's were given
std::vector<WPARAM> keysSeen;      // virtual keys the keyboard hooks after RightKey's were given
std::vector<UINT> windowMessages;  // input messages that reached the window
std::vector<WPARAM> windowKeys;

LRESULT CALLBACK RecordMouse(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) mouseSeen.push_back(wParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK RecordKeys(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) keysSeen.push_back(wParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const bool mouse = (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && message != WM_MOUSEMOVE) ||
                       (message >= WM_NCLBUTTONDOWN && message <= WM_NCMBUTTONDBLCLK) ||
                       message == WM_CONTEXTMENU;
    if (mouse) windowMessages.push_back(message);
    if (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP) {
        windowMessages.push_back(message);
        windowKeys.push_back(wParam);
    }
    // The default answers open the system menu in a modal loop (title-bar click, F10).
    if (message == WM_CONTEXTMENU) return 0;
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU) return 0;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

template <class T, class V>
bool Has(const std::vector<T>& list, V value)
{
    return std::find(list.begin(), list.end(), static_cast<T>(value)) != list.end();
}

void Clear()
{
    test::Pump(100);
    mouseSeen.clear();
    keysSeen.clear();
    windowMessages.clear();
    windowKeys.clear();
}

void Send(std::vector<INPUT> inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    test::Pump(300);
}

void SendButtons(std::initializer_list<DWORD> flags)
{
    std::vector<INPUT> inputs;
    for (DWORD f : flags) {
        INPUT& in = inputs.emplace_back();
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = f;
    }
    Send(inputs);
}

void SendKeys(std::initializer_list<std::pair<WORD, bool>> keys)  // (key, released)
{
    std::vector<INPUT> inputs;
    for (auto [vk, up] : keys) {
        INPUT& in = inputs.emplace_back();
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    }
    Send(inputs);
}

struct HookedWindow {
    test::Window window;
    HHOOK recordMouse;
    HHOOK recordKeys;
    HookedWindow()
    {
        test::RegisterClassOnce(L"RightKeyTestWindow", RecordingProc);
        window = test::MakeTopLevel(L"RightKeyTestWindow", 100, 100, 300, 200, L"右键测试");
        SetForegroundWindow(window);
        SetFocus(window);
        recordMouse = SetWindowsHookExW(WH_MOUSE, RecordMouse, nullptr, GetCurrentThreadId());
        recordKeys = SetWindowsHookExW(WH_KEYBOARD, RecordKeys, nullptr, GetCurrentThreadId());
        app::RightKey::InstallHooks(GetModuleHandleW(nullptr));
        REQUIRE(app::RightKey::MouseHook != nullptr);
        REQUIRE(app::RightKey::KeyboardHook != nullptr);
        Clear();
    }
    ~HookedWindow()
    {
        app::RightKey::RemoveHooks();
        UnhookWindowsHookEx(recordMouse);
        UnhookWindowsHookEx(recordKeys);
    }
    void PointAtClient()
    {
        POINT p{150, 100};
        ClientToScreen(window, &p);
        SetCursorPos(p.x, p.y);
        test::Pump(100);
        Clear();
    }
    void PointAtTitleBar()
    {
        RECT r{};
        GetWindowRect(window, &r);
        SetCursorPos((r.left + r.right) / 2,
                     r.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2);
        test::Pump(100);
        Clear();
    }
};

}  // namespace

TEST_CASE("the mouse hook discards only right-button presses in client areas")
{
    HookedWindow w;

    SUBCASE("client-area press discarded, release passes")
    {
        w.PointAtClient();
        SendButtons({MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP});
        CHECK_FALSE(Has(mouseSeen, WM_RBUTTONDOWN));
        CHECK_FALSE(Has(windowMessages, WM_RBUTTONDOWN));
        CHECK(Has(mouseSeen, WM_RBUTTONUP));
        CHECK(Has(windowMessages, WM_RBUTTONUP));
    }
    SUBCASE("double-click passes")
    {
        w.PointAtClient();
        SendButtons({MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP});
        CHECK_FALSE(Has(mouseSeen, WM_RBUTTONDOWN));
        CHECK(Has(mouseSeen, WM_RBUTTONDBLCLK));
        CHECK(Has(windowMessages, WM_RBUTTONDBLCLK));
    }
    SUBCASE("a press on the title bar passes")
    {
        w.PointAtTitleBar();
        SendButtons({MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP});
        CHECK(Has(mouseSeen, WM_NCRBUTTONDOWN));
        CHECK(Has(windowMessages, WM_NCRBUTTONDOWN));
    }
    SUBCASE("left and middle buttons and movement pass")
    {
        w.PointAtClient();
        SendButtons({MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP});
        for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP}) {
            CHECK(Has(mouseSeen, m));
            CHECK(Has(windowMessages, m));
        }
        POINT p{20, 30};
        ClientToScreen(w.window, &p);
        SetCursorPos(p.x, p.y);
        test::Pump(200);
        CHECK(Has(mouseSeen, WM_MOUSEMOVE));
    }
    SUBCASE("once removed, presses pass again")
    {
        app::RightKey::RemoveHooks();
        w.PointAtClient();
        SendButtons({MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP});
        CHECK(Has(mouseSeen, WM_RBUTTONDOWN));
        CHECK(Has(windowMessages, WM_RBUTTONDOWN));
    }
}

TEST_CASE("the keyboard hook discards the Applications key, press and release")
{
    HookedWindow w;
    REQUIRE(GetFocus() == w.window.get());

    SUBCASE("Applications key, with repeats")
    {
        SendKeys({{VK_APPS, false}, {VK_APPS, false}, {VK_APPS, false}, {VK_APPS, true}});
        CHECK_FALSE(Has(keysSeen, VK_APPS));
        CHECK_FALSE(Has(windowKeys, VK_APPS));
    }
    SUBCASE("Shift+F10 and other keys pass")
    {
        SendKeys({{VK_SHIFT, false}, {VK_F10, false}, {VK_F10, true}, {VK_SHIFT, true}, {'A', false}, {'A', true}});
        for (WPARAM vk : {WPARAM{VK_SHIFT}, WPARAM{VK_F10}, WPARAM{'A'}}) {
            CHECK(Has(keysSeen, vk));
            CHECK(Has(windowKeys, vk));
        }
    }
    SUBCASE("once removed, the Applications key passes again")
    {
        app::RightKey::RemoveHooks();
        SendKeys({{VK_APPS, false}, {VK_APPS, true}});
        CHECK(Has(keysSeen, VK_APPS));
        CHECK(Has(windowKeys, VK_APPS));
    }
}

TEST_CASE("hook procedures answer every code >= 0 alike")
{
    // HC_NOREMOVE: the message is only being peeked at; it is discarded all the same.
    CHECK(app::RightKey::MouseHookProc(HC_NOREMOVE, WM_RBUTTONDOWN, 0) == 1);
    CHECK(app::RightKey::KeyboardHookProc(HC_NOREMOVE, VK_APPS, 0) == 1);
    // Negative codes go on to CallNextHookEx, which answers 0 outside a hook chain.
    CHECK(app::RightKey::MouseHookProc(-1, WM_RBUTTONDOWN, 0) == 0);
    CHECK(app::RightKey::KeyboardHookProc(-1, VK_APPS, 0) == 0);
}

namespace {

struct HookCall {
    int type;
    HINSTANCE instance;
    DWORD thread;
};
std::vector<HookCall> installs;
std::vector<HHOOK> removals;
bool failMouse = false;

HHOOK WINAPI RecordSetHook(int type, HOOKPROC, HINSTANCE instance, DWORD thread)
{
    installs.push_back({type, instance, thread});
    if (type == WH_MOUSE && failMouse) return nullptr;
    return reinterpret_cast<HHOOK>(static_cast<INT_PTR>(0x100 + type));
}

BOOL WINAPI RecordUnhook(HHOOK hook)
{
    removals.push_back(hook);
    return TRUE;
}

const HHOOK FakeMouse = reinterpret_cast<HHOOK>(INT_PTR{0x100 + WH_MOUSE});
const HHOOK FakeKeyboard = reinterpret_cast<HHOOK>(INT_PTR{0x100 + WH_KEYBOARD});

}  // namespace

TEST_CASE("hooks are installed mouse first for this thread and removed mouse first, skipping 0")
{
    installs.clear();
    removals.clear();
    HINSTANCE instance = GetModuleHandleW(nullptr);

    SUBCASE("both installed")
    {
        failMouse = false;
        app::RightKey::InstallHooks(instance, RecordSetHook);
        REQUIRE(installs.size() == 2);
        CHECK(installs[0].type == WH_MOUSE);
        CHECK(installs[1].type == WH_KEYBOARD);
        for (const HookCall& c : installs) {
            CHECK(c.instance == instance);
            CHECK(c.thread == GetCurrentThreadId());
        }
        app::RightKey::RemoveHooks(RecordUnhook);
        CHECK(removals == std::vector<HHOOK>{FakeMouse, FakeKeyboard});
    }
    SUBCASE("the mouse hook failed to install: only the keyboard hook is removed")
    {
        failMouse = true;
        app::RightKey::InstallHooks(instance, RecordSetHook);
        CHECK(app::RightKey::MouseHook == nullptr);
        CHECK(app::RightKey::KeyboardHook == FakeKeyboard);
        app::RightKey::RemoveHooks(RecordUnhook);
        CHECK(removals == std::vector<HHOOK>{FakeKeyboard});
    }
    CHECK(app::RightKey::MouseHook == nullptr);
    CHECK(app::RightKey::KeyboardHook == nullptr);

    SUBCASE("removing twice removes nothing more")
    {
        removals.clear();
        app::RightKey::RemoveHooks(RecordUnhook);
        CHECK(removals.empty());
    }
}
