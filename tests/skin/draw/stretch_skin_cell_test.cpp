// StretchSkinCell with real GDI: the nine-grid, the plain stretch, the sizes it refuses.
#include <doctest.h>

#include <set>

#include "draw_test_support.h"

using drawtest::Surface;
using drawtest::Unique;
using skin::Rgb;
using skin::StretchSkinCell;

namespace {
constexpr Rgb Ground = 0x123456;
}

TEST_CASE("a 7 x 21 cell with margins 3 stretched to 75 x 23")
{
    // Two cells stacked like ButtonFaceImage; the second one (rows 21-41) is drawn, at (10, 5).
    Surface src(7, 42, Unique);
    Surface dst(100, 40, Ground);
    const int dx = 10, dy = 5, sy = 21;
    CHECK(StretchSkinCell(dst.dc(), dx, dy, 75, 23, src.dc(), 0, sy, 7, 21, 3, 3, 3, 3) != 0);

    SUBCASE("the corners are copied unscaled")
    {
        CHECK(dst.at(dx, dy) == src.at(0, sy));
        for (int j = 0; j < 3; ++j) {
            for (int i = 0; i < 3; ++i) {
                CHECK(dst.at(dx + i, dy + j) == src.at(i, sy + j));
                CHECK(dst.at(dx + 72 + i, dy + j) == src.at(4 + i, sy + j));
                CHECK(dst.at(dx + i, dy + 20 + j) == src.at(i, sy + 18 + j));
                CHECK(dst.at(dx + 72 + i, dy + 20 + j) == src.at(4 + i, sy + 18 + j));
            }
        }
    }

    SUBCASE("rows 3-17 of column 3 fill the centre; the edges stretch along their length only")
    {
        int previous = 3;
        std::set<int> used;
        for (int y = 3; y < 20; ++y) {
            // Which source row this destination row shows: find it in column 3.
            int row = -1;
            for (int r = 3; r <= 17; ++r)
                if (dst.at(dx + 3, dy + y) == src.at(3, sy + r)) row = r;
            REQUIRE(row >= previous);
            previous = row;
            used.insert(row);
            for (int x = 3; x < 72; ++x) CHECK(dst.at(dx + x, dy + y) == src.at(3, sy + row));
            for (int i = 0; i < 3; ++i) {
                CHECK(dst.at(dx + i, dy + y) == src.at(i, sy + row));
                CHECK(dst.at(dx + 72 + i, dy + y) == src.at(4 + i, sy + row));
            }
        }
        CHECK(used.size() == 15);  // every row of the centre shows: the stretch only enlarges
        for (int x = 3; x < 72; ++x) {
            for (int j = 0; j < 3; ++j) {
                CHECK(dst.at(dx + x, dy + j) == src.at(3, sy + j));
                CHECK(dst.at(dx + x, dy + 20 + j) == src.at(3, sy + 18 + j));
            }
        }
    }

    SUBCASE("nothing outside the destination rectangle changes")
    {
        for (int x = dx - 1; x <= dx + 75; ++x) {
            CHECK(dst.at(x, dy - 1) == Ground);
            CHECK(dst.at(x, dy + 23) == Ground);
        }
        for (int y = dy; y < dy + 23; ++y) {
            CHECK(dst.at(dx - 1, y) == Ground);
            CHECK(dst.at(dx + 75, y) == Ground);
        }
    }
}

TEST_CASE("with all margins 0 the whole cell is stretched over the destination")
{
    Surface src(2, 2, Unique);
    Surface dst(10, 6, Ground);
    CHECK(StretchSkinCell(dst.dc(), 0, 0, 10, 6, src.dc(), 0, 0, 2, 2, 0, 0, 0, 0) != 0);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x) CHECK(dst.at(x, y) == src.at(x / 5, y / 3));
}

