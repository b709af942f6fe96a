// Form1's window, controls and layout in twips and pixels. The X server runs at 96 DPI, so one
// pixel is 15 twips: client 12645 x 7740 twips = 843 x 516 pixels; buttons 3 pixels from the
// top, 49 x 19 ("刷新") and 60 x 19 ("删除缓存"); their left edges Width - 2000 and
// Width - 1100 twips, i.e. W - 133 and W - 73 pixels for an outer width of W pixels.
#include <doctest.h>

#include "app/form1_design.h"
#include "app/right_key.h"
#include "app/twips.h"
#include "launcher_fixture.h"

using test::Text;

namespace {

RECT Rect(int left, int top, int width, int height)
{
    return RECT{left, top, left + width, top + height};
}

std::wstring ClassOf(HWND w)
{
    wchar_t name[64]{};
    GetClassNameW(w, name, 64);
    return name;
}

std::wstring TextOf(HWND w)
{
    wchar_t text[64]{};
    GetWindowTextW(w, text, 64);
    return text;
}

// The browser fills the outer size; the buttons hang from the outer right edge.
void CheckLayout(const test::Launcher& l)
{
    const int w = l.OuterWidth();
    const int h = l.OuterHeight();
    REQUIRE_FALSE(l.browser->placements.empty());
    CHECK(Text(l.browser->placements.back()) == Text(Rect(0, 0, w, h)));
    CHECK(Text(test::RectInParent(l.form.Command1())) == Text(Rect(w - 133, 3, 49, 19)));
    CHECK(Text(test::RectInParent(l.form.Command2())) == Text(Rect(w - 73, 3, 60, 19)));
}

}  // namespace

TEST_CASE("Form1 after start-up")
{
    test::Launcher l;
    REQUIRE(l.form.Scale().x == 15.0f);
    REQUIRE(l.form.Scale().y == 15.0f);

    SUBCASE("one normal window of class Form with its caption and client size")
    {
        CHECK(ClassOf(l.hwnd()) == L"Form");
        CHECK(l.Caption() == L"Velmora登入器");
        CHECK(IsWindowVisible(l.hwnd()));
        CHECK_FALSE(IsZoomed(l.hwnd()));
        RECT client{};
        GetClientRect(l.hwnd(), &client);
        CHECK(client.right == 843);
        CHECK(client.bottom == 516);
    }

    SUBCASE("controls in their stored order, buttons above the browser")
    {
        CHECK(TextOf(l.form.Command1()) == L"刷新");
        CHECK(TextOf(l.form.Command2()) == L"删除缓存");
        CHECK(ClassOf(l.form.Command1()) == L"Button");
        const std::vector<HWND> buttonsFirst{l.form.Command2(), l.form.Command1()};
        CHECK(l.browser->siblingsAtCreation == buttonsFirst);
        const std::vector<HWND> zOrder{l.form.Command2(), l.form.Command1(), l.browser->Window()};
        CHECK(test::ChildrenInZOrder(l.hwnd()) == zOrder);
    }

    SUBCASE("buttons hidden, browser laid out and sent to the login page, hooks in place")
    {
        CHECK_FALSE(IsWindowVisible(l.form.Command1()));
        CHECK_FALSE(IsWindowVisible(l.form.Command2()));
        CHECK(l.browser->navigations == std::vector<std::wstring>{test::LoginUrl});
        CheckLayout(l);
        CHECK(app::RightKey::MouseHook != nullptr);
        CHECK(app::RightKey::KeyboardHook != nullptr);
        CHECK(l.errors.messages.empty());
        CHECK(l.starter.started.empty());
    }

    SUBCASE("buttons use the system's message font")
    {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        REQUIRE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
        for (HWND button : {l.form.Command1(), l.form.Command2()}) {
            auto font = reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0));
            REQUIRE(font != nullptr);
            LOGFONTW used{};
            GetObjectW(font, sizeof used, &used);
            CHECK(std::wstring(used.lfFaceName) == metrics.lfMessageFont.lfFaceName);
            CHECK(used.lfHeight == metrics.lfMessageFont.lfHeight);
        }
    }
}

