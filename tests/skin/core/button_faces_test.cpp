// The four pre-rendered faces of a command button, and the blend that shows one of them.
#include <doctest.h>

#include <cstdlib>

#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/draw/button_faces.h"
#include "skin/draw/primitives.h"
#include "skin/support/skin_fixture.h"

using namespace skin;
using skintest::Pixel;

namespace {

constexpr int W = 80;
constexpr int H = 25;

HDC Face(HWND b, int state)
{
    return reinterpret_cast<HDC>(GetSkinProp(b, prop::FaceDc[state]));
}

// Source row of the face image that the stretch puts on row y of a 25-high face (rows 3..21
// come from the cell's rows 3..17, spread by the platform's nearest-pixel stretch).
int CellRowFor(int y)
{
    if (y < 3) return y;
    if (y >= H - 3) return 21 - (H - y);
    return 3 + (2 * (y - 3) + 1) * 15 / (2 * (H - 6));
}

struct SkinnedButton {
    test::Window parent = test::MakeTopLevel(L"FaceTestParent", 30, 30, 200, 100);
    HWND button;
    SkinnedButton(const wchar_t* caption, DWORD style = BS_PUSHBUTTON)
    {
        button = CreateWindowExW(0, L"Button", caption, WS_CHILD | WS_VISIBLE | style, 10, 10, W,
                                 H, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
        REQUIRE(SkinWindow(button) == 1);
    }
    ~SkinnedButton() { DestroyWindow(button); }
};

}  // namespace

TEST_CASE("each face is its state's cell stretched over the whole button")
{
    SkinnedButton b(L"");
    HDC image = SkinImages().ButtonFaceImage;
    for (int state = 0; state < 4; ++state) {
        CAPTURE(state);
        HDC face = Face(b.button, state);
        // Corners unscaled.
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x) {
                CHECK(Pixel(face, x, y) == Pixel(image, x, 21 * state + y));
                CHECK(Pixel(face, W - 3 + x, H - 3 + y) == Pixel(image, 4 + x, 21 * state + 18 + y));
            }
        // Border columns run down the edges; the inside is the centre column, row by row.
        for (int y = 3; y < H - 3; ++y) {
            const int row = 21 * state + CellRowFor(y);
            CHECK(Pixel(face, 0, y) == Pixel(image, 0, row));
            CHECK(Pixel(face, W - 1, y) == Pixel(image, 6, row));
            CHECK(Pixel(face, 3, y) == Pixel(image, 3, row));
            CHECK(Pixel(face, W / 2, y) == Pixel(image, 3, row));
            CHECK(Pixel(face, W - 4, y) == Pixel(image, 3, row));
        }
    }
}

TEST_CASE("the caption is black on faces 0 to 2 and 0x798A96 on face 3, inside the box")
{
    SkinnedButton plain(L"");
    SkinnedButton text(L"OK 刷新");
    auto brightness = [](std::uint32_t c) { return (c >> 16) + ((c >> 8) & 0xFF) + (c & 0xFF); };
    for (int state = 0; state < 4; ++state) {
        CAPTURE(state);
        int changed = 0;
        std::uint32_t darkest = 0xFFFFFF;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const std::uint32_t p = Pixel(Face(text.button, state), x, y);
                if (p == Pixel(Face(plain.button, state), x, y)) continue;
                ++changed;
                if (brightness(p) < brightness(darkest)) darkest = p;
                CHECK(x >= 2);
                CHECK(x < W - 2);
                CHECK(y >= 2);
                CHECK(y < H - 2);
            }
        CHECK(changed > 20);
        // Glyph edges may be smoothed; the strokes' cores are the caption colour itself.
        CHECK(darkest == (state == 3 ? 0x798A96u : 0x000000u));
    }
}

TEST_CASE("PaintButtonFace blends the face of OLDSTATE at ALPHALEVEL")
{
    SkinnedButton b(L"Go");
    HDC target = CreateSkinSurface(W, H);
    const std::uint32_t background = 0x204060;
    auto blendOnto = [&](int level) {
        FillSolidRect(target, 0, 0, W, H, background);
        SetSkinProp(b.button, prop::AlphaLevel, level);
        CHECK(PaintButtonFace(b.button, target) == 0);
    };
    auto channelsNear = [](std::uint32_t actual, std::uint32_t face, std::uint32_t back, int a) {
        for (int shift : {0, 8, 16}) {
            const int f = (face >> shift) & 0xFF, g = (back >> shift) & 0xFF;
            const int expected = (f * a + g * (255 - a)) / 255;
            if (std::abs(static_cast<int>((actual >> shift) & 0xFF) - expected) > 1) return false;
        }
        return true;
    };

    SUBCASE("level 0 leaves the target, 255 puts the face exactly, 140 mixes")
    {
        SetSkinProp(b.button, prop::OldState, 1);
        HDC face = Face(b.button, 1);
        blendOnto(0);
        CHECK(Pixel(target, 40, 12) == background);
        blendOnto(255);
        for (int y = 0; y < H; y += 3)
            for (int x = 0; x < W; x += 7) CHECK(Pixel(target, x, y) == Pixel(face, x, y));
        blendOnto(140);
        for (int y = 0; y < H; y += 3)
            for (int x = 0; x < W; x += 7)
                CHECK(channelsNear(Pixel(target, x, y), Pixel(face, x, y), background, 140));
    }

    SUBCASE("a disabled button shows face 3 whatever its state said")
    {
        SetSkinProp(b.button, prop::OldState, 1);
        EnableWindow(b.button, FALSE);
        blendOnto(255);
        CHECK(GetSkinProp(b.button, prop::OldState) == 3);
        CHECK(Pixel(target, 40, 5) == Pixel(Face(b.button, 3), 40, 5));
    }

    SUBCASE("a state without a face draws nothing")
    {
        SetSkinProp(b.button, prop::OldState, 4);
        blendOnto(255);
        CHECK(Pixel(target, 40, 12) == background);
    }

    DeleteSkinSurface(target);
}

TEST_CASE("a button whose saved style is not a push button gets faces but is never drawn")
{
    for (DWORD style : {DWORD(BS_CHECKBOX), DWORD(BS_RADIOBUTTON), DWORD(BS_GROUPBOX)}) {
        CAPTURE(style);
        SkinnedButton b(L"x", style);
        HDC target = CreateSkinSurface(W, H);
        FillSolidRect(target, 0, 0, W, H, 0x123456);
        SetSkinProp(b.button, prop::AlphaLevel, 255);
        PaintButtonFace(b.button, target);
        CHECK(Pixel(target, 40, 12) == 0x123456u);
        CHECK(Pixel(Face(b.button, 0), 0, 0) == Pixel(SkinImages().ButtonFaceImage, 0, 0));
        DeleteSkinSurface(target);
    }
}
