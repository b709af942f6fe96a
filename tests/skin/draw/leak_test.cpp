// No GDI object outlives the primitive that made it. Every object the skin makes goes through
// skin::gdi, whose live list is what LeakCheck compares; Created shows the calls really went
// through it, and GetObjectType shows the released handles are gone.
#include <doctest.h>

#include <functional>

#include "draw_test_support.h"
#include "skin/draw/skin_images.h"

using drawtest::LeakCheck;
using drawtest::Surface;
using drawtest::Unique;

namespace {

constexpr int Calls = 1000;

// Runs body Calls times; returns the objects it made per call (all of them released).
long ObjectsPerCall(const std::function<void()>& body)
{
    const LeakCheck check;
    for (int i = 0; i < Calls; ++i) body();
    const auto left = check.LeftBehind();
    CHECK(left.size() == 0);
    for (HGDIOBJ h : left) INFO("left behind: object type " << GetObjectType(h));
    CHECK(check.Created() % Calls == 0);
    return check.Created() / Calls;
}

}  // namespace

TEST_CASE("1,000 calls of each primitive leave no GDI object behind")
{
    Surface src(13, 52, Unique);
    Surface dst(80, 30, Unique);
    test::Window win = test::MakeTopLevel(L"DrawLeakWindow", 10, 10, 120, 60, L"刷新");

    SUBCASE("CreateSkinSurface and DeleteSkinSurface")
    {
        CHECK(ObjectsPerCall([] {
                  HDC s = skin::CreateSkinSurface(75, 23);
                  HGDIOBJ bitmap = GetCurrentObject(s, OBJ_BITMAP);
                  REQUIRE(GetObjectType(s) == OBJ_MEMDC);
                  REQUIRE(GetObjectType(bitmap) == OBJ_BITMAP);
                  skin::DeleteSkinSurface(s);
                  REQUIRE(GetObjectType(s) == 0);
                  REQUIRE(GetObjectType(bitmap) == 0);
              }) == 3);  // display context, memory context, bitmap
    }
    SUBCASE("a surface that cannot be made leaves nothing")
    {
        CHECK(ObjectsPerCall([] { REQUIRE(skin::CreateSkinSurface(100000, 100000) == nullptr); }) ==
              2);
    }
    SUBCASE("StretchSkinCell, opaque and transparent")
    {
        CHECK(ObjectsPerCall([&] {
                  skin::StretchSkinCell(dst.dc(), 0, 0, 75, 23, src.dc(), 0, 0, 7, 21, 3, 3, 3, 3);
              }) == 3);
        CHECK(ObjectsPerCall([&] {
                  skin::StretchSkinCell(dst.dc(), 0, 0, 75, 23, src.dc(), 0, 0, 2, 2, 0, 0, 0, 0);
              }) == 3);
        CHECK(ObjectsPerCall([&] {
                  skin::StretchSkinCell(dst.dc(), 1, 1, 20, 20, src.dc(), 0, 13, 13, 13, 5, 5, 5,
                                        5, skin::KeyColor);
              }) == 3 + 8);
        CHECK(ObjectsPerCall([&] {
                  skin::StretchSkinCell(dst.dc(), 0, 0, 4, 4, src.dc(), 0, 0, 7, 21, 3, 3, 3, 3);
              }) == 3);
    }
    SUBCASE("BlitTransparent, with and without a palette")
    {
        CHECK(ObjectsPerCall([&] {
                  skin::BlitTransparent(dst.dc(), 3, 3, 13, 13, src.dc(), 0, 0, skin::KeyColor);
              }) == 8);
        HDC screen = GetDC(nullptr);
        HPALETTE palette = CreateHalftonePalette(screen);
        ReleaseDC(nullptr, screen);
        CHECK(ObjectsPerCall([&] {
                  skin::BlitTransparent(dst.dc(), 3, 3, 13, 13, src.dc(), 0, 0, skin::KeyColor,
                                        palette);
              }) == 7);
        CHECK(GetObjectType(palette) == OBJ_PAL);
        DeleteObject(palette);
    }
    SUBCASE("fills, outline, focus box, caption text")
    {
        CHECK(ObjectsPerCall([&] { skin::FillSolidRect(dst.dc(), 1, 1, 9, 9, 0x4CD6F6); }) == 1);
        CHECK(ObjectsPerCall([&] { skin::FrameSolidRect(dst.dc(), 1, 1, 9, 9, 0x54A5D5); }) == 1);
        CHECK(ObjectsPerCall([&] { skin::DrawFocusBox(dst.dc(), 1, 1, 9, 9); }) == 0);
        CHECK(ObjectsPerCall([&] {
                  skin::DrawCaptionText(dst.dc(), L"删除缓存", 2, 2, 40, 20,
                                        skin::CaptionTextFormat);
              }) == 0);
    }
    SUBCASE("window bounds and caption")
    {
        skin::WindowBounds b;
        CHECK(ObjectsPerCall([&] { skin::GetWindowBounds(win, b); }) == 0);
        CHECK(ObjectsPerCall([&] { CHECK(skin::GetWindowCaption(win) == L"刷新"); }) == 0);
    }
}

TEST_CASE("100 builds and releases of the image set leave no GDI object behind")
{
    const LeakCheck check;
    for (int cycle = 0; cycle < 100; ++cycle) {
        skin::SkinImageSet set;
        skin::BuildSkinImageSet(set);
        const HDC surfaces[] = {set.ButtonFaceImage, set.DropButtonImage, set.CheckGlyphImage,
                                set.OptionCircleImage, set.HeaderItemImage};
        HGDIOBJ bitmaps[5];
        for (int i = 0; i < 5; ++i) {
            REQUIRE(GetObjectType(surfaces[i]) == OBJ_MEMDC);
            bitmaps[i] = GetCurrentObject(surfaces[i], OBJ_BITMAP);
            REQUIRE(GetObjectType(bitmaps[i]) == OBJ_BITMAP);
        }
        skin::ReleaseSkinImageSet(set);
        for (int i = 0; i < 5; ++i) {
            REQUIRE(GetObjectType(surfaces[i]) == 0);
            REQUIRE(GetObjectType(bitmaps[i]) == 0);
        }
    }
    CHECK(check.LeftBehind().empty());
    CHECK(check.Created() == 100 * 5 * 3);
}

TEST_CASE("building over a set that still holds surfaces releases them first")
{
    const LeakCheck check;
    skin::SkinImageSet set;
    skin::BuildSkinImageSet(set);
    skin::BuildSkinImageSet(set);
    skin::ReleaseSkinImageSet(set);
    CHECK(check.LeftBehind().empty());
}

TEST_CASE("the check catches a brush left behind")
{
    // A FillSolidRect that forgets to delete its brush, run as often as the real one above.
    auto leakyFill = [](HDC dc) {
        const RECT r{1, 1, 10, 10};
        FillRect(dc, &r, skin::gdi::CreateSolidBrush(0x4CD6F6));
    };
    Surface dst(20, 20, Unique);
    const LeakCheck check;
    for (int i = 0; i < Calls; ++i) leakyFill(dst.dc());
    const auto left = check.LeftBehind();
    CHECK(left.size() == Calls);
    for (HGDIOBJ h : left) CHECK(GetObjectType(h) == OBJ_BRUSH);
    for (HGDIOBJ h : left) skin::gdi::DeleteObject(h);
    for (HGDIOBJ h : left) CHECK(GetObjectType(h) == 0);
    CHECK(check.LeftBehind().empty());
}
