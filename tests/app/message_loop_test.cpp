// The program's message loop with a browser that looks at keys first; a start-up that cannot make
// its window or its browser.
#include <doctest.h>

#include "app/message_loop.h"
#include "app/right_key.h"
#include "launcher_fixture.h"

namespace {

// A window inside the page (where a real page keeps the focus): adds the key messages it gets to
// the browser's record ("w258:97" is WM_CHAR 'a').
LRESULT CALLBACK PageProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) test::ScriptedBrowser::keys += 'w' + std::to_string(msg) + ':' + std::to_string(wp) + ' ';
    return DefWindowProcW(w, msg, wp, lp);
}

LRESULT CALLBACK RefuseWindows(int code, WPARAM, LPARAM)
{
    return code == HCBT_CREATEWND;
}

}  // namespace

TEST_CASE("the loop: the browser sees the keys for its windows first; those it leaves arrive with their characters")
{
    test::Launcher l;
    test::Window inner(test::MakeChild(l.browser->page, test::RegisterClassOnce(L"KeyPage", PageProc), L"", 0, 10, 10, 100, 50));
    struct Row { HWND target; WPARAM key; LPARAM lParam; const char* seen; };
    const Row rows[] = {
        {inner, 'A', 0x1E0001, "b256:65 w256:65 b258:97 w258:97 "},
        {l.browser->page, VK_TAB, 0x0F0001, "b256:9 "},
        {l.form.Command1(), VK_F5, 0x3F0001, ""},  // not the page's: no reload from the buttons
        {l.hwnd(), VK_BACK, 0x0E0001, ""},
    };
    for (const Row& row : rows) {
        CAPTURE(row.key);
        test::ScriptedBrowser::keys.clear();
        PostMessageW(row.target, WM_KEYDOWN, row.key, row.lParam);
        PostQuitMessage(3);
        CHECK(app::RunMessageLoop(l.form) == 3);
        CHECK(test::ScriptedBrowser::keys == std::string(row.seen));
    }
}

TEST_CASE("a start-up refused by the system before the create handler runs, or by a factory that makes no browser, ends and says why")
{
    const HHOOK refuse = SetWindowsHookExW(WH_CBT, RefuseWindows, nullptr, GetCurrentThreadId());
    // What is said: the refusal with the system's code after it; the factory's failure exactly.
    for (const auto& [said, whole] : {std::pair<std::wstring, bool>{L"无法创建主窗口。", false}, {L"无法创建网页浏览器控件。\n程序将继续运行。", true}}) {
        test::RecordingErrors errors;
        app::Form1 form({test::LoginUrl, [](HWND, const RECT&, app::BrowserEvents&) { return std::unique_ptr<app::Browser>(); }, nullptr, &errors});
        CHECK((!form.Create(GetModuleHandleW(nullptr)) && form.Hwnd() == nullptr && app::RightKey::MouseHook == nullptr));
        if (!whole) UnhookWindowsHookEx(refuse);  // the factory's turn next
        REQUIRE(errors.messages.size() == 1);
        CHECK((whole ? errors.messages[0] == said : errors.messages[0].rfind(said, 0) == 0));
    }
    MSG quit;  // a creation that fails in its handler may have posted one on its way out
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}
