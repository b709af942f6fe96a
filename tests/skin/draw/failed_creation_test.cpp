// When the platform refuses: a region no window took, a bitmap too large to make.
#include <doctest.h>

#include "skin/draw/gdi_objects.h"
#include "skin/support/skin_fixture.h"

using namespace skin;

TEST_CASE("a region that SetWindowRgn refuses is deleted, not left to no owner")
{
    const HWND dead = test::MakeTopLevel(L"RegionRefuser", 0, 0, 50, 50).release();
    DestroyWindow(dead);
    for (HWND refusing : {HWND{}, dead}) {
        const long baseline = gdi::LiveObjectCount();
        const HRGN region = gdi::CreateRoundRectRgn(0, 0, 10, 10, 3, 3);
        CHECK(gdi::SetWindowRegion(refusing, region, TRUE) == 0);
        CHECK(GetObjectType(region) == 0);
        CHECK(gdi::LiveObjectCount() == baseline);
    }
}
