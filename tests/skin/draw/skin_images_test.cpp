// The five skin images, read back from the built surfaces: every stated pixel, the cells, the
// glyph shapes and key areas, and the shading schemes as properties.
#include <doctest.h>

#include <cmath>
#include <string>
#include <vector>

#include "draw_test_support.h"
#include "skin/draw/skin_images.h"

using drawtest::Luma;
using skin::KeyColor;
using skin::Rgb;

namespace {

constexpr Rgb K = KeyColor;

class BuiltImages {
public:
    BuiltImages() { skin::BuildSkinImageSet(set); }
    ~BuiltImages() { skin::ReleaseSkinImageSet(set); }
    skin::SkinImageSet set;
};

Rgb Px(HDC dc, int x, int y)
{
    return test::DcPixel(dc, x, y);
}

std::vector<Rgb> Row(HDC dc, int x, int y, int n)
{
    std::vector<Rgb> row;
    for (int i = 0; i < n; ++i) row.push_back(Px(dc, x + i, y));
    return row;
}

std::vector<Rgb> Column(HDC dc, int x, int y, int n)
{
    std::vector<Rgb> col;
    for (int i = 0; i < n; ++i) col.push_back(Px(dc, x, y + i));
    return col;
}

SIZE BitmapSize(HDC dc)
{
    BITMAP bm{};
    GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof bm, &bm);
    return {bm.bmWidth, bm.bmHeight};
}

std::vector<Rgb> AllPixels(HDC dc)
{
    const SIZE s = BitmapSize(dc);
    std::vector<Rgb> all;
    for (int y = 0; y < s.cy; ++y)
        for (int x = 0; x < s.cx; ++x) all.push_back(Px(dc, x, y));
    return all;
}

HDC Image(const skin::SkinImageSet& set, int i)
{
    const HDC all[] = {set.ButtonFaceImage, set.DropButtonImage, set.CheckGlyphImage,
                       set.OptionCircleImage, set.HeaderItemImage};
    return all[i];
}

int Channel(Rgb c, int shift)
{
    return int((c >> shift) & 0xFF);
}

int ChannelDistance(Rgb a, Rgb b)
{
    int d = 0;
    for (int shift : {0, 8, 16}) d = std::max(d, std::abs(Channel(a, shift) - Channel(b, shift)));
    return d;
}

// Brightness of rows first..last of a column never rises (falls with a negative sign).
bool NeverLighter(HDC dc, int x, int first, int last)
{
    for (int y = first; y < last; ++y)
        if (Luma(Px(dc, x, y + 1)) > Luma(Px(dc, x, y))) return false;
    return true;
}

bool NeverDarker(HDC dc, int x, int first, int last)
{
    for (int y = first; y < last; ++y)
        if (Luma(Px(dc, x, y + 1)) < Luma(Px(dc, x, y))) return false;
    return true;
}

}  // namespace

TEST_CASE("the set: five surfaces of the stated sizes, 2,146 pixels, every one written")
{
    BuiltImages images;
    const SIZE sizes[] = {{7, 84}, {15, 18}, {18, 24}, {13, 52}, {9, 20}};
    long pixels = 0;
    for (int i = 0; i < 5; ++i) {
        REQUIRE(Image(images.set, i) != nullptr);
        const SIZE s = BitmapSize(Image(images.set, i));
        CHECK(s.cx == sizes[i].cx);
        CHECK(s.cy == sizes[i].cy);
        pixels += s.cx * s.cy;
        // A new bitmap starts black; no scheme uses black.
        for (Rgb c : AllPixels(Image(images.set, i))) REQUIRE(c != 0x000000);
    }
    CHECK(pixels == 2146);
    CHECK(Px(images.set.ButtonFaceImage, 0, 0) == 0xBFE1F9);
    CHECK(Px(images.set.DropButtonImage, 8, 1) == K);
}

