// Form1 against the scripted browser: the window, its layout in twips and pixels, and what a
// completed document does to it. The X server runs at 96 DPI: 15 twips to the pixel.
#include <doctest.h>

#include <tuple>

#include "app/right_key.h"
#include "app/twips.h"
#include "launcher_fixture.h"

using test::Text;

namespace {

RECT Rect(int left, int top, int width, int height)
{
    return {left, top, left + width, top + height};
}

// The browser over the outer size; the buttons Width - 2000 and Width - 1100 twips from the left.
void CheckLayout(const test::Launcher& l, bool buttonsShown)
{
    RECT outer{};
    GetWindowRect(l.hwnd(), &outer);
    const int w = outer.right - outer.left;
    REQUIRE_FALSE(l.browser->placements.empty());
    CHECK(Text(l.browser->placements.back()) == Text(Rect(0, 0, w, outer.bottom - outer.top)));
    CHECK(Text(test::RectInParent(l.form.Command1())) == Text(Rect(w - 133, 3, 49, 19)));
    CHECK(Text(test::RectInParent(l.form.Command2())) == Text(Rect(w - 73, 3, 60, 19)));
    CHECK(bool(IsWindowVisible(l.form.Command1())) == buttonsShown);
    CHECK(bool(IsWindowVisible(l.form.Command2())) == buttonsShown);
}

}  // namespace

TEST_CASE("Form1 from start-up to close: controls, layout on every size change, hooks, browser")
{
    test::ScriptedBrowser::live = 0;
    test::Launcher l;
    // Created in their stored order, the buttons above the browser.
    CHECK(test::ChildrenInZOrder(l.hwnd()) ==
          std::vector<HWND>{l.form.Command2(), l.form.Command1(), l.browser->Window()});
    CHECK(l.browser->navigations == std::vector<std::wstring>{test::LoginUrl});
    CHECK((app::RightKey::MouseHook && app::RightKey::KeyboardHook));
    CheckLayout(l, false);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    REQUIRE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    for (HWND button : {l.form.Command1(), l.form.Command2()}) {
        LOGFONTW used{};
        REQUIRE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)), sizeof used, &used));
        CHECK(std::wstring(used.lfFaceName) == metrics.lfMessageFont.lfFaceName);
        CHECK(used.lfHeight == metrics.lfMessageFont.lfHeight);
    }

    struct Row { const char* what; int show, width; };  // a show command, or else a new width
    // Narrower than 2000 twips (133 pixels) the left edges are negative, applied as they are.
    const Row rows[] = {{"resize", 0, 700}, {"maximize", SW_MAXIMIZE, 0}, {"restore", SW_RESTORE, 0},
                        {"narrow", 0, 120}, {"minimize", SW_MINIMIZE, 0}};
    for (const Row& row : rows) {
        INFO(std::string(row.what));
        const auto placed = l.browser->placements.size();
        if (row.show) ShowWindow(l.hwnd(), row.show);
        else SetWindowPos(l.hwnd(), nullptr, 0, 0, row.width, 300, SWP_NOMOVE | SWP_NOZORDER);
        CHECK(l.browser->placements.size() > placed);
        if (row.width) CHECK(test::RectInParent(l.form.Command1()).left == row.width - 133);
        CheckLayout(l, false);
    }
    CHECK(l.errors.messages.empty());

    const HWND hwnd = l.hwnd();
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    CHECK_FALSE(IsWindow(hwnd));
    CHECK((!app::RightKey::MouseHook && !app::RightKey::KeyboardHook));
    CHECK(test::ScriptedBrowser::live == 0);
    MSG quit{};
    CHECK((PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && quit.wParam == 0));
}

TEST_CASE("twips become the nearest pixel, halves to the even one; sizes apart from positions")
{
    CHECK(app::TwipsToPixels(337.5f, 15.0f) == 22);
    CHECK(app::TwipsToPixels(352.5f, 15.0f) == 24);
    CHECK(app::TwipsToPixels(-217.5f, 15.0f) == -14);
    // At 120 DPI (12 twips to the pixel) a right edge rounded on its own would widen these.
    for (float left : {-2000.0f, 6.0f, 7.5f, 10806.0f}) {
        const RECT r = app::TwipsToPixels({left, 50.0f, 735.0f, 280.0f}, app::TwipScale{12.0f, 12.0f});
        CHECK(Text(r) == Text(Rect(r.left, 4, 61, 23)));
    }
}