TEST_CASE("Form1 lays out the browser and the buttons on every size change")
{
    test::Launcher l;

    SUBCASE("resize: buttons move but stay hidden")
    {
        SetWindowPos(l.hwnd(), nullptr, 0, 0, 700, 400, SWP_NOMOVE | SWP_NOZORDER);
        REQUIRE(l.OuterWidth() == 700);
        CHECK(Text(l.browser->placements.back()) == Text(Rect(0, 0, 700, 400)));
        CHECK(Text(test::RectInParent(l.form.Command1())) == Text(Rect(567, 3, 49, 19)));
        CHECK(Text(test::RectInParent(l.form.Command2())) == Text(Rect(627, 3, 60, 19)));
        CHECK_FALSE(IsWindowVisible(l.form.Command1()));
        CHECK_FALSE(IsWindowVisible(l.form.Command2()));
    }

    SUBCASE("maximize and restore")
    {
        ShowWindow(l.hwnd(), SW_MAXIMIZE);
        REQUIRE(IsZoomed(l.hwnd()));
        CheckLayout(l);
        ShowWindow(l.hwnd(), SW_RESTORE);
        CheckLayout(l);
        CHECK_FALSE(IsWindowVisible(l.form.Command1()));
    }

    SUBCASE("a window narrower than 2000 twips puts the buttons at negative left edges")
    {
        SetWindowPos(l.hwnd(), nullptr, 0, 0, 120, 300, SWP_NOMOVE | SWP_NOZORDER);
        const int w = l.OuterWidth();
        REQUIRE(w * 15 < 2000);
        CheckLayout(l);
        CHECK(test::RectInParent(l.form.Command1()).left < 0);
    }

    SUBCASE("minimized too")
    {
        const auto before = l.browser->placements.size();
        ShowWindow(l.hwnd(), SW_MINIMIZE);
        CHECK(l.browser->placements.size() > before);
        CheckLayout(l);
    }
    CHECK(l.errors.messages.empty());
}

TEST_CASE("twips become the nearest pixel, halves to the even one")
{
    CHECK(app::TwipsToPixels(337.5f, 15.0f) == 22);  // 22.5
    CHECK(app::TwipsToPixels(352.5f, 15.0f) == 24);  // 23.5
    CHECK(app::TwipsToPixels(-200.0f, 15.0f) == -13);
    CHECK(app::TwipsToPixels(-217.5f, 15.0f) == -14);  // -14.5

    SUBCASE("at 120 DPI (12 twips per pixel)")
    {
        const app::TwipScale scale{12.0f, 12.0f};
        CHECK(Text(app::TwipsToPixels(app::design::Command1, scale)) == Text(Rect(900, 4, 61, 23)));
        const RECT client =
            app::TwipsToPixels({0, 0, app::design::ClientWidth, app::design::ClientHeight}, scale);
        CHECK(Text(client) == Text(Rect(0, 0, 1054, 645)));
    }

    SUBCASE("a control keeps its pixel size wherever it moves")
    {
        const app::TwipScale scale;
        for (float left : {-2000.0f, -7.5f, 0.0f, 7.5f, 10800.0f, 10807.5f}) {
            const RECT r = app::TwipsToPixels({left, 50.0f, 735.0f, 280.0f}, scale);
            CHECK(r.right - r.left == 49);
            CHECK(r.bottom - r.top == 19);
        }
    }
}

TEST_CASE("Form1 closes: hooks removed, browser released, window gone")
{
    test::ScriptedBrowser::live = 0;
    test::Launcher l;
    HWND hwnd = l.hwnd();
    REQUIRE(test::ScriptedBrowser::live == 1);
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    CHECK_FALSE(IsWindow(hwnd));
    CHECK(app::RightKey::MouseHook == nullptr);
    CHECK(app::RightKey::KeyboardHook == nullptr);
    CHECK(test::ScriptedBrowser::live == 0);
    MSG quit{};
    CHECK(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    CHECK(quit.wParam == 0);
}

TEST_CASE("start-up failures are reported and the program goes on where it can")
{
    SUBCASE("the login page cannot be opened: the window still shows, laid out")
    {
        test::Launcher l(L"Navigate");
        REQUIRE(l.errors.messages.size() == 1);
        CHECK(l.errors.messages[0].find(L"Navigate 失败") != std::wstring::npos);
        CHECK(l.errors.messages[0].find(L"程序将继续运行") != std::wstring::npos);
        CHECK(IsWindowVisible(l.hwnd()));
        CHECK_FALSE(IsWindowVisible(l.form.Command1()));
        CheckLayout(l);
    }

    SUBCASE("the browser control cannot be made: no window, the reason reported")
    {
        test::RecordingStarter starter;
        test::RecordingErrorReport errors;
        app::BrowserFactory failing = [](HWND, const RECT&, app::BrowserEvents&)
            -> std::unique_ptr<app::Browser> { throw app::AppError(L"无法创建网页浏览器控件。", E_FAIL); };
        app::Form1 form({test::LoginUrl, failing, &starter, &errors});
        CHECK_FALSE(form.Create(GetModuleHandleW(nullptr), SW_SHOWNORMAL));
        CHECK(form.Hwnd() == nullptr);
        REQUIRE(errors.messages.size() == 1);
        CHECK(errors.messages[0].find(L"无法创建网页浏览器控件") != std::wstring::npos);
        CHECK(errors.messages[0].find(L"0x80004005") != std::wstring::npos);
        CHECK(app::RightKey::MouseHook == nullptr);
    }
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}
