// The primitives with real GDI, and no GDI object outliving the call that made it.
#include <doctest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "skin/draw/gdi_objects.h"
#include "skin/draw/primitives.h"
#include "skin/draw/skin_images.h"
#include "skin/support/skin_fixture.h"
#include "support/test_window.h"

using skin::Rgb;
using skin::StretchSkinCell;
using Colours = std::function<Rgb(int x, int y)>;

namespace {

constexpr Rgb Ground = 0x123456, K = skin::KeyColor;

// A skin surface whose pixel (x, y) is colour(x, y); deleted on scope exit.
struct Surface {
    Surface(int width, int height, const Colours& colour)
        : dc(skin::CreateSkinSurface(width, height)), w(width), h(height)
    {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) SetPixel(dc, x, y, skin::ToColorRef(colour(x, y)));
    }
    Surface(const Surface&) = delete;
    ~Surface() { skin::DeleteSkinSurface(dc); }
    Rgb at(int x, int y) const { return test::DcPixel(dc, x, y); }
    int Wrong(const Colours& expected) const  // pixels that differ from expected(x, y)
    {
        int n = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) n += at(x, y) != expected(x, y);
        return n;
    }
    const HDC dc;
    const int w, h;
};

// A colour different at every position of a small surface (x, y < 40).
const Colours Unique = [](int x, int y) { return Rgb(20 + 5 * x) << 16 | (10 + 5 * y) << 8 | 128; };

}  // namespace

TEST_CASE("StretchSkinCell")
{
    Surface src(7, 42, Unique);  // two 7 x 21 cells, stacked as in ButtonFaceImage
    Surface dst(100, 42, [](int, int) { return Ground; });

    SUBCASE("the second cell, margins 3, to 75 x 23: corners unscaled, column 3 in the centre")
    {
        CHECK(StretchSkinCell(dst.dc, 10, 5, 75, 23, src.dc, 0, 21, 7, 21, 3, 3, 3, 3) != 0);
        // The cell row each destination row shows: 1:1 at the edges, found in column 3 between.
        std::vector<int> rows;
        for (int y = 0; y < 23; ++y) {
            rows.push_back(y < 3 ? y : y >= 20 ? y - 2 : -1);
            for (int r = 3; rows[y] < 0 && r <= 17; ++r)
                if (dst.at(13, 5 + y) == src.at(3, 21 + r)) rows[y] = r;
        }
        CHECK(std::is_sorted(rows.begin(), rows.end()));
        CHECK(std::set<int>(rows.begin(), rows.end()).size() == 21);  // every cell row shows
        CHECK(dst.Wrong([&](int x, int y) {
            if (x < 10 || y < 5 || x >= 10 + 75 || y >= 5 + 23) return Ground;
            x -= 10;
            return src.at(x < 3 ? x : x >= 72 ? x - 68 : 3, 21 + rows[y - 5]);
        }) == 0);
    }
    SUBCASE("all margins 0 stretch the whole cell")
    {
        CHECK(StretchSkinCell(dst.dc, 0, 0, 100, 42, src.dc, 0, 0, 5, 21, 0, 0, 0, 0) != 0);
        CHECK(dst.Wrong([&](int x, int y) { return src.at(x / 20, y / 2); }) == 0);
    }
    SUBCASE("a zero size draws nothing, makes nothing and returns 0; a small one works")
    {
        const skintest::CreatedObjects made;
        const HDC d = dst.dc, s = src.dc;
        for (auto [dw, dh, sw, sh] :
             {std::tuple{0, 9, 7, 21}, {9, 0, 7, 21}, {9, 9, 0, 21}, {9, 9, 7, 0}}) {
            CHECK(StretchSkinCell(d, 1, 1, dw, dh, s, 0, 0, sw, sh, 3, 3, 3, 3) == 0);
            CHECK(StretchSkinCell(d, 1, 1, dw, dh, s, 0, 0, sw, sh, 3, 3, 3, 3, K) == 0);
        }
        CHECK(made.Created() == 0);
        CHECK(dst.Wrong([](int, int) { return Ground; }) == 0);
        // A destination smaller than two margins does not crash.
        CHECK(StretchSkinCell(dst.dc, 0, 0, 4, 4, src.dc, 0, 0, 7, 21, 3, 3, 3, 3) != 0);
        CHECK(dst.at(0, 0) == src.at(0, 0));  // in the top-left corner alone
        CHECK(StretchSkinCell(dst.dc, 0, 0, 1, 1, src.dc, 0, 0, 7, 21, 3, 3, 3, 3) != 0);
        CHECK(StretchSkinCell(dst.dc, 0, 0, 2, 5, src.dc, 0, 0, 7, 21, 3, 3, 3, 3, K) == 1);
    }
}

