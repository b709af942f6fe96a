// The four pre-rendered faces of a command button, and the blend that shows one of them.
#include <doctest.h>

#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/draw/primitives.h"
#include "skin/paint/button_faces.h"
#include "skin/support/skin_fixture.h"

using namespace skin;
using skintest::FaceOf;
using skintest::Pixel;

namespace {

constexpr int W = 80, H = 25;

struct SkinnedButton {
    test::Window parent = test::MakeTopLevel(L"FaceTestParent", 30, 30, 200, 100);
    HWND button;
    explicit SkinnedButton(const wchar_t* caption, DWORD style = BS_PUSHBUTTON)
        : button(test::MakeChild(parent, L"Button", caption, style, 10, 10, W, H).release())
    {
        REQUIRE(SkinWindow(button) == 1);
    }
};

// Row of the 21-row cell that the stretch puts on row y of a 25-high face: corners and edges
// keep 3 rows, the 15 rows 3..17 spread over 19 by the platform's nearest-pixel stretch.
int CellRow(int y)
{
    return y < 3 ? y : y >= H - 3 ? 21 - (H - y) : 3 + (2 * (y - 3) + 1) * 15 / (2 * (H - 6));
}

}  // namespace

TEST_CASE("each face is its state's cell stretched over the button, with the caption on it")
{
    SkinnedButton plain(L"");
    SkinnedButton text(L"OK 刷新");
    HDC image = SkinImages().ButtonFaceImage;
    for (int state = 0; state < 4; ++state) {
        CAPTURE(state);
        HDC face = FaceOf(plain.button, state);
        for (int y = 0; y < H; ++y) {
            const int row = 21 * state + CellRow(y);
            CHECK(Pixel(face, 0, y) == Pixel(image, 0, row));
            CHECK(Pixel(face, 2, y) == Pixel(image, 2, row));
            CHECK(Pixel(face, W / 2, y) == Pixel(image, 3, row));
            CHECK(Pixel(face, W - 1, y) == Pixel(image, 6, row));
        }
        // The caption: inside the box 2 pixels in, its strokes' cores in the state's colour.
        int changed = 0;
        std::uint32_t darkest = 0xFFFFFF;
        auto sum = [](std::uint32_t c) { return (c >> 16) + ((c >> 8) & 0xFF) + (c & 0xFF); };
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const std::uint32_t p = Pixel(FaceOf(text.button, state), x, y);
                if (p == Pixel(face, x, y)) continue;
                ++changed;
                CHECK((x >= 2 && x < W - 2 && y >= 2 && y < H - 2));
                if (sum(p) < sum(darkest)) darkest = p;
            }
        CHECK(changed > 20);
        CHECK(darkest == (state == 3 ? 0x798A96u : 0u));
    }
}

TEST_CASE("PaintButtonFace blends the face of OLDSTATE at ALPHALEVEL, face 3 when disabled")
{
    SkinnedButton b(L"Go");
    SkinnedButton check(L"x", BS_CHECKBOX);
    HDC target = CreateSkinSurface(W, H);
    auto blend = [&](HWND button, INT_PTR state, INT_PTR level) {
        FillSolidRect(target, 0, 0, W, H, 0x204060);
        SetSkinProp(button, prop::OldState, state);
        SetSkinProp(button, prop::AlphaLevel, level);
        PaintButtonFace(button, target);
    };
    blend(b.button, 1, 0);
    CHECK(Pixel(target, 40, 12) == 0x204060u);
    blend(b.button, 1, 255);
    CHECK(Pixel(target, 40, 12) == Pixel(FaceOf(b.button, 1), 40, 12));
    blend(b.button, 1, 140);
    for (int x = 0; x < W; x += 5) {
        const std::uint32_t face = Pixel(FaceOf(b.button, 1), x, 6), got = Pixel(target, x, 6);
        for (int shift : {0, 8, 16}) {
            const int expected = (((face >> shift) & 0xFF) * 140 + ((0x204060 >> shift) & 0xFF) * 115) / 255;
            CHECK(std::abs(static_cast<int>((got >> shift) & 0xFF) - expected) <= 1);
        }
    }
    blend(b.button, 4, 255);  // a state without a face
    CHECK(Pixel(target, 40, 12) == 0x204060u);
    blend(check.button, 0, 255);  // saved style not a push button: never drawn
    CHECK(Pixel(target, 40, 12) == 0x204060u);

    EnableWindow(b.button, FALSE);
    blend(b.button, 1, 255);
    CHECK(GetSkinProp(b.button, prop::OldState) == 3);
    CHECK(Pixel(target, 40, 5) == Pixel(FaceOf(b.button, 3), 40, 5));
    DeleteSkinSurface(target);
}
