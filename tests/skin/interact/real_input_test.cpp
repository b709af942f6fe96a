// Real pointer input through the platform's input queue: hover, leave and click on a skinned
// button, with the pixels on screen checked at the end of each.
#include <doctest.h>

#include "button_test_window.h"
#include "skin/core/window_props.h"
#include "skin/support/skin_fixture.h"

using namespace interacttest;
using skin::GetSkinProp;
namespace prop = skin::prop;

namespace {

void MoveTo(int x, int y)
{
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
}

void MoveOnto(HWND w, int dx = 0)
{
    RECT r;
    GetWindowRect(w, &r);
    MoveTo((r.left + r.right) / 2 + dx, (r.top + r.bottom) / 2);
}

void LeftButton(bool down)
{
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof in);
}

}  // namespace

TEST_CASE("hover, leave and click with real input")
{
    ButtonWindow w;
    HWND b = w.button;
    MoveTo(5, 5);
    test::Pump(100);

    SUBCASE("moving onto the button fades it to hot")
    {
        MoveOnto(b);
        REQUIRE(test::PumpUntil([&] { return GetSkinProp(b, prop::MouseFlag) == 1; }, 2000));
        CHECK(GetSkinProp(b, prop::OldState) == 1);
        REQUIRE(WaitForFadeEnd(b));
        CHECK(skintest::InteriorDifferences(b, 1) == 0);

        // The platform reports the leave on its own tick, some hundred milliseconds late.
        MoveTo(5, 5);
        REQUIRE(test::PumpUntil([&] { return GetSkinProp(b, prop::MouseFlag) == 0; }, 3000));
        CHECK(GetSkinProp(b, prop::OldState) == 0);
        REQUIRE(WaitForFadeEnd(b));
        CHECK(skintest::InteriorDifferences(b, 0) == 0);
    }

    SUBCASE("a click shows pressed at once and fades back")
    {
        MoveOnto(b);
        REQUIRE(test::PumpUntil([&] { return GetSkinProp(b, prop::MouseFlag) == 1; }, 2000));
        REQUIRE(WaitForFadeEnd(b));

        LeftButton(true);
        REQUIRE(test::PumpUntil([&] { return GetSkinProp(b, prop::OldState) == 2; }, 2000));
        CHECK(GetSkinProp(b, prop::TimerId) == 0);
        CHECK(skintest::InteriorDifferences(b, 2) == 0);

        LeftButton(false);
        REQUIRE(test::PumpUntil([&] { return GetSkinProp(b, prop::OldState) != 2; }, 2000));
        REQUIRE(WaitForFadeEnd(b));
        // Released over the button: normal, or hot again if a move came after the release.
        const INT_PTR state = GetSkinProp(b, prop::OldState);
        CHECK((state == 0 || state == 1));
        CHECK(skintest::InteriorDifferences(b, static_cast<int>(state)) == 0);

        MoveTo(5, 5);
        REQUIRE(test::PumpUntil([&] { return GetSkinProp(b, prop::MouseFlag) == 0; }, 3000));
        REQUIRE(WaitForFadeEnd(b));
        CHECK(skintest::InteriorDifferences(b, 0) == 0);
    }
}
