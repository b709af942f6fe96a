// The program's message loop with a browser that looks at keys first; a main window that cannot
// be made.
#include <doctest.h>

#include "app/message_loop.h"
#include "launcher_fixture.h"

namespace {

// Key messages in the order seen: 'b' the browser before dispatch or 'w' a window of its page,
// then message and key ("w258:97" is a window getting WM_CHAR 'a').
std::string g_seen;

void Saw(char who, UINT message, WPARAM key)
{
    g_seen += who + std::to_string(message) + ':' + std::to_string(key) + ' ';
}

LRESULT CALLBACK PageProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) Saw('w', msg, wp);
    return DefWindowProcW(w, msg, wp, lp);
}

// The browser control: its window with one inside (where a real page keeps the focus). It
// consumes Tab.
struct KeyBrowser final : app::Browser {
    test::Window page, inner;
    explicit KeyBrowser(HWND parent)
        : page(test::MakeChild(parent, test::RegisterClassOnce(L"KeyPage", PageProc), L"", 0, 0, 0, 300, 200)),
          inner(test::MakeChild(page, L"KeyPage", L"", 0, 10, 10, 100, 50)) {}
    void Navigate(const std::wstring&) override {}
    std::wstring LocationURL() override { return test::LoginUrl; }
    std::wstring LocationName() override { return {}; }
    std::wstring Name() override { return {}; }
    void Place(const RECT&) override {}
    HWND Window() override { return page; }
    bool TranslateAccelerator(MSG& m) override { Saw('b', m.message, m.wParam); return m.wParam == VK_TAB; }
};

LRESULT CALLBACK RefuseWindows(int code, WPARAM, LPARAM)
{
    return code == HCBT_CREATEWND;
}

}  // namespace

TEST_CASE("the loop: the browser sees the keys for its windows first; those it leaves arrive with their characters")
{
    test::RecordingErrors errors;
    KeyBrowser* browser = nullptr;
    app::Form1 form({test::LoginUrl, [&](HWND parent, const RECT&, app::BrowserEvents&) {
        return std::unique_ptr<app::Browser>(browser = new KeyBrowser(parent));
    }, nullptr, &errors});
    REQUIRE(form.Create(GetModuleHandleW(nullptr)));
    struct Row { HWND target; WPARAM key; LPARAM lParam; const char* seen; };
    const Row rows[] = {
        {browser->inner, 'A', 0x1E0001, "b256:65 w256:65 b258:97 w258:97 "},
        {browser->page, VK_TAB, 0x0F0001, "b256:9 "},
        {form.Command1(), VK_F5, 0x3F0001, ""},  // not the page's: no reload from the buttons
        {form.Hwnd(), VK_BACK, 0x0E0001, ""},
    };
    for (const Row& row : rows) {
        CAPTURE(row.key);
        g_seen.clear();
        PostMessageW(row.target, WM_KEYDOWN, row.key, row.lParam);
        PostQuitMessage(3);
        CHECK(app::RunMessageLoop(form) == 3);
        CHECK(g_seen == std::string(row.seen));
    }
    SendMessageW(form.Hwnd(), WM_CLOSE, 0, 0);
    MSG quit;  // the closed window's, not the next test's
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST_CASE("a main window the system refuses before its create handler runs is reported to the player")
{
    test::RecordingErrors errors;
    app::Form1 form({test::LoginUrl, {}, nullptr, &errors});
    const HHOOK refuse = SetWindowsHookExW(WH_CBT, RefuseWindows, nullptr, GetCurrentThreadId());
    CHECK_FALSE(form.Create(GetModuleHandleW(nullptr)));
    UnhookWindowsHookEx(refuse);
    REQUIRE(errors.messages.size() == 1);
    CHECK(errors.messages[0].rfind(L"无法创建主窗口。", 0) == 0);
}