TEST_CASE("a released and rebuilt set equals the first one")
{
    skin::SkinImageSet set;
    skin::BuildSkinImageSet(set);
    std::vector<std::vector<Rgb>> first;
    for (int i = 0; i < 5; ++i) first.push_back(AllPixels(Image(set, i)));
    skin::ReleaseSkinImageSet(set);
    for (int i = 0; i < 5; ++i) CHECK(Image(set, i) == nullptr);
    skin::BuildSkinImageSet(set);
    for (int i = 0; i < 5; ++i) CHECK(AllPixels(Image(set, i)) == first[i]);
    skin::ReleaseSkinImageSet(set);
}

TEST_CASE("ButtonFaceImage")
{
    BuiltImages images;
    const HDC img = images.set.ButtonFaceImage;
    auto cellRow = [&](int cell, int row) { return Row(img, 0, 21 * cell + row, 7); };

    SUBCASE("telling rows")
    {
        struct {
            int cell, row;
            std::vector<Rgb> colours;
        } const rows[] = {
            {0, 1, {0x69B2E2, 0x7EC0E7, 0xE7F3FB, 0xFFFFFF, 0xE7F3FB, 0x7EC0E7, 0x69B2E2}},
            {0, 2, {0x2995D7, 0xECF6FC, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xECF6FC, 0x2995D7}},
            {0, 3, {0x1B8FD5, 0xF5FAFD, 0xF1F8FC, 0xF1F8FC, 0xF1F8FC, 0xF5FAFD, 0x1B8FD5}},
            {0, 10, {0x1B8FD5, 0xE3F0FB, 0xD7EAF9, 0xD7EAF9, 0xD7EAF9, 0xE3F0FB, 0x1B8FD5}},
            {0, 17, {0x1B8FD5, 0xC9DEF0, 0xB1D0EA, 0xB1D0EA, 0xB1D0EA, 0xC9DEF0, 0x1B8FD5}},
            {0, 19, {0x64B0E2, 0x68B2E1, 0xBBD8EE, 0xCCE0F1, 0xBBD8EE, 0x68B2E1, 0x62AFE1}},
            {1, 2, {0x2995D7, 0x3DBCF9, 0x8DDAFE, 0xC6EDFF, 0x8DDAFE, 0x3DBCF9, 0x2995D7}},
            {1, 10, {0x1B8FD5, 0x4AC2FB, 0xB9E4FC, 0xD9EDFB, 0xB9E4FC, 0x4AC2FB, 0x1B8FD5}},
            {1, 19, {0x64B0E2, 0x25A1E5, 0x33B5F6, 0x3FBBF8, 0x33B6F6, 0x24A1E5, 0x62AFE1}},
            {2, 2, {0x2995D7, 0x2EB6F8, 0x6FC9F8, 0x86CCF3, 0x6DC8F8, 0x2CB5F7, 0x2995D7}},
            {2, 10, {0x1B8FD5, 0x3FBDFB, 0xAADAF8, 0xC5E4F9, 0xAADAF8, 0x3FBDFB, 0x1B8FD5}},
            {2, 18, {0x2895D7, 0x36B9FA, 0x86D7FE, 0xAEE4FD, 0x88D7FE, 0x36BAFA, 0x2895D7}},
            {3, 0, {0xF2F7FB, 0xAFD5EF, 0x8FC7EA, 0x87C3E8, 0x8FC7EA, 0xAFD5EF, 0xF2F7FB}},
            {3, 2, {0x8EC6E9, 0xEFF7FB, 0xF8FBFD, 0xF8FBFD, 0xF8FBFD, 0xEFF7FB, 0x8EC6E9}},
            {3, 10, {0x87C3E8, 0xEBF4FB, 0xE5F1FA, 0xE5F1FA, 0xE5F1FA, 0xEBF4FB, 0x87C3E8}},
            {3, 20, {0xF2F6FB, 0xA9D2EE, 0x8EC6EA, 0x87C3E8, 0x8EC6EA, 0xA9D2EE, 0xF2F6FB}},
        };
        for (const auto& r : rows) {
            INFO("cell " << r.cell << " row " << r.row);
            CHECK(cellRow(r.cell, r.row) == r.colours);
        }
        for (int cell = 0; cell < 3; ++cell) {
            INFO("cell " << cell);
            CHECK(cellRow(cell, 0) == std::vector<Rgb>{0xBFE1F9, 0x6BB3E3, 0x2C97D8, 0x1B8FD5,
                                                       0x2C97D8, 0x6BB3E3, 0xBFE1F9});
            CHECK(cellRow(cell, 20) == std::vector<Rgb>{0xCAE7FB, 0x60AEE1, 0x2A96D8, 0x1B8FD5,
                                                        0x2A96D8, 0x60AEE1, 0xCAE7FB});
        }
    }

    SUBCASE("the centre column of each cell")
    {
        const std::vector<Rgb> centre[4] = {
            {0x1B8FD5, 0xFFFFFF, 0xFFFFFF, 0xF1F8FC, 0xEEF6FB, 0xEAF4FB, 0xE6F2FB, 0xE2F0FA, 0xDEEEFA,
             0xDAECF9, 0xD7EAF9, 0xCCE2F5, 0xC8DFF3, 0xC3DCF1, 0xBED8EF, 0xB8D5ED, 0xB4D2EB, 0xB1D0EA,
             0xB0CFE9, 0xCCE0F1, 0x1B8FD5},
            {0x1B8FD5, 0x4CC3FB, 0xC6EDFF, 0xD2EEFC, 0xDFF2FC, 0xE4F2FC, 0xE2F2FC, 0xE0F1FB, 0xDDF0FB,
             0xDBEEFB, 0xD9EDFB, 0xCBE4F7, 0xC7E1F5, 0xC2DEF3, 0xBCDBF2, 0xB7D7F1, 0xAFD5EF, 0xA7D4F2,
             0x99D2F3, 0x3FBBF8, 0x1B8FD5},
            {0x1B8FD5, 0x39BCFB, 0x86CCF3, 0x9FD4F3, 0xABD7F3, 0xB3D9F3, 0xB7DBF3, 0xBCDDF5, 0xBFE1F6,
             0xC3E2F8, 0xC5E4F9, 0xCFEBFB, 0xD1ECFB, 0xD4EDFC, 0xD6EEFC, 0xD6EFFC, 0xD1EEFC, 0xC3EAFD,
             0xAEE4FD, 0x40C1FD, 0x1B8FD5},
            {0x87C3E8, 0xF8FBFD, 0xF8FBFD, 0xF2F7FB, 0xF0F7FB, 0xEEF6FB, 0xECF5FB, 0xEAF4FB, 0xE8F3FB,
             0xE6F2FA, 0xE5F1FA, 0xDFEDF8, 0xDDEBF7, 0xDBEAF6, 0xD8E7F5, 0xD5E6F4, 0xD3E4F3, 0xD2E3F3,
             0xD1E3F2, 0xDFEBF6, 0x87C3E8},
        };
        for (int cell = 0; cell < 4; ++cell) {
            INFO("cell " << cell);
            CHECK(Column(img, 3, 21 * cell, 21) == centre[cell]);
        }
    }

    SUBCASE("border, highlight and face columns of rows 3-17")
    {
        const Rgb border[4] = {0x1B8FD5, 0x1B8FD5, 0x1B8FD5, 0x87C3E8};
        for (int cell = 0; cell < 4; ++cell) {
            for (int row = 3; row <= 17; ++row) {
                INFO("cell " << cell << " row " << row);
                const auto r = cellRow(cell, row);
                CHECK(r[0] == border[cell]);
                CHECK(r[6] == border[cell]);
                if (cell == 0 || cell == 3) {  // flat across
                    CHECK(r[2] == r[3]);
                    CHECK(r[4] == r[3]);
                } else {  // a glossy centre line
                    for (int x : {1, 2, 4, 5}) CHECK(Luma(r[3]) > Luma(r[x]));
                }
            }
        }
        // The hot highlight column.
        for (int row = 3; row <= 10; ++row) {
            const Rgb c = Px(img, 1, 21 + row);
            CHECK(c >= 0x46C1FB);
            CHECK(c <= 0x4CC3FB);
            CHECK((c & 0xFF) == 0xFB);
            CHECK(Channel(c, 8) >= 0xC1);
            CHECK(Channel(c, 8) <= 0xC3);
        }
        CHECK(Px(img, 1, 21 + 17) == 0x39BAF8);
        CHECK(NeverLighter(img, 1, 21 + 10, 21 + 17));
    }

    SUBCASE("the corners are light and nothing is the key colour")
    {
        for (int cell = 0; cell < 4; ++cell) {
            for (int y : {0, 20}) {
                for (int x : {0, 6}) {
                    const Rgb c = Px(img, x, 21 * cell + y);
                    CHECK(c != K);
                    CHECK(Luma(c) > Luma(0xB0D0F0));
                }
            }
        }
        for (Rgb c : AllPixels(img)) REQUIRE(c != K);
    }

    SUBCASE("24 mirror pairs differ, near the rounded ends, by at most 7 per channel")
    {
        int differing = 0;
        for (int y = 0; y < 84; ++y) {
            for (int x = 0; x < 3; ++x) {
                const Rgb a = Px(img, x, y), b = Px(img, 6 - x, y);
                if (a == b) continue;
                ++differing;
                const int row = y % 21;
                INFO("row " << y << " column " << x);
                CHECK(((row >= 1 && row <= 5) || (row >= 16 && row <= 19)));
                CHECK(ChannelDistance(a, b) <= 7);
            }
        }
        CHECK(differing == 24);
    }

    SUBCASE("graded downwards, with a step between rows 10 and 11")
    {
        for (int cell = 0; cell < 4; ++cell) {
            for (int x = 1; x <= 5; ++x) {
                INFO("cell " << cell << " column " << x);
                const int top = 21 * cell;
                const int step = Luma(Px(img, x, top + 11)) - Luma(Px(img, x, top + 10));
                // Darker below in normal, hot and disabled, lighter below in pressed.
                CHECK((cell == 2 ? step > 0 : step < 0));
                for (int y = 3; y < 17; ++y) {
                    if (y == 10) continue;
                    const int other = Luma(Px(img, x, top + y + 1)) - Luma(Px(img, x, top + y));
                    CHECK(std::abs(other) < std::abs(step));
                }
                if (cell == 0 || cell == 3) CHECK(NeverLighter(img, x, top + 3, top + 17));
                if (cell == 1) CHECK(NeverLighter(img, x, top + 5, top + 17));
                if (cell == 2) CHECK(NeverDarker(img, x, top + 3, top + 15));
            }
        }
        // Hot: lightest at row 5; pressed: lightest low down.
        for (int y = 0; y < 21; ++y) CHECK(Luma(Px(img, 3, 21 + y)) <= Luma(Px(img, 3, 21 + 5)));
        for (int y = 0; y < 21; ++y) CHECK(Luma(Px(img, 3, 42 + y)) <= Luma(Px(img, 3, 42 + 15)));
    }
}

