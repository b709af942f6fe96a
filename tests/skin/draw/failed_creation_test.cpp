// When the platform refuses: a region no window took, a bitmap too large to make; surfaces of no
// size, which the platform answers with a stock bitmap.
#include <doctest.h>

#include "skin/draw/primitives.h"
#include "skin/draw/skin_images.h"

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

TEST_CASE("with the images built, a surface of no size still gets the 1 x 1 stock bitmap; one of a face's size is a DIB section on a 32-bit screen")
{
    const skintest::NoLeaks noLeaks;
    SkinImageSet images;
    BuildSkinImageSet(images);
    const auto bitmapOf = [](HDC surface, DIBSECTION& dib) { return GetObjectW(GetCurrentObject(surface, OBJ_BITMAP), sizeof dib, &dib); };
    for (auto [w, h] : {std::pair{0, 5}, {5, 0}}) {
        HDC surface = CreateSkinSurface(w, h);
        DIBSECTION dib{};
        CHECK((surface && bitmapOf(surface, dib) == sizeof(BITMAP) && dib.dsBm.bmWidth == 1 && dib.dsBm.bmBitsPixel == 1));
        DeleteSkinSurface(surface);
    }
    HDC screen = GetDC(nullptr), surface = CreateSkinSurface(80, 25);
    DIBSECTION dib{};
    CHECK(bitmapOf(surface, dib) == (GetDeviceCaps(screen, BITSPIXEL) == 32 ? int(sizeof dib) : int(sizeof(BITMAP))));
    ReleaseDC(nullptr, screen);
    DeleteSkinSurface(surface);
    ReleaseSkinImageSet(images);
}
