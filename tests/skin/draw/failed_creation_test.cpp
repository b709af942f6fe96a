// When the platform refuses: a region no window took, a bitmap too large to make.
#include <doctest.h>

#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/draw/gdi_objects.h"
#include "skin/support/skin_fixture.h"

using namespace skin;

TEST_CASE("a region that SetWindowRgn refuses is deleted: no window owns it")
{
    const long baseline = gdi::LiveObjectCount();
    const HRGN region = gdi::CreateRoundRectRgn(0, 0, 10, 10, 3, 3);
    CHECK(gdi::SetWindowRegion(nullptr, region, TRUE) == 0);
    CHECK(GetObjectType(region) == 0);
    CHECK(gdi::LiveObjectCount() == baseline);
}

TEST_CASE("a button grown past any bitmap keeps the faces it has, and detach deletes them")
{
    REQUIRE(SkinnedWindowCount() == 0);
    const long baseline = gdi::LiveObjectCount();
    test::Window parent = test::MakeTopLevel(L"HugeButtonParent", 0, 0, 200, 100);
    HWND button = test::MakeChild(parent, L"Button", L"x", 0, 5, 5, 70, 24);
    REQUIRE(SkinWindow(button) == 1);
    SetWindowPos(button, nullptr, 0, 0, 32767, 32767, SWP_NOMOVE | SWP_NOZORDER);  // 4 GB a face
    for (int i = 0; i < 4; ++i) {
        const auto named = reinterpret_cast<HGDIOBJ>(GetSkinProp(button, prop::FaceBitmap[i]));
        CHECK(named != nullptr);
        CHECK(GetCurrentObject(skintest::FaceOf(button, i), OBJ_BITMAP) == named);
    }
    DestroyWindow(button);
    CHECK(gdi::LiveObjectCount() == baseline);
}
