// The five skin images as built (sizes, key areas, stated pixels, shading schemes), and the drawing
// primitives with real GDI, pixel by pixel, none leaving a GDI object behind.
#include <functional>
#include <optional>
#include <string>
#include <tuple>

#include "skin/draw/primitives.h"
#include "skin/draw/skin_images.h"
#include "skin/support/skin_fixture.h"

using skin::Rgb;
using Colours = std::function<Rgb(int x, int y)>;

namespace {

enum Img { Face, Drop, Glyph, Circle, Header };
constexpr Rgb K = skin::BuiltInColors.key;
HDC skin::SkinImageSet::*const Surfaces[] = {&skin::SkinImageSet::ButtonFaceImage, &skin::SkinImageSet::DropButtonImage,
                                             &skin::SkinImageSet::CheckGlyphImage, &skin::SkinImageSet::OptionCircleImage,
                                             &skin::SkinImageSet::HeaderItemImage};
Rgb Px(Img i, int x, int y)  // from one set built for the whole program
{
    static const skin::SkinImageSet set = [] { skin::SkinImageSet s; skin::BuildSkinImageSet(s); return s; }();
    return test::DcPixel(set.*Surfaces[i], x, y);
}
int Luma(Rgb c) { return 299 * int(c >> 16 & 0xFF) + 587 * int(c >> 8 & 0xFF) + 114 * int(c & 0xFF); }

// The glyphs: arrows at (8, 0) of the drop button image; check mark, square and dot at (0, 0) and
// (9, 0) of the glyph image; the disc of each option circle. Elsewhere the key colour.
const char* const Arrows[] = {"XXXXXXX", ".XXXXX.", "..XXX..", "...X..."};
const char* const Glyphs[] = {"........X", ".......XX", "......XXX", "XX...XXX.", "XXX.XXX..", ".XXXXX...", "..XXX....", "...X.....",
                              ".........", ".XXXXXXX.", ".XXXXXXX.", ".XXXXXXX.", ".XXXXXXX.", ".XXXXXXX.", ".XXXXXXX.", ".XXXXXXX.",
                              ".........", ".........", "...XXX...", "..XXXXX..", "..XXXXX..", "..XXXXX..", "...XXX...", "........."};
const char* const Disc[] = {"...XXXXXXX...", "..XXXXXXXXX..", ".XXXXXXXXXXX.", "XXXXXXXXXXXXX"};
bool Keyed(Img i, int x, int y)
{
    if (i == Drop) return x >= 8 && (y >= 8 || Arrows[y % 4][x - 8] == '.');
    if (i == Glyph) return Glyphs[y][x % 9] == '.';
    return i == Circle && Disc[std::min({y % 13, 12 - y % 13, 3})][x] == '.';
}

// A skin surface whose pixel (x, y) is colour(x, y); deleted on scope exit.
struct Surface {
    Surface(int width, int height, const Colours& colour) : dc(skin::CreateSkinSurface(width, height)), w(width), h(height)
    {
        for (int p = 0; p < w * h; ++p) SetPixel(dc, p % w, p / w, skin::ToColorRef(colour(p % w, p / w)));
    }
    ~Surface() { skin::DeleteSkinSurface(dc); }
    Rgb at(int x, int y) const { return test::DcPixel(dc, x, y); }
    int Wrong(const Colours& expected) const  // pixels that differ from expected(x, y)
    {
        int n = 0;
        for (int p = 0; p < w * h; ++p) n += at(p % w, p / w) != expected(p % w, p / w);
        return n;
    }
    const HDC dc;
    const int w, h;
};
const Colours Unique = [](int x, int y) { return Rgb(20 + 5 * x) << 16 | (10 + 5 * y) << 8 | 128; };  // x, y < 40

}  // namespace

