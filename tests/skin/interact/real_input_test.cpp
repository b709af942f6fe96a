// Real pointer input through the platform's input queue: hover, leave and click on a skinned
// button, with the pixels on screen checked at the end of each.
#include <doctest.h>

#include "skin/core/window_props.h"
#include "skin/support/skin_fixture.h"

using skintest::ButtonWindow;
using skintest::WaitForFadeEnd;
using skin::GetSkinProp;
namespace prop = skin::prop;

namespace {

void Send(DWORD flags, int x = 0, int y = 0)
{
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof in);
}

void MoveOnto(HWND w)
{
    RECT r;
    GetWindowRect(w, &r);
    Send(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

bool WaitFor(HWND b, const char* name, INT_PTR value)
{
    return test::PumpUntil([&] { return GetSkinProp(b, name) == value; }, 3000);
}

}  // namespace

TEST_CASE("hover, leave and click with real input")
{
    ButtonWindow w;
    HWND b = w.button;
    MoveOnto(b);  // fades to hot
    REQUIRE(WaitFor(b, prop::MouseFlag, 1));
    CHECK(GetSkinProp(b, prop::OldState) == 1);
    REQUIRE(WaitForFadeEnd(b));
    CHECK(skintest::InteriorDifferences(b, 1) == 0);

    // The platform reports the leave on its own tick, some hundred milliseconds late.
    Send(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, 5, 5);
    REQUIRE(WaitFor(b, prop::MouseFlag, 0));
    REQUIRE(WaitForFadeEnd(b));
    CHECK(skintest::InteriorDifferences(b, 0) == 0);

    MoveOnto(b);
    REQUIRE(WaitFor(b, prop::MouseFlag, 1));
    Send(MOUSEEVENTF_LEFTDOWN);  // pressed at once
    REQUIRE(WaitFor(b, prop::OldState, 2));
    CHECK(GetSkinProp(b, prop::TimerId) == 0);
    CHECK(skintest::InteriorDifferences(b, 2) == 0);
    Send(MOUSEEVENTF_LEFTUP);  // fades back: to normal, or to hot if a move came after it
    REQUIRE(test::PumpUntil([&] { return GetSkinProp(b, prop::OldState) != 2; }, 3000));
    REQUIRE(WaitForFadeEnd(b));
    const INT_PTR state = GetSkinProp(b, prop::OldState);
    CHECK((state == 0 || state == 1));
    CHECK(skintest::InteriorDifferences(b, static_cast<int>(state)) == 0);
}
