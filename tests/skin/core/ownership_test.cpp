// Everything the skin creates for a window is gone once the window is.
#include <doctest.h>

#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/draw/gdi_objects.h"
#include "skin/support/skin_fixture.h"

using namespace skin;

TEST_CASE("200 create-skin-destroy cycles of a form with buttons leave no GDI object behind")
{
    REQUIRE(SkinnedWindowCount() == 0);
    const long baseline = gdi::LiveObjectCount();
    for (int i = 0; i < 200; ++i) {
        skintest::FormTree t = skintest::MakeFormTree();
        REQUIRE(SkinWindow(t.form) == 1);
        if (i == 0) CHECK(gdi::LiveObjectCount() > baseline);
        DestroyWindow(t.form.release());
    }
    CHECK(SkinnedWindowCount() == 0);
    CHECK(gdi::LiveObjectCount() == baseline);
}

TEST_CASE("every surface, bitmap and region made for a button is deleted by its detach")
{
    REQUIRE(SkinnedWindowCount() == 0);
    test::Window keepAlive = test::MakeTopLevel(L"Form", 0, 0, 100, 100);
    REQUIRE(SkinWindow(keepAlive) == 1);  // holds the image set, so only the button's objects count

    test::Window parent = test::MakeTopLevel(L"OwnershipParent", 20, 20, 200, 100);
    HWND button = CreateWindowExW(0, L"Button", L"x", WS_CHILD | WS_VISIBLE, 5, 5, 70, 24, parent,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    skintest::CreatedObjects created;
    REQUIRE(AttachSkin(button) == 1);
    const long live = gdi::LiveObjectCount();
    // Four surfaces and four bitmaps stay; the region went to the window.
    CHECK(created.objects().size() >= 9);
    CHECK(created.CountOfType(OBJ_REGION) == 1);

    SUBCASE("by DetachSkin")
    {
        CHECK(DetachSkin(button) == 1);
    }
    SUBCASE("by the window's destruction")
    {
        DestroyWindow(button);
    }
    CHECK(created.StillAlive().empty());
    CHECK(gdi::LiveObjectCount() == live - 8);
    DestroyWindow(keepAlive.release());
}

TEST_CASE("the last detach releases the image set's surfaces")
{
    REQUIRE(SkinnedWindowCount() == 0);
    const long baseline = gdi::LiveObjectCount();
    skintest::CreatedObjects created;
    test::Window form = test::MakeTopLevel(L"Form", 0, 0, 100, 100);
    REQUIRE(SkinWindow(form) == 1);
    CHECK(created.objects().size() >= 10);  // five surfaces and their bitmaps
    DestroyWindow(form.release());
    CHECK(created.StillAlive().empty());
    CHECK(gdi::LiveObjectCount() == baseline);
}
