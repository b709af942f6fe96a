// What a completed document does to Form1, against the scripted browser.
#include <doctest.h>

#include "launcher_fixture.h"

using test::Text;

namespace {

bool ButtonsShown(const test::Launcher& l)
{
    return IsWindowVisible(l.form.Command1()) && IsWindowVisible(l.form.Command2());
}

// The portal look: maximized, browser over the outer size, both buttons shown at their places.
void CheckPortalLook(const test::Launcher& l)
{
    CHECK(IsZoomed(l.hwnd()));
    CHECK(ButtonsShown(l));
    const int w = l.OuterWidth();
    CHECK(Text(l.browser->placements.back()) == Text({0, 0, w, l.OuterHeight()}));
    CHECK(test::RectInParent(l.form.Command1()).left == w - 133);
    CHECK(test::RectInParent(l.form.Command2()).left == w - 73);
}

void CheckStartLook(const test::Launcher& l)
{
    CHECK_FALSE(IsZoomed(l.hwnd()));
    CHECK_FALSE(IsWindowVisible(l.form.Command1()));
    CHECK_FALSE(IsWindowVisible(l.form.Command2()));
}

}  // namespace

TEST_CASE("the caption follows page titles that are not addresses")
{
    test::Launcher l;

    SUBCASE("a plain title replaces the caption")
    {
        l.browser->Load(test::LoginUrl, L"登录 - Velmora");
        CHECK(l.Caption() == L"登录 - Velmora");
    }
    SUBCASE("a title with \"http://\" anywhere leaves the previous caption")
    {
        l.browser->Load(test::LoginUrl, L"登录");
        for (const wchar_t* title : {L"http://portal.test/dlq_login.php", L"见 http://x", L"xhttp://"}) {
            l.browser->Load(test::LoginUrl, title);
            CHECK(l.Caption() == L"登录");
        }
    }
    SUBCASE("the same text in capitals is a title like any other")
    {
        l.browser->Load(test::LoginUrl, L"HTTP://PORTAL.TEST");
        CHECK(l.Caption() == L"HTTP://PORTAL.TEST");
        l.browser->Load(test::LoginUrl, L"Http://portal.test");
        CHECK(l.Caption() == L"Http://portal.test");
    }
    CHECK(l.errors.messages.empty());
}

TEST_CASE("the login page itself changes at most the caption")
{
    test::Launcher l;
    l.browser->Load(test::LoginUrl, L"登录");
    l.browser->Load(test::LoginUrl, L"登录");
    CheckStartLook(l);
    CHECK(l.Caption() == L"登录");
}

TEST_CASE("any other address switches to the portal look")
{
    const std::wstring login = test::LoginUrl;
    for (const std::wstring& address :
         {login + L"?from=game", login + L"/", login + L"#top", login + L" ",
          std::wstring(L"HTTP://portal.test/dlq_login.php"), std::wstring(L"http://portal.test/DLQ_login.php"),
          std::wstring(L"https://portal.test/dlq_login.php"), std::wstring(L"http://portal.test/hall.php")}) {
        INFO(test::Narrow(address));
        test::Launcher l;
        l.browser->Load(address, L"Velmora 游戏大厅");
        CheckPortalLook(l);
        CHECK(l.Caption() == L"Velmora 游戏大厅");
        CHECK(l.errors.messages.empty());
    }
}

TEST_CASE("the portal look is one way")
{
    test::Launcher l;
    l.browser->Load(test::LoginUrl, L"登录");
    l.browser->Load(L"http://portal.test/hall.php", L"大厅");

    SUBCASE("more completions keep the window maximized and the buttons in place")
    {
        for (int i = 0; i < 3; ++i) {
            l.browser->Load(L"http://portal.test/game.php?id=" + std::to_wstring(i), L"游戏");
            CheckPortalLook(l);
        }
    }
    SUBCASE("back on the login page nothing is hidden or restored; the caption still follows")
    {
        l.browser->Load(test::LoginUrl, L"重新登录");
        CheckPortalLook(l);
        CHECK(l.Caption() == L"重新登录");
    }
    SUBCASE("restored by the player, the buttons stay and follow the width")
    {
        ShowWindow(l.hwnd(), SW_RESTORE);
        CHECK(ButtonsShown(l));
        CHECK(test::RectInParent(l.form.Command1()).left == l.OuterWidth() - 133);
        l.browser->Load(L"http://portal.test/hall.php", L"大厅");
        CheckPortalLook(l);
    }
    CHECK(l.errors.messages.empty());
}

TEST_CASE("completions in frames count only when their browser's Name equals the control's")
{
    test::Launcher l;
    l.browser->url = L"http://portal.test/hall.php";
    l.browser->title = L"大厅";

    SUBCASE("another Name: nothing happens")
    {
        l.browser->Complete(L"frame-ad");
        CheckStartLook(l);
        CHECK(l.Caption() == L"Velmora登入器");
    }
    SUBCASE("the same Name from another object: values, not objects, are compared")
    {
        l.browser->Complete(std::wstring(l.browser->name));
        CheckPortalLook(l);
        CHECK(l.Caption() == L"大厅");
    }
}

TEST_CASE("a failing browser call ends DocumentComplete at that step and is reported")
{
    test::Launcher l;
    l.browser->url = L"http://portal.test/hall.php";
    l.browser->title = L"大厅";

    SUBCASE("Name")
    {
        l.browser->failing = L"Name";
        l.browser->Complete();
        CHECK(l.Caption() == L"Velmora登入器");
        CheckStartLook(l);
    }
    SUBCASE("LocationName")
    {
        l.browser->failing = L"LocationName";
        l.browser->Complete();
        CHECK(l.Caption() == L"Velmora登入器");
        CheckStartLook(l);
    }
    SUBCASE("LocationURL: the caption has changed already")
    {
        l.browser->failing = L"LocationURL";
        l.browser->Complete();
        CHECK(l.Caption() == L"大厅");
        CheckStartLook(l);
    }
    REQUIRE(l.errors.messages.size() == 1);
    CHECK(l.errors.messages[0].find(l.browser->failing + L" 失败") != std::wstring::npos);

    // The program goes on: the next completion works.
    l.browser->failing.clear();
    l.browser->Complete();
    CheckPortalLook(l);
}

TEST_CASE("刷新 navigates to exactly the address the browser reports")
{
    test::Launcher l;
    const std::wstring address = L"http://portal.test/game.php?sid=7&lang=zh-CN#lobby";
    l.browser->Load(address, L"游戏");
    REQUIRE(ButtonsShown(l));

    l.Click(l.form.Command1());
    CHECK(l.browser->navigations == std::vector<std::wstring>{test::LoginUrl, address});
    CHECK(l.starter.started.empty());

    SUBCASE("a failing navigation is reported and the window stays")
    {
        l.browser->failing = L"Navigate";
        l.Click(l.form.Command1());
        CHECK(l.errors.messages.size() == 1);
        CHECK(IsWindow(l.hwnd()));
    }
}