TEST_CASE("2,146 pixels in five surfaces: each written, as stated, the key colour exactly in the key areas") {
    const SIZE sizes[] = {{7, 84}, {15, 18}, {18, 24}, {13, 52}, {9, 20}};
    for (int i = 0; i < 5; ++i) {
        for (int p = 0; p < sizes[i].cx * sizes[i].cy; ++p) {
            INFO("image " << i << " (" << p % sizes[i].cx << ", " << p / sizes[i].cx << ")");
            const Rgb c = Px(Img(i), p % sizes[i].cx, p / sizes[i].cx);
            CHECK(((c == K) == Keyed(Img(i), p % sizes[i].cx, p / sizes[i].cx) && c != 0));  // a new bitmap is black; no scheme is
        }
        CHECK(Px(Img(i), sizes[i].cx, 0) + Px(Img(i), 0, sizes[i].cy) == 0x2000000u);  // nothing beyond
    }
    const std::tuple<Img, int, int, Rgb> stated[] = {  // image, x, y, colour
        {Face, 0, 0, 0xBFE1F9}, {Face, 1, 0, 0x6BB3E3}, {Face, 2, 0, 0x2C97D8}, {Face, 3, 0, 0x1B8FD5}, {Face, 0, 20, 0xCAE7FB},
        {Face, 1, 20, 0x60AEE1}, {Face, 2, 20, 0x2A96D8}, {Face, 3, 1, 0xFFFFFF}, {Face, 3, 3, 0xF1F8FC}, {Face, 3, 10, 0xD7EAF9},
        {Face, 3, 17, 0xB1D0EA}, {Face, 1, 38, 0x39BAF8}, {Face, 3, 26, 0xE4F2FC}, {Face, 3, 39, 0x99D2F3}, {Face, 3, 44, 0x86CCF3},
        {Face, 3, 56, 0xD6EEFC}, {Face, 3, 64, 0xF8FBFD}, {Face, 3, 80, 0xD2E3F3}, {Drop, 1, 0, 0xE8F9FF}, {Drop, 5, 17, 0xE6F8FE},
        {Drop, 2, 9, 0x91D1EF}, {Drop, 6, 1, 0x61B5E2}, {Circle, 6, 0, 0x83A6D2}, {Circle, 6, 26, 0x6489C1}, {Circle, 1, 19, 0xC4EAF8},
        {Header, 2, 9, 0x7AB0D9}, {Header, 5, 9, 0x4BA2DB}, {Header, 8, 19, 0xC0DAF2}, {Glyph, 8, 0, 0x54B71D}, {Glyph, 4, 18, 0x5CBA28}};
    for (auto [i, x, y, c] : stated) CHECK_MESSAGE(Px(i, x, y) == c, "image " << i << " (" << x << ", " << y << ")");
}

