// When the platform refuses: a region no window took, a bitmap too large to make; surfaces of no
// size, which the platform answers with a stock bitmap.
#include <doctest.h>

#include "skin/draw/primitives.h"
#include "skin/support/skin_fixture.h"  // the skinner, the property record, the counted GDI layer

using namespace skin;

TEST_CASE("a button grown past any bitmap keeps the faces it has, and detach deletes them")
{
    REQUIRE(SkinnedWindowCount() == 0);
    const skintest::NoLeaks noLeaks;
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
}

TEST_CASE("a refused window region is deleted; with the images built, surfaces of no size get the 1 x 1 stock bitmap, a face's size every pixel")
{
    const skintest::NoLeaks noLeaks;
    const HRGN region = gdi::CreateRoundRectRgn(0, 0, 10, 10, 3, 3);
    CHECK((gdi::SetWindowRegion(nullptr, region, TRUE) == 0 && GetObjectType(region) == 0));
    SkinImageSet images;
    BuildSkinImageSet(images);
    HDC surfaces[] = {CreateSkinSurface(0, 5), CreateSkinSurface(5, 0), CreateSkinSurface(80, 25)};
    BITMAP bm[2]{};
    for (int i = 0; i < 2; ++i) CHECK(GetObjectW(GetCurrentObject(surfaces[i], OBJ_BITMAP), sizeof bm[i], &bm[i]) == int(sizeof(BITMAP)));
    CHECK((bm[0].bmWidth == 1 && bm[0].bmBitsPixel == 1 && bm[1].bmHeight == 1 && bm[1].bmBitsPixel == 1));
    SetPixel(surfaces[2], 79, 24, RGB(0x12, 0x34, 0x57));
    CHECK((test::DcPixel(surfaces[2], 79, 24) == 0x123457 && test::DcPixel(surfaces[2], 80, 24) == 0x1000000));
    for (HDC s : surfaces) DeleteSkinSurface(s);
    ReleaseSkinImageSet(images);
}