TEST_CASE("DropButtonImage")
{
    BuiltImages images;
    const HDC img = images.set.DropButtonImage;
    auto face = [&](int state, int row) { return Row(img, state == 1 ? 0 : 4, row, 4); };

    SUBCASE("stated rows and the line column")
    {
        for (int y = 0; y < 18; ++y) {
            CHECK(Px(img, 0, y) == 0x4EA0D1);
            CHECK(Px(img, 4, y) == 0x4EA0D1);
        }
        CHECK(face(1, 0) == std::vector<Rgb>{0x4EA0D1, 0xE8F9FF, 0xE8F9FF, 0xE8F9FF});
        CHECK(face(1, 17) == std::vector<Rgb>{0x4EA0D1, 0xC0E1F3, 0xC0E1F3, 0xC0E1F3});
        CHECK(face(2, 0) == std::vector<Rgb>{0x4EA0D1, 0xBEE1F3, 0xBEE1F3, 0xBEE1F3});
        CHECK(face(2, 17) == std::vector<Rgb>{0x4EA0D1, 0xE6F8FE, 0xE6F8FE, 0xE6F8FE});
        CHECK(face(2, 1) == std::vector<Rgb>{0x4EA0D1, 0xC0E1F3, 0x61B5E2, 0xC0E1F3});
        CHECK(face(2, 9) == std::vector<Rgb>{0x4EA0D1, 0xD3EDF9, 0x91D1EF, 0xD3EDF9});
        CHECK(face(1, 9) == face(2, 9));
        CHECK(Px(img, 2, 1) == 0xC1EEFD);
        CHECK(Px(img, 2, 9) == 0x91D1EF);
        CHECK(Px(img, 2, 16) == 0x65B8E3);
    }

    SUBCASE("the pressed face is the hot one upside down")
    {
        for (int r = 2; r <= 16; ++r) {
            INFO("row " << r);
            CHECK(face(2, r) == face(1, 18 - r));
        }
    }

    SUBCASE("equal side columns round a darker centre, light at the top, deeper below")
    {
        for (int state : {1, 2}) {
            for (int y = 0; y < 18; ++y) {
                const auto f = face(state, y);
                CHECK(f[1] == f[3]);
                if (y >= 1 && y <= 16) CHECK(Luma(f[2]) < Luma(f[1]));
            }
        }
        CHECK(NeverLighter(img, 1, 0, 17));
        CHECK(NeverLighter(img, 2, 1, 16));
    }

    SUBCASE("arrow glyphs and the key colour around them")
    {
        const char* arrow[] = {"XXXXXXX", ".XXXXX.", "..XXX..", "...X..."};
        for (int y = 0; y < 18; ++y) {
            for (int x = 0; x < 7; ++x) {
                const bool glyph = y < 8 && arrow[y % 4][x] == 'X';
                const Rgb expected = !glyph ? K : (y < 4 ? 0x19555F : 0x84A5AC);
                INFO("x " << 8 + x << " y " << y);
                CHECK(Px(img, 8 + x, y) == expected);
            }
        }
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 8; ++x) CHECK(Px(img, x, y) != K);
    }
}