TEST_CASE("the schemes: near mirror images, graded faces, glyph rows of one colour, the drop face flipped, even rings") {
    int differing = 0;  // button faces: 24 pixel pairs about column 3 differ, near the rounded ends, by 7 at most
    for (int p = 0; p < 84 * 7; ++p) {
        const int x = p % 7, y = p / 7, cell = y / 21, row = y % 21;
        const Rgb a = Px(Face, x, y), b = Px(Face, 6 - x, y), centre = Px(Face, 3, y);
        INFO("row " << y << " column " << x);
        if (cell < 3 && row % 20 == 0) CHECK(a == Px(Face, x, row));  // rows 0 and 20 alike in cells 0-2
        if (row >= 3 && row <= 17 && x % 6 == 0) CHECK(a == (cell < 3 ? 0x1B8FD5u : 0x87C3E8u));  // the border
        // Flat across in normal and disabled, a lightest centre in hot and pressed.
        if (row >= 3 && row <= 17 && x % 6 && x != 3) CHECK((cell % 3 ? Luma(centre) > Luma(a) : x % 4 == 1 || a == centre));
        if (x > 2 || a == b) continue;
        ++differing;
        CHECK(((row >= 1 && row <= 5) || (row >= 16 && row <= 19)));
        for (int s : {0, 8, 16}) CHECK(std::abs(int(a >> s & 0xFF) - int(b >> s & 0xFF)) <= 7);
    }
    CHECK(differing == 24);
    for (int p = 0; p < 4 * 5 * 14; ++p) {  // columns 1-5 of each cell, steps from rows 3-16 to the next
        const int cell = p / 70, x = 1 + p / 14 % 5, y = 3 + p % 14;
        const int step = Luma(Px(Face, x, 21 * cell + y + 1)) - Luma(Px(Face, x, 21 * cell + y));
        INFO("cell " << cell << " column " << x << " row " << y);
        // Darker downwards in normal, hot (from its lightest row, 5) and disabled; lighter downwards in
        // pressed (to its lightest rows, 14-15); a visible step between rows 10 and 11.
        if (y == 10) CHECK((cell == 2 ? step > 0 : step < 0));
        else if (cell == 2 ? y < 15 : y >= (cell == 1 ? 5 : 3)) CHECK((cell == 2 ? step >= 0 : step <= 0));
    }
    const int grades[][5] = {  // image, column, rows first to last, sense: each channel darker (-1) or lighter (+1) downwards
        {Drop, 1, 0, 17, -1}, {Drop, 2, 1, 16, -1}, {Header, 2, 0, 9, -1}, {Header, 2, 10, 18, 1}, {Header, 5, 0, 9, -1},
        {Header, 5, 10, 18, 1}, {Header, 8, 0, 9, -1}, {Header, 8, 10, 18, 1}, {Header, 4, 0, 18, -1}, {Header, 7, 1, 18, 1}};
    for (auto [i, x, first, last, sense] : grades)
        for (int p = first * 3; p < last * 3; ++p)
            CHECK(sense * (int(Px(Img(i), x, p / 3 + 1) >> 8 * (p % 3) & 0xFF) - int(Px(Img(i), x, p / 3) >> 8 * (p % 3) & 0xFF)) >= 0);
    for (int p = 0; p < 18 * 16; ++p) {  // check marks, squares and arrows: one colour a row
        const int x = p % 18, y = p / 18;
        if (!Keyed(Glyph, x, y)) CHECK(Px(Glyph, x, y) == Px(Glyph, x - x % 9 + int(std::string(Glyphs[y]).find('X')), y));
        if (x >= 8 && x < 15 && y < 8 && !Keyed(Drop, x, y)) CHECK(Px(Drop, x, y) == (y < 4 ? 0x19555Fu : 0x84A5ACu));
    }
    for (int p = 0; p < 4 * 18; ++p)  // drop button: the line, equal sides of the centre; pressed is hot upside down
        CHECK((Px(Drop, p % 4 / 2 * 4, p / 4) == 0x4EA0D1u && Px(Drop, 1 + p % 2 * 4, p / 4) == Px(Drop, 3 + p % 2 * 4, p / 4) &&
               (p / 4 < 2 || p / 4 > 16 || Px(Drop, 4 + p % 4, p / 4) == Px(Drop, p % 4, 18 - p / 4))));
    for (int p = 0; p < 4 * 13 * 13; ++p) {  // option circles: normal and disabled mirrored; rings shaded by the angle alone
        const int x = p % 13, y = p / 13 % 13, cell = p / 169, top = 13 * cell;
        if (cell % 3 == 0) CHECK(Px(Circle, x, top + y) == Px(Circle, 12 - x, top + y));
        if (!Keyed(Circle, x, y) && (Keyed(Circle, x, y + 1) || Keyed(Circle, x + 1, y) || x % 12 == 0 || y % 12 == 0))
            CHECK((Px(Circle, x, top + y) == Px(Circle, y, top + x) && Px(Circle, x, top + y) == Px(Circle, 12 - x, top + 12 - y)));
    }
}

