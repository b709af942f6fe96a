// Everything the skin creates for a window is gone once the window is.
#include <doctest.h>

#include "skin/core/skinner.h"
#include "skin/draw/gdi_objects.h"
#include "skin/support/skin_fixture.h"

using namespace skin;

TEST_CASE("200 create-skin-destroy cycles of a form with buttons leave no GDI object behind")
{
    const long baseline = gdi::LiveObjectCount();
    skintest::CreatedObjects created;
    for (int i = 0; i < 200; ++i) {
        skintest::FormTree t = skintest::MakeFormTree();
        REQUIRE(SkinWindow(t.form) == 1);
    }
    CHECK(created.CountOfType(OBJ_REGION) == 800);  // four buttons each time, really made here
    CHECK(SkinnedWindowCount() == 0);
    CHECK(gdi::LiveObjectCount() == baseline);
}

TEST_CASE("every surface, bitmap and region of a button is deleted by its detach or its destruction")
{
    test::Window keep = test::MakeTopLevel(L"Form", 0, 0, 100, 100);
    REQUIRE(SkinWindow(keep) == 1);  // holds the image set: only the button's objects come and go
    for (bool destroy : {false, true}) {
        CAPTURE(destroy);
        test::Window parent = test::MakeTopLevel(L"OwnershipParent", 20, 20, 200, 100);
        HWND button = test::MakeChild(parent, L"Button", L"x", 0, 5, 5, 70, 24).release();
        skintest::CreatedObjects created;
        REQUIRE(AttachSkin(button) == 1);
        CHECK(created.CountOfType(OBJ_MEMDC) >= 4);
        CHECK(created.CountOfType(OBJ_REGION) == 1);
        if (destroy)
            DestroyWindow(button);
        else
            CHECK(DetachSkin(button) == 1);
        CHECK(created.StillAlive().empty());
    }
}