TEST_CASE("CheckGlyphImage: every pixel")
{
    BuiltImages images;
    const HDC img = images.set.CheckGlyphImage;

    std::vector<std::vector<Rgb>> expected(24, std::vector<Rgb>(18, K));
    const char* check[] = {"........X", ".......XX", "......XXX", "XX...XXX.",
                           "XXX.XXX..", ".XXXXX...", "..XXX....", "...X....."};
    const Rgb checkOn[] = {0x54B71D, 0x51B41B, 0x4DAF17, 0x48A913,
                           0x43A20F, 0x3E9C0A, 0x399606, 0x359102};
    const Rgb checkOff[] = {0xA8DA8C, 0xA6D98B, 0xA4D689, 0xA2D387,
                            0x9FD085, 0x9DCD82, 0x9AC980, 0x98C77E};
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 9; ++x) {
            if (check[y][x] != 'X') continue;
            expected[y][x] = checkOn[y];
            expected[y][9 + x] = checkOff[y];
        }
    }
    const Rgb squareOn[] = {0x51B41B, 0x4EB018, 0x49AB14, 0x45A410, 0x409E0C, 0x3B9807, 0x399606};
    const Rgb squareOff[] = {0xA6D98B, 0xA4D689, 0xA3D487, 0xA0D186, 0x9ECE83, 0x9BCA81, 0x9AC980};
    for (int i = 0; i < 7; ++i) {
        for (int x = 0; x < 7; ++x) {
            expected[9 + i][1 + x] = squareOn[i];
            expected[9 + i][10 + x] = squareOff[i];
        }
    }
    const std::vector<std::vector<Rgb>> dotOn = {
        {K, 0x87CC60, 0x5CBA28, 0x87CC60, K},
        {0x83C85E, 0x4FB119, 0x4FB119, 0x4FB119, 0x83C85E},
        {0x50AC1D, 0x47A812, 0x47A812, 0x47A812, 0x50AC1D},
        {0x78BA54, 0x3F9D0B, 0x3F9D0B, 0x3F9D0B, 0x78BA54},
        {K, 0x73B44F, 0x409910, 0x73B44F, K},
    };
    const std::vector<std::vector<Rgb>> dotOff = {
        {K, 0xC3E5AF, 0xADDC93, 0xC3E5AF, K},
        {0xC1E3AE, 0xA7D88C, 0xA7D88C, 0xA7D88C, 0xC1E3AE},
        {0xA7D58E, 0xA3D388, 0xA3D388, 0xA3D388, 0xA7D58E},
        {0xBBDCA9, 0x9FCE85, 0x9FCE85, 0x9FCE85, 0xBBDCA9},
        {K, 0xB9D9A7, 0x9FCC87, 0xB9D9A7, K},
    };
    for (int i = 0; i < 5; ++i) {
        for (int x = 0; x < 5; ++x) {
            expected[18 + i][2 + x] = dotOn[i][x];
            expected[18 + i][11 + x] = dotOff[i][x];
        }
    }
    for (int y = 0; y < 24; ++y) {
        INFO("row " << y);
        CHECK(Row(img, 0, y, 18) == expected[y]);
    }
    // The dot is a disc of 3, 5, 5, 5, 3 pixels.
    for (int i = 0; i < 5; ++i) {
        int width = 0;
        for (int x = 0; x < 9; ++x) width += Px(img, x, 18 + i) != K;
        CHECK(width == (i == 0 || i == 4 ? 3 : 5));
    }
}