TEST_CASE("StretchSkinCell: nine-grid, whole cell, sizes too small or zero; BlitTransparent: all but the key colour, exactly; "
          "BlitGlyph enlarged: each pixel its source pixel at twice the size, in between edges blended, never the key colour") {
    const skintest::NoLeaks noLeaks;
    Surface src(7, 42, Unique), dst(100, 42, [](int, int) { return 0x123456u; });  // source: two cells stacked
    for (auto [dw, dh, sw, sh] : {std::tuple{0, 9, 7, 21}, {9, 0, 7, 21}, {9, 9, 0, 21}, {9, 9, 7, 0}})
        for (auto key : {std::optional<Rgb>(), std::optional<Rgb>(K)})
            CHECK(skin::StretchSkinCell(dst.dc, 1, 1, dw, dh, src.dc, 0, 0, sw, sh, 3, 3, 3, 3, key) == 0);
    // The second cell, margins 3, to 75 x 23 at (10, 5): corners unscaled; rows 3-17 spread over 17 by
    // nearest pixel, column 3 over 69.
    CHECK(skin::StretchSkinCell(dst.dc, 10, 5, 75, 23, src.dc, 0, 21, 7, 21, 3, 3, 3, 3) != 0);
    CHECK(dst.Wrong([&](int x, int y) {
        if (x < 10 || y < 5 || x >= 85 || y >= 28) return 0x123456u;
        return src.at(x < 13 ? x - 10 : x >= 82 ? x - 78 : 3, 21 + (y < 8 ? y - 5 : y >= 25 ? y - 7 : 3 + (2 * (y - 8) + 1) * 15 / 34));
    }) == 0);
    CHECK(skin::StretchSkinCell(dst.dc, 0, 0, 100, 42, src.dc, 0, 0, 5, 21, 0, 0, 0, 0) != 0);  // margins 0: all stretched
    CHECK(dst.Wrong([&](int x, int y) { return src.at(x / 20, y / 2); }) == 0);
    CHECK(skin::StretchSkinCell(dst.dc, 0, 0, 4, 4, src.dc, 0, 0, 7, 21, 3, 3, 3, 3) != 0);  // smaller than two margins
    CHECK(dst.at(0, 0) == src.at(0, 0));
    CHECK((skin::StretchSkinCell(dst.dc, 0, 0, 2, 5, src.dc, 0, 0, 7, 21, 3, 3, 3, 3, K) == 1 && !skin::CreateSkinSurface(100000, 100000)));

    // A glyph on the key colour, with what a mask most easily gets wrong: near keys, black, white.
    static const Rgb glyph[5][6] = {{K, 0xFE00FF, 0xFF01FF, 0xFF00FE, K, 0x000000}, {K, K, 0xFFFFFF, K, 0x19555F, K},
                                    {0x54B71D, K, K, K, K, 0x7F007F}, {K, 0xFF00FF, 0x010101, 0xFEFEFE, K, K},
                                    {0x84A5AC, K, K, K, 0x00FF00, K}};
    Surface keyed(6, 5, [](int x, int y) { return glyph[y][x]; });
    HPALETTE palette = CreateHalftonePalette(keyed.dc);
    const std::tuple<Rgb, int, int, int, int, int, int, HPALETTE> cases[] = {  // key, to x, y, from x, y, size, the caller's palette
        {K, 7, 9, 0, 0, 6, 5, nullptr}, {K, 7, 9, 0, 0, 6, 5, palette}, {K, 0, 25, 2, 1, 4, 3, nullptr}, {0x00FF00, 3, 3, 0, 0, 6, 5, nullptr}};
    for (auto [key, dx, dy, sx, sy, w, h, pal] : cases) {
        Surface on(30, 30, Unique);
        skin::BlitTransparent(on.dc, dx, dy, w, h, keyed.dc, sx, sy, key, pal);
        CHECK_MESSAGE(on.Wrong([&](int x, int y) {
            const Rgb s = x >= dx && x < dx + w && y >= dy && y < dy + h ? glyph[sy + y - dy][sx + x - dx] : key;
            return s == key ? Unique(x, y) : s;
        }) == 0, "key " << key << " to (" << dx << ", " << dy << "), palette " << pal);
    }
    CHECK(GetObjectType(palette) == OBJ_PAL);  // the caller's palette is left alone
    DeleteObject(palette);

    static const Rgb small[2][3] = {{0x2080C0, K, 0x000000}, {K, K, 0xFFFFFF}};
    Surface glyph3x2(3, 2, [](int x, int y) { return small[y][x]; }), twice(8, 6, Unique);
    skin::BlitGlyph(twice.dc, 1, 1, 6, 4, glyph3x2.dc, 0, 0, 3, 2, K);
    CHECK(twice.Wrong([](int x, int y) {
        const bool inside = x >= 1 && x < 7 && y >= 1 && y < 5;
        const Rgb s = inside ? small[(y - 1) / 2][(x - 1) / 2] : K;
        return s == K ? Unique(x, y) : s;
    }) == 0);
    // 3 x 2 to 4 x 3 over black: the corners take their pixel whole; the pixel right of the first
    // one lies a third on it and two thirds on key, so it shows a third of its colour.
    Surface between(4, 3, [](int, int) { return Rgb{0}; });
    skin::BlitGlyph(between.dc, 0, 0, 4, 3, glyph3x2.dc, 0, 0, 3, 2, K);
    for (auto [x, y, c] : {std::tuple{0, 0, 0x2080C0u}, {3, 2, 0xFFFFFFu}, {1, 0, 0x0B2B40u}, {1, 2, 0u}})  // (1, 2): all key beneath
        CHECK_MESSAGE(between.at(x, y) == c, x << ", " << y);
}

TEST_CASE("the signed halves of a message parameter; halves round to the even neighbour") {
    for (auto [value, lo, hi] : {std::tuple<DWORD, int, int>{0xFFFF0005, 5, -1}, {0x8000FFFF, -1, -32768}, {0x7FFF8000, -32768, 32767}})
        CHECK((skin::SignedLoWord(LPARAM(value)) == lo && skin::SignedHiWord(LPARAM(value)) == hi));
    for (auto [value, expected] : {std::pair{2.5, 2}, {3.5, 4}, {0.5, 0}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {37.5, 38},
                                   {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {37.0, 37}, {1e12, INT32_MAX}, {-1e12, INT32_MIN}})
        CHECK_MESSAGE(skin::RoundHalfEven(value) == expected, value);
}