TEST_CASE("a zero size draws nothing, makes nothing and returns 0")
{
    Surface src(7, 21, Unique);
    Surface dst(20, 20, Ground);
    const drawtest::LeakCheck check;
    CHECK(StretchSkinCell(dst.dc(), 0, 0, 0, 10, src.dc(), 0, 0, 7, 21, 3, 3, 3, 3) == 0);
    CHECK(StretchSkinCell(dst.dc(), 0, 0, 10, 0, src.dc(), 0, 0, 7, 21, 3, 3, 3, 3) == 0);
    CHECK(StretchSkinCell(dst.dc(), 0, 0, 10, 10, src.dc(), 0, 0, 0, 21, 3, 3, 3, 3) == 0);
    CHECK(StretchSkinCell(dst.dc(), 0, 0, 10, 10, src.dc(), 0, 0, 7, 0, 3, 3, 3, 3) == 0);
    CHECK(StretchSkinCell(dst.dc(), 0, 0, 0, 10, src.dc(), 0, 0, 7, 21, 3, 3, 3, 3,
                          skin::KeyColor) == 0);
    CHECK(check.Created() == 0);
    for (Rgb c : dst.pixels()) REQUIRE(c == Ground);
}

TEST_CASE("a negative destination size goes to the platform as it is, leaving nothing behind")
{
    Surface src(7, 21, Unique);
    Surface dst(20, 20, Ground);
    const drawtest::LeakCheck check;
    StretchSkinCell(dst.dc(), 10, 10, -5, 10, src.dc(), 0, 0, 7, 21, 3, 3, 3, 3);
    StretchSkinCell(dst.dc(), 10, 10, 5, -10, src.dc(), 0, 0, 7, 21, 1, 1, 1, 1, skin::KeyColor);
    CHECK(check.LeftBehind().empty());
}

TEST_CASE("a destination smaller than two margins does not crash")
{
    Surface src(7, 21, Unique);
    const drawtest::LeakCheck check;
    SUBCASE("4 x 4")
    {
        Surface dst(4, 4, Ground);
        CHECK(StretchSkinCell(dst.dc(), 0, 0, 4, 4, src.dc(), 0, 0, 7, 21, 3, 3, 3, 3) != 0);
        // The corners overlap and the edges get negative sizes (mirrored, shrinking copies);
        // (0, 0) lies in the top-left corner alone.
        CHECK(dst.at(0, 0) == src.at(0, 0));
    }
    SUBCASE("1 x 1 and 2 x 5")
    {
        Surface dst(2, 5, Ground);
        CHECK(StretchSkinCell(dst.dc(), 0, 0, 1, 1, src.dc(), 0, 0, 7, 21, 3, 3, 3, 3) != 0);
        CHECK(StretchSkinCell(dst.dc(), 0, 0, 2, 5, src.dc(), 0, 0, 7, 21, 3, 3, 3, 3,
                              skin::KeyColor) == 1);
    }
    CHECK(check.LeftBehind().empty());
}

TEST_CASE("with a transparent colour the key-coloured parts of the cell are not drawn")
{
    // A 7 x 7 cell: a key-coloured border around a block of colours.
    auto cell = [](int x, int y) {
        return (x == 0 || y == 0 || x == 6 || y == 6) ? skin::KeyColor : Unique(x, y);
    };
    Surface src(7, 7, cell);
    Surface dst(30, 30, Unique);
    Surface before(30, 30, Unique);
    CHECK(StretchSkinCell(dst.dc(), 2, 3, 20, 15, src.dc(), 0, 0, 7, 7, 2, 2, 2, 2,
                          skin::KeyColor) == 1);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            const bool inside = x >= 2 && x < 22 && y >= 3 && y < 18;
            const bool keyBorder = x == 2 || x == 21 || y == 3 || y == 17;
            if (!inside || keyBorder)
                CHECK(dst.at(x, y) == before.at(x, y));
            else
                CHECK(dst.at(x, y) != skin::KeyColor);
        }
    }
    CHECK(dst.at(3, 4) == src.at(1, 1));
    CHECK(dst.at(20, 16) == src.at(5, 5));
}