TEST_CASE("OptionCircleImage")
{
    BuiltImages images;
    const HDC img = images.set.OptionCircleImage;
    const int widths[] = {7, 9, 11, 13, 13, 13, 13, 13, 13, 13, 11, 9, 7};
    auto inDisc = [&](int x, int y) {
        if (x < 0 || y < 0 || x > 12 || y > 12) return false;
        const int start = (13 - widths[y]) / 2;
        return x >= start && x < start + widths[y];
    };
    // The outermost ring: disc pixels next to a pixel outside it.
    auto onRing = [&](int x, int y) {
        return inDisc(x, y) && (!inDisc(x - 1, y) || !inDisc(x + 1, y) || !inDisc(x, y - 1) ||
                                !inDisc(x, y + 1));
    };
    const Rgb darkest[4] = {0x83A6D2, 0x83A6D2, 0x6489C1, 0xC1D2E8};

    SUBCASE("one outline, key colour outside it")
    {
        for (int cell = 0; cell < 4; ++cell) {
            for (int y = 0; y < 13; ++y) {
                for (int x = 0; x < 13; ++x) {
                    INFO("cell " << cell << " x " << x << " y " << y);
                    const Rgb c = Px(img, x, 13 * cell + y);
                    CHECK((c == K) == !inDisc(x, y));
                }
            }
        }
    }

    SUBCASE("top and middle rows")
    {
        const std::vector<Rgb> top[4] = {
            {K, K, K, 0xBCCFE7, 0x95B3D9, 0x86A8D3, 0x83A6D2, 0x86A8D3, 0x95B3D9, 0xBCCFE7, K, K, K},
            {K, K, K, 0xBCCFE7, 0x95B3D9, 0x86A8D3, 0x83A6D2, 0x86A8D3, 0x95B3D9, 0xBCCFE7, K, K, K},
            {K, K, K, 0xA4BCDD, 0x7699CA, 0x678BC2, 0x6489C1, 0x678BC2, 0x7699CA, 0xA4BCDD, K, K, K},
            {K, K, K, 0xDDE7F3, 0xCAD9EC, 0xC2D3E9, 0xC1D2E8, 0xC2D3E9, 0xCAD9EC, 0xDDE7F3, K, K, K},
        };
        const Rgb W = 0xFFFFFF;
        const std::vector<Rgb> middle[4] = {
            {0x83A6D2, 0xF3F7FA, 0xFDFEFE, W, W, W, W, W, W, W, 0xFDFEFE, 0xF3F7FA, 0x83A6D2},
            {0x83A6D2, 0xC4EAF8, 0xC5EBF8, 0xC7ECF9, 0xC9EDF9, 0xCCEEFA, 0xCFEEFA, 0xD0F0FA,
             0xD4F1FA, 0xD6F1FB, 0xD9F2FB, 0xDBF4FC, 0x83A6D2},
            {0x6489C1, 0xADE1F5, 0xAEE2F5, 0xB1E2F5, 0xB4E5F7, 0xB8E6F7, 0xBCE7F8, 0xBFEAF9,
             0xC3ECF9, 0xC8EDF9, 0xCDEFFA, 0xCFEFFA, 0x6489C1},
            {0xC1D2E8, 0xF9FBFC, 0xFEFEFE, W, W, W, W, W, W, W, 0xFEFEFE, 0xF9FBFC, 0xC1D2E8},
        };
        for (int cell = 0; cell < 4; ++cell) {
            INFO("cell " << cell);
            CHECK(Row(img, 0, 13 * cell, 13) == top[cell]);
            CHECK(Row(img, 0, 13 * cell + 6, 13) == middle[cell]);
        }
    }

    SUBCASE("an anti-aliased ring, darkest at the four extreme points")
    {
        const double pi = std::acos(-1.0);
        for (int cell = 0; cell < 4; ++cell) {
            const int top = 13 * cell;
            INFO("cell " << cell);
            CHECK(Px(img, 6, top) == darkest[cell]);
            CHECK(Px(img, 6, top + 12) == darkest[cell]);
            CHECK(Px(img, 0, top + 6) == darkest[cell]);
            CHECK(Px(img, 12, top + 6) == darkest[cell]);
            // The further a ring pixel lies from the nearest axis, the lighter it is.
            struct Point {
                double off;
                int luma;
            };
            std::vector<Point> ring;
            for (int y = 0; y < 13; ++y) {
                for (int x = 0; x < 13; ++x) {
                    if (!onRing(x, y)) continue;
                    const double a = std::atan2(std::abs(y - 6), std::abs(x - 6));
                    ring.push_back({std::min(a, pi / 2 - a), Luma(Px(img, x, top + y))});
                }
            }
            for (const Point& p : ring) {
                CHECK(p.luma >= Luma(darkest[cell]));
                for (const Point& q : ring)
                    if (p.off < q.off - 1e-9) CHECK(p.luma <= q.luma);
            }
        }
    }

    SUBCASE("fills: white in the middle of normal and disabled, diagonal blues in between")
    {
        for (int cell : {0, 3}) {
            const int top = 13 * cell;
            CHECK(Px(img, 6, top + 6) == 0xFFFFFF);
            for (int y = 0; y < 13; ++y)
                for (int x = 0; x < 6; ++x) CHECK(Px(img, x, top + y) == Px(img, 12 - x, top + y));
            // Shading from the middle towards the ring.
            for (int y = 0; y < 13; ++y) {
                for (int x = 0; x < 13; ++x) {
                    if (!inDisc(x, y) || onRing(x, y)) continue;
                    for (int v = 0; v < 13; ++v) {
                        for (int u = 0; u < 13; ++u) {
                            if (!inDisc(u, v) || onRing(u, v)) continue;
                            const int d1 = (x - 6) * (x - 6) + (y - 6) * (y - 6);
                            const int d2 = (u - 6) * (u - 6) + (v - 6) * (v - 6);
                            if (d1 < d2) CHECK(Luma(Px(img, x, top + y)) >= Luma(Px(img, u, top + v)));
                        }
                    }
                }
            }
        }
        // Hot grades from the upper left to the lower right, pressed from the lower left to
        // the upper right; neither is symmetric.
        struct Grade {
            int cell;
            int sx, sy;  // direction in which the fill gets lighter
            Rgb darkestFill, lightestFill;
        } const grades[] = {{1, 1, 1, 0xC3EAF8, 0xE1F5FD}, {2, 1, -1, 0xADE1F5, 0xD5F1FD}};
        for (const Grade& g : grades) {
            INFO("cell " << g.cell);
            const int top = 13 * g.cell;
            int minLuma = 1 << 30, maxLuma = -1;
            Rgb minColour = 0, maxColour = 0;
            for (int y = 0; y < 13; ++y) {
                for (int x = 0; x < 13; ++x) {
                    if (!inDisc(x, y) || onRing(x, y)) continue;
                    const Rgb c = Px(img, x, top + y);
                    if (Luma(c) < minLuma) minLuma = Luma(c), minColour = c;
                    if (Luma(c) > maxLuma) maxLuma = Luma(c), maxColour = c;
                    for (int v = 0; v < 13; ++v) {
                        for (int u = 0; u < 13; ++u) {
                            if (!inDisc(u, v) || onRing(u, v)) continue;
                            if (g.sx * x + g.sy * y < g.sx * u + g.sy * v)
                                CHECK(Luma(c) <= Luma(Px(img, u, top + v)));
                        }
                    }
                }
            }
            CHECK(minColour == g.darkestFill);
            CHECK(maxColour == g.lightestFill);
            bool symmetric = true;
            for (int y = 0; y < 13; ++y)
                for (int x = 0; x < 6; ++x)
                    symmetric = symmetric && Px(img, x, top + y) == Px(img, 12 - x, top + y);
            CHECK(!symmetric);
        }
    }

    SUBCASE("the check-box strips lie inside the hot and pressed circles")
    {
        for (int top : {17, 30}) {
            for (int y = top; y < top + 5; ++y) {
                for (int x = 1; x < 12; ++x) {
                    CHECK(Px(img, x, y) != K);
                    CHECK(!onRing(x, y % 13));
                }
            }
        }
    }
}

