// BlitTransparent with real GDI: exact colours where the source is not the key colour, the
// destination untouched where it is.
#include <doctest.h>

#include "draw_test_support.h"

using drawtest::Surface;
using drawtest::Unique;
using skin::BlitTransparent;
using skin::KeyColor;
using skin::Rgb;

namespace {

// A glyph on a key-colour background, with the colours a mask is most likely to get wrong:
// the key's near neighbours, black and white.
Rgb Glyph(int x, int y)
{
    static const Rgb rows[5][6] = {
        {KeyColor, 0xFE00FF, 0xFF01FF, 0xFF00FE, KeyColor, 0x000000},
        {KeyColor, KeyColor, 0xFFFFFF, KeyColor, 0x19555F, KeyColor},
        {0x54B71D, KeyColor, KeyColor, KeyColor, KeyColor, 0x7F007F},
        {KeyColor, 0xFF00FF, 0x010101, 0xFEFEFE, KeyColor, KeyColor},
        {0x84A5AC, KeyColor, KeyColor, KeyColor, 0x00FF00, KeyColor},
    };
    return rows[y][x];
}

void CheckBlitResult(const Surface& dst, const Surface& before, const Surface& src, int dx,
                     int dy, int sx, int sy, int w, int h)
{
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            const bool inside = x >= dx && x < dx + w && y >= dy && y < dy + h;
            const Rgb s = inside ? src.at(sx + x - dx, sy + y - dy) : KeyColor;
            INFO("x " << x << " y " << y);
            CHECK(dst.at(x, y) == (s == KeyColor ? before.at(x, y) : s));
        }
    }
}

}  // namespace

TEST_CASE("BlitTransparent copies every non-key pixel exactly and no key pixel")
{
    Surface src(6, 5, Glyph);
    Surface dst(30, 30, Unique);
    const Surface before(30, 30, Unique);
    const drawtest::LeakCheck check;

    SUBCASE("with its own halftone palette")
    {
        BlitTransparent(dst.dc(), 7, 9, 6, 5, src.dc(), 0, 0, KeyColor);
        CheckBlitResult(dst, before, src, 7, 9, 0, 0, 6, 5);
        // Display context, palette, three work contexts and their three bitmaps.
        CHECK(check.Created() == 8);
    }
    SUBCASE("with a palette passed in, which it leaves alone")
    {
        HDC screen = GetDC(nullptr);
        HPALETTE palette = CreateHalftonePalette(screen);
        ReleaseDC(nullptr, screen);
        BlitTransparent(dst.dc(), 7, 9, 6, 5, src.dc(), 0, 0, KeyColor, palette);
        CheckBlitResult(dst, before, src, 7, 9, 0, 0, 6, 5);
        CHECK(check.Created() == 7);
        CHECK(GetObjectType(palette) == OBJ_PAL);
        DeleteObject(palette);
    }
    SUBCASE("a block from inside the source, whatever colours the source context holds")
    {
        SetBkColor(src.dc(), RGB(1, 2, 3));
        SetTextColor(src.dc(), RGB(250, 0, 250));
        BlitTransparent(dst.dc(), 0, 25, 4, 3, src.dc(), 2, 1, KeyColor);
        CheckBlitResult(dst, before, src, 0, 25, 2, 1, 4, 3);
    }
    SUBCASE("another key colour")
    {
        Surface src2(6, 5, [](int x, int y) { return x == y ? 0x00FF00u : Glyph(x, y); });
        BlitTransparent(dst.dc(), 3, 3, 6, 5, src2.dc(), 0, 0, 0x00FF00);
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 6; ++x) {
                const Rgb s = src2.at(x, y);
                CHECK(dst.at(3 + x, 3 + y) == (s == 0x00FF00 ? before.at(3 + x, 3 + y) : s));
            }
        }
    }
    CHECK(check.LeftBehind().empty());
}
