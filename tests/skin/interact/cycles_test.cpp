// Many interactions leave nothing behind: no GDI object, no timer.
#include <doctest.h>

#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/draw/gdi_objects.h"
#include "skin/support/skin_fixture.h"

TEST_CASE("2,000 hover-press-release cycles and a detach leave no GDI object and no timer")
{
    const long baseline = skin::gdi::LiveObjectCount();
    {
        skintest::ButtonWindow w(BS_PUSHBUTTON, L"Button", 100, 100, true);
        const long skinned = skin::gdi::LiveObjectCount();
        for (int i = 0; i < 2000; ++i)
            for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_TIMER, WM_MOUSELEAVE})
                SendMessageW(w.button, message, message == WM_TIMER, MAKELPARAM(10, 10));
        CHECK(skin::gdi::LiveObjectCount() == skinned);
        REQUIRE(skin::GetSkinProp(w.button, skin::prop::TimerId) == 1);  // a fade runs

        CHECK(skin::DetachSkin(w.button) == 1);
        w.ticks->count = 0;
        test::Pump(150);
        CHECK(w.ticks->count == 0);  // the detach stopped it
    }
    CHECK(skin::SkinnedWindowCount() == 0);
    CHECK(skin::gdi::LiveObjectCount() == baseline);
}