TEST_CASE("HeaderItemImage")
{
    BuiltImages images;
    const HDC img = images.set.HeaderItemImage;

    SUBCASE("telling rows and the separator")
    {
        CHECK(Row(img, 0, 0, 9) == std::vector<Rgb>{0xEAF5FE, 0xEAF5FE, 0xEAF5FE, 0xBDE6FD, 0xD3EEFE,
                                                    0xBDE6FD, 0x97D7FB, 0x97D7FB, 0x97D7FB});
        CHECK(Row(img, 0, 9, 9) == std::vector<Rgb>{0xEDF5FB, 0xD3E5F6, 0x7AB0D9, 0x5EC2FA, 0xAFE1FD,
                                                    0x4BA2DB, 0x5EC2FA, 0xB0E7FF, 0x4BA2DB});
        CHECK(Row(img, 0, 18, 9) == std::vector<Rgb>{0xD3E5F6, 0xD3E5F6, 0xD3E5F6, 0x73CCFB, 0xA8DDFC,
                                                     0x73CCFB, 0xA8E3FD, 0xC8F2FF, 0xA8E3FD});
        CHECK(Row(img, 0, 19, 9) == std::vector<Rgb>(9, 0xC0DAF2));
        for (Rgb c : AllPixels(img)) REQUIRE(c != K);
    }

    SUBCASE("normal: a pale face with a light left and a darker right edge")
    {
        CHECK(Px(img, 2, 10) == 0x7AB0D9);
        for (int y = 0; y < 19; ++y) {
            CHECK(Luma(Px(img, 0, y)) >= Luma(Px(img, 1, y)));
            CHECK(Luma(Px(img, 2, y)) <= Luma(Px(img, 1, y)));
        }
    }

    SUBCASE("hot and pressed: left column, right column darkest at rows 9-10, light centre")
    {
        for (int y = 5; y <= 17; ++y) CHECK(Px(img, 3, y) == 0x5EC2FA);
        for (int y = 3; y <= 12; ++y) CHECK(Px(img, 6, y) == 0x5EC2FA);
        for (int x : {2, 5, 8}) {
            INFO("column " << x);
            CHECK(NeverLighter(img, x, 0, 9));
            CHECK(NeverDarker(img, x, 10, 18));
            CHECK(Px(img, x, 9) == Px(img, x, 10));
        }
        CHECK(Px(img, 5, 10) == 0x4BA2DB);
        CHECK(Px(img, 8, 10) == 0x4BA2DB);
        CHECK(NeverLighter(img, 4, 0, 18));
        CHECK(Px(img, 7, 1) == 0x9FDCFF);
        CHECK(NeverDarker(img, 7, 1, 18));
        CHECK(Px(img, 7, 16) == 0xC8F2FF);
        CHECK(Px(img, 7, 17) == 0xC8F2FF);
    }
}