TEST_CASE("BlitTransparent copies every pixel but the key colour exactly, and no other")
{
    // A glyph on the key colour, with what a mask most easily gets wrong: near keys, black, white.
    static const Rgb glyph[5][6] = {{K, 0xFE00FF, 0xFF01FF, 0xFF00FE, K, 0x000000},
                                    {K, K, 0xFFFFFF, K, 0x19555F, K},
                                    {0x54B71D, K, K, K, K, 0x7F007F},
                                    {K, 0xFF00FF, 0x010101, 0xFEFEFE, K, K},
                                    {0x84A5AC, K, K, K, 0x00FF00, K}};
    Surface src(6, 5, [](int x, int y) { return glyph[y][x]; });
    HPALETTE palette = CreateHalftonePalette(src.dc);
    // Key, destination x and y, source x and y, width, height, the caller's palette.
    const std::tuple<Rgb, int, int, int, int, int, int, HPALETTE> cases[] = {
        {K, 7, 9, 0, 0, 6, 5, nullptr}, {K, 7, 9, 0, 0, 6, 5, palette},
        {K, 0, 25, 2, 1, 4, 3, nullptr}, {0x00FF00, 3, 3, 0, 0, 6, 5, nullptr}};
    for (auto [key, dx, dy, sx, sy, w, h, pal] : cases) {
        INFO("key " << key << " to (" << dx << ", " << dy << "), palette " << pal);
        Surface dst(30, 30, Unique);
        skin::BlitTransparent(dst.dc, dx, dy, w, h, src.dc, sx, sy, key, pal);
        CHECK(dst.Wrong([&](int x, int y) {
            const bool inside = x >= dx && x < dx + w && y >= dy && y < dy + h;
            const Rgb s = inside ? glyph[sy + y - dy][sx + x - dx] : key;
            return s == key ? Unique(x, y) : s;
        }) == 0);
    }
    DeleteObject(palette);
}

