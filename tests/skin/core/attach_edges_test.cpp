// Attach and detach at their edges: state detach must leave alone.
#include "skin/support/skin_fixture.h"

using namespace skin;

TEST_CASE("detach gives a button its type back, and leaves it as hidden or disabled as it was made since")
{
    for (bool hide : {true, false}) {
        CAPTURE(hide);
        test::Window parent = test::MakeTopLevel(L"EdgeParent", 0, 0, 200, 100);
        HWND button = test::MakeChild(parent, L"Button", L"x", BS_DEFPUSHBUTTON, 5, 5, 70, 24);
        const LONG made = GetWindowLongW(button, GWL_STYLE);
        REQUIRE(SkinWindow(button) == 1);
        hide ? ShowWindow(button, SW_HIDE) : EnableWindow(button, FALSE);
        REQUIRE(DetachSkin(button) == 1);
        CHECK(GetWindowLongW(button, GWL_STYLE) == (hide ? made & ~WS_VISIBLE : made | WS_DISABLED));
    }
}
