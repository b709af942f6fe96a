// A system whose user32 lacks TrackMouseEvent: the leave notification comes through comctl32.
#include "skin/support/skin_fixture.h"

using namespace skintest;

TEST_CASE("through comctl32's _TrackMouseEvent a button still hears the mouse leave and fades back")
{
    ButtonWindow w;
    skin::SetTrackMouseEventAvailable(false);
    RECT r;
    GetWindowRect(w.button, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(w.button, WM_MOUSEMOVE, 0, MAKELPARAM(40, 12));  // entered: one leave request
    REQUIRE(GetSkinProp(w.button, prop::MouseFlag) == 1);
    CHECK(GetModuleHandleA("comctl32") != nullptr);  // looked up there: nothing else here loads it
    CursorAway();  // the platform reports the leave on its next tick, some 100 ms late
    REQUIRE(test::PumpUntil([&] { return GetSkinProp(w.button, prop::MouseFlag) == 0; }, 3000));
    REQUIRE(WaitForFadeEnd(w.button));
    CHECK(InteriorDifferences(w.button, 0) == 0);
}