TEST_CASE("a long Chinese caption is cut with an ellipsis; the caption of an empty window")
{
    // A font with the Chinese glyphs, deleted after the surfaces it is selected into.
    const std::unique_ptr<HFONT__, decltype(&DeleteObject)> font(
        CreateFontW(-14, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0,
                    L"SimSun"),
        &DeleteObject);
    const Colours white = [](int, int) { return 0xFFFFFFu; };
    Surface shown(90, 24, white), expected(90, 24, white);
    const std::wstring caption = L"删除缓存删除缓存删除缓存删除缓存删除缓存";
    std::wstring cut = caption + std::wstring(4, L'\0');
    RECT r{0, 0, 90, 24};
    for (HDC dc : {shown.dc, expected.dc}) SelectObject(dc, font.get());
    skin::DrawCaptionText(shown.dc, caption, 0, 0, 90, 24, skin::CaptionTextFormat);
    CHECK(shown.Wrong(white) > 20);
    // What the platform makes of the caption in that box, drawn without cutting, looks the same.
    DrawTextW(expected.dc, cut.data(), -1, &r, skin::CaptionTextFormat | DT_MODIFYSTRING);
    PatBlt(expected.dc, 0, 0, 90, 24, WHITENESS);
    cut = cut.c_str();
    CHECK(cut.substr(0, 2) == L"删除");
    CHECK(cut.find(L"...") != std::wstring::npos);
    DrawTextW(expected.dc, cut.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    CHECK(shown.Wrong([&](int x, int y) { return expected.at(x, y); }) == 0);

    test::Window win = test::MakeTopLevel(L"DrawPrimitivesWindow", 40, 50, 200, 100, L"");
    CHECK(skin::GetWindowCaption(win) == L"");
}

TEST_CASE("the signed halves of a message parameter; halves round to the even neighbour")
{
    const std::tuple<DWORD, int, int> halves[] = {
        {0xFFFF0005, 5, -1}, {0x8000FFFF, -1, -32768}, {0x7FFF8000, -32768, 32767},
        {0x002D0078, 120, 45}};
    for (auto [value, lo, hi] : halves) {
        CHECK_MESSAGE(skin::SignedLoWord(LPARAM(value)) == lo, value);
        CHECK_MESSAGE(skin::SignedHiWord(LPARAM(value)) == hi, value);
    }
    const std::pair<double, int> rounded[] = {
        {2.5, 2}, {3.5, 4}, {1.5, 2}, {0.5, 0}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {-3.5, -4},
        {37.5, 38}, {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {37.0, 37}, {1e12, INT32_MAX}};
    for (auto [value, expected] : rounded)
        CHECK_MESSAGE(skin::RoundHalfEven(value) == expected, value);
}

// Both the skin's own live count comes back and each handle it made is gone (GetObjectType 0).
TEST_CASE("1,000 calls of each primitive, 100 builds of the image set: nothing left behind")
{
    using namespace skin;
    const HDC s = CreateSkinSurface(13, 52), d = CreateSkinSurface(80, 30);
    test::Window win = test::MakeTopLevel(L"DrawLeakWindow", 10, 10, 120, 60, L"刷新");
    HPALETTE palette = CreateHalftonePalette(d);
    WindowBounds bounds;
    const RECT box{1, 1, 10, 10};
    const Rgb key = KeyColor;
    const struct {
        std::string name;
        std::function<void()> call;
        int made;  // objects per call: shows the calls really go through the counted layer
        int times = 1000, leaked = 0;
    } calls[] = {
        {"surface", [] { DeleteSkinSurface(CreateSkinSurface(75, 23)); }, 3},
        {"surface too large", [] { CHECK(!CreateSkinSurface(100000, 100000)); }, 2},
        {"stretch", [&] { StretchSkinCell(d, 0, 0, 75, 23, s, 0, 0, 7, 21, 3, 3, 3, 3); }, 3},
        {"stretch small", [&] { StretchSkinCell(d, 0, 0, 4, 4, s, 0, 0, 7, 21, 3, 3, 3, 3); }, 3},
        {"keyed", [&] { StretchSkinCell(d, 1, 1, 20, 20, s, 0, 13, 13, 13, 5, 5, 5, 5, key); }, 11},
        {"blit", [&] { BlitTransparent(d, 3, 3, 13, 13, s, 0, 0, key); }, 8},
        {"blit, palette", [&] { BlitTransparent(d, 3, 3, 13, 13, s, 0, 0, key, palette); }, 7},
        {"fill", [&] { FillSolidRect(d, 1, 1, 9, 9, 0x4CD6F6); }, 1},
        {"frame", [&] { FrameSolidRect(d, 1, 1, 9, 9, 0x54A5D5); }, 1},
        {"focus box", [&] { DrawFocusBox(d, 1, 1, 9, 9); }, 0},
        {"caption", [&] { DrawCaptionText(d, L"删除缓存", 0, 0, 40, 20, CaptionTextFormat); }, 0},
        {"bounds", [&] { GetWindowBounds(win, bounds); }, 0},
        {"window text", [&] { CHECK(GetWindowCaption(win) == L"刷新"); }, 0},
        {"image set",
         [] { SkinImageSet set; BuildSkinImageSet(set); ReleaseSkinImageSet(set); }, 2 + 5 * 2, 100},
        // The check itself: a fill that forgets to delete its brush is caught every time.
        {"leaky fill", [&] { FillRect(d, &box, gdi::CreateSolidBrush(0x4CD6F6)); }, 1, 1000, 1},
    };
    for (const auto& c : calls) {
        INFO("call: " << c.name);
        const long live = gdi::LiveObjectCount();
        const skintest::CreatedObjects created;
        for (int i = 0; i < c.times; ++i) c.call();
        CHECK(created.Created() == c.times * c.made);
        CHECK(gdi::LiveObjectCount() - live == c.times * c.leaked);
        const auto alive = created.StillAlive();
        CHECK(alive.size() == size_t(c.times * c.leaked));
        for (HGDIOBJ object : alive) gdi::DeleteObject(object);
    }
    CHECK(GetObjectType(palette) == OBJ_PAL);  // the caller's palette is left alone
    DeleteObject(palette);
    for (HDC surface : {s, d}) DeleteSkinSurface(surface);
}
