// Many interactions leave nothing behind: no GDI object, no timer.
#include <doctest.h>

#include "button_test_window.h"
#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/draw/gdi_objects.h"
#include "skin/support/skin_fixture.h"

using namespace interacttest;

TEST_CASE("2,000 hover-press-release cycles and a detach leave no GDI object and no timer")
{
    const long baseline = skin::gdi::LiveObjectCount();
    {
        CountedButtonWindow w;
        skintest::MessageCounter& ticks = w.ticks;
        const long skinned = skin::gdi::LiveObjectCount();
        const LPARAM point = MAKELPARAM(10, 10);
        for (int i = 0; i < 2000; ++i) {
            SendMessageW(w.button, WM_MOUSEMOVE, 0, point);
            SendMessageW(w.button, WM_LBUTTONDOWN, MK_LBUTTON, point);
            SendMessageW(w.button, WM_LBUTTONUP, 0, point);
            SendMessageW(w.button, WM_TIMER, 1, 0);
            SendMessageW(w.button, WM_MOUSELEAVE, 0, 0);
        }
        CHECK(skin::gdi::LiveObjectCount() == skinned);
        REQUIRE(skin::GetSkinProp(w.button, skin::prop::TimerId) == 1);  // a fade is running

        CHECK(skin::DetachSkin(w.button) == 1);
        ticks.reset();
        test::Pump(150);
        CHECK(ticks.count() == 0);  // detach stopped it
    }
    CHECK(skin::SkinnedWindowCount() == 0);
    CHECK(skin::gdi::LiveObjectCount() == baseline);
}