TEST_CASE("a completed document drives caption, maximize and buttons")
{
    constexpr wchar_t Start[] = L"Velmora登入器", Hall[] = L"http://portal.test/hall.php";
    struct Row {
        const char* what;
        const wchar_t *url, *title, *caption;
        bool portal;
        const wchar_t* failing = L"";     // the browser call that throws
        const wchar_t* source = nullptr;  // Name of the completing browser object; null: the control's
    };
    const Row rows[] = {
        {"plain title", test::LoginUrl, L"登录 - Velmora", L"登录 - Velmora", false},
        {"http:// title", test::LoginUrl, L"http://portal.test/dlq_login.php", Start, false},
        {"http:// inside", test::LoginUrl, L"见 http://x", Start, false},
        {"HTTP:// in capitals", test::LoginUrl, L"HTTP://PORTAL.TEST", L"HTTP://PORTAL.TEST", false},
        {"http:// title elsewhere", Hall, L"http://portal.test/hall.php", Start, true},
        {"query", L"http://portal.test/dlq_login.php?from=game", L"大厅", L"大厅", true},
        {"trailing /", L"http://portal.test/dlq_login.php/", L"大厅", L"大厅", true},
        {"trailing blank", L"http://portal.test/dlq_login.php ", L"大厅", L"大厅", true},
        {"path case", L"http://portal.test/DLQ_login.php", L"大厅", L"大厅", true},
        {"another page", Hall, L"大厅", L"大厅", true},
        {"frame, other Name", Hall, L"大厅", Start, false, L"", L"frame-ad"},
        {"frame, same Name", Hall, L"大厅", L"大厅", true, L"", L"Microsoft Web Browser Control"},
        {"Name fails", Hall, L"大厅", Start, false, L"Name"},
        {"LocationName fails", Hall, L"大厅", Start, false, L"LocationName"},
        {"LocationURL fails", Hall, L"大厅", L"大厅", false, L"LocationURL"},
    };
    for (const Row& row : rows) {
        INFO(std::string(row.what), ": ", test::Narrow(row.url), " | ", test::Narrow(row.title));
        test::Launcher l;
        l.browser->url = row.url;
        l.browser->title = row.title;
        l.browser->failing = row.failing;
        l.browser->Complete(row.source ? row.source : l.browser->name);
        CHECK(test::Read(GetWindowTextW, l.hwnd()) == row.caption);
        CHECK(bool(IsZoomed(l.hwnd())) == row.portal);
        CheckLayout(l, row.portal);
        CHECK(l.errors.messages.size() == (*row.failing ? 1u : 0u));
        if (*row.failing) CHECK(l.Reported(std::wstring(row.failing) + L" 失败"));

        // The program goes on; the portal look stays, even on the login page.
        l.browser->failing.clear();
        l.browser->Load(test::LoginUrl, L"登录");
        CHECK(test::Read(GetWindowTextW, l.hwnd()) == L"登录");
        CHECK(bool(IsZoomed(l.hwnd())) == row.portal);
        CheckLayout(l, row.portal);
    }
}

TEST_CASE("the portal look is one way: more pages, and a restore by the player")
{
    test::Launcher l;
    const std::tuple<const wchar_t*, bool, bool> steps[] = {  // address, restored first, maximized after
        {L"http://portal.test/hall.php", false, true}, {L"http://portal.test/game.php?id=1", false, true},
        {test::LoginUrl, true, false}, {L"http://portal.test/hall.php", false, true}};
    for (auto [url, restore, maximized] : steps) {
        INFO(test::Narrow(url), std::string(restore ? " after a restore" : ""));
        if (restore) ShowWindow(l.hwnd(), SW_RESTORE);
        l.browser->Load(url, L"页");
        CHECK(bool(IsZoomed(l.hwnd())) == maximized);
        CheckLayout(l, true);
    }
}

TEST_CASE("刷新 navigates to exactly the address the browser reports")
{
    test::Launcher l;
    const wchar_t address[] = L"http://portal.test/game.php?sid=7&lang=zh-CN#lobby";
    l.browser->Load(address, L"游戏");
    SendMessageW(l.form.Command1(), BM_CLICK, 0, 0);
    CHECK(l.browser->navigations == std::vector<std::wstring>{test::LoginUrl, address});
    CHECK(l.starter.lines.empty());
    l.browser->failing = L"Navigate";
    SendMessageW(l.form.Command1(), BM_CLICK, 0, 0);
    CHECK(l.Reported(L"Navigate 失败"));
}

TEST_CASE("a factory that makes no browser ends the start-up, and says why")
{
    test::RecordingErrors errors;
    auto none = [](HWND, const RECT&, app::BrowserEvents&) { return std::unique_ptr<app::Browser>(); };
    app::Form1 form({test::LoginUrl, none, nullptr, &errors});
    CHECK_FALSE(form.Create(GetModuleHandleW(nullptr)));
    CHECK(form.Hwnd() == nullptr);
    CHECK(errors.messages == std::vector<std::wstring>{L"无法创建网页浏览器控件。\n程序将继续运行。"});
    CHECK(app::RightKey::MouseHook == nullptr);
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}
