// The program's message loop with a browser that looks at keys first, and a main window that
// cannot be made.
#include <doctest.h>

#include "app/message_loop.h"
#include "launcher_fixture.h"

namespace {

// Who saw which key message, in order: "b" the browser before dispatch, "p" a window of its
// page; then the message and the key in hex ("p102:61" is the page getting WM_CHAR 'a').
std::string g_seen;

void Saw(char who, UINT message, WPARAM key)
{
    char entry[32];
    std::snprintf(entry, sizeof entry, "%c%x:%x ", who, message, static_cast<unsigned>(key));
    g_seen += entry;
}

LRESULT CALLBACK PageProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) Saw('p', msg, wp);
    return DefWindowProcW(w, msg, wp, lp);
}

// The browser control as the loop meets it: its window with one inside (where a real page keeps
// the focus); it consumes the key it is told to.
struct KeyBrowser final : app::Browser {
    test::Window page, inner;
    WPARAM consumes = 0;
    explicit KeyBrowser(HWND parent)
        : page(test::MakeChild(parent, test::RegisterClassOnce(L"KeyPage", PageProc), L"", 0, 0, 0, 300, 200)),
          inner(test::MakeChild(page, L"KeyPage", L"", 0, 10, 10, 100, 50))
    {
    }
    void Navigate(const std::wstring&) override {}
    std::wstring LocationURL() override { return test::LoginUrl; }
    std::wstring LocationName() override { return {}; }
    std::wstring Name() override { return {}; }
    void Place(const RECT&) override {}
    HWND Window() override { return page; }
    bool TranslateAccelerator(MSG& m) override
    {
        Saw('b', m.message, m.wParam);
        return m.wParam == consumes;
    }
};

struct KeyLauncher {
    test::RecordingStarter starter;
    test::RecordingErrors errors;
    KeyBrowser* browser = nullptr;
    app::Form1 form{{test::LoginUrl,
                     [this](HWND parent, const RECT&, app::BrowserEvents&) {
                         browser = new KeyBrowser(parent);
                         return std::unique_ptr<app::Browser>(browser);
                     },
                     &starter, &errors}};
    KeyLauncher() { REQUIRE(form.Create(GetModuleHandleW(nullptr))); }
    ~KeyLauncher()
    {
        SendMessageW(form.Hwnd(), WM_CLOSE, 0, 0);
        MSG quit;  // the closed window's, not for the next test
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
};

LRESULT CALLBACK RefuseWindows(int code, WPARAM, LPARAM)
{
    return code == HCBT_CREATEWND;
}

}  // namespace

TEST_CASE("the browser looks only at keys for its own windows")
{
    KeyLauncher l;
    const std::pair<HWND, bool> targets[] = {{l.browser->inner, true}, {l.browser->page, true},
        {l.form.Command1(), false}, {l.form.Command2(), false}, {l.form.Hwnd(), false}};
    for (const auto& [target, seen] : targets) {
        g_seen.clear();
        MSG f5{target, WM_KEYDOWN, VK_F5, 0x3F0001, 0, {}};
        CHECK_FALSE(l.form.PreTranslateMessage(f5));
        CHECK(g_seen == std::string(seen ? "b100:74 " : ""));
    }
}

TEST_CASE("the loop: the browser first, then an unconsumed key reaches its window with its character")
{
    KeyLauncher l;
    struct Row { WPARAM key; LPARAM lParam; bool consumed; const char* seen; };
    const Row rows[] = {
        {'A', 0x1E0001, false, "b100:41 p100:41 b102:61 p102:61 "},
        {VK_TAB, 0x0F0001, true, "b100:9 "},
    };
    for (const Row& row : rows) {
        CAPTURE(row.key);
        g_seen.clear();
        l.browser->consumes = row.consumed ? row.key : 0;
        PostMessageW(l.browser->inner, WM_KEYDOWN, row.key, row.lParam);
        PostQuitMessage(3);
        CHECK(app::RunMessageLoop(l.form) == 3);
        CHECK(g_seen == row.seen);
    }
}

TEST_CASE("a main window the system refuses before its create handler runs is reported")
{
    test::RecordingErrors errors;
    app::Form1 form({test::LoginUrl, {}, nullptr, &errors});
    const HHOOK refuse = SetWindowsHookExW(WH_CBT, RefuseWindows, nullptr, GetCurrentThreadId());
    CHECK_FALSE(form.Create(GetModuleHandleW(nullptr)));
    UnhookWindowsHookEx(refuse);
    REQUIRE(errors.messages.size() == 1);
    CHECK(errors.messages[0].rfind(L"无法创建主窗口。", 0) == 0);
}
