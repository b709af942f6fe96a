// Whole fades on the real 15 ms timer: how many blends they make and what they leave on screen.
#include <doctest.h>

#include "button_test_window.h"
#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/interact/fade_timer.h"
#include "skin/support/skin_fixture.h"

using namespace interacttest;
namespace prop = skin::prop;

TEST_CASE("a fade from 0 makes 86 blends, one from 60 makes 66, and ends on the target face")
{
    CountedButtonWindow w;
    skintest::MessageCounter& ticks = w.ticks;

    struct Fade {
        INT_PTR target, start;
        int blends;
    };
    for (const Fade& fade : {Fade{1, 0, 86}, Fade{0, 60, 66}, Fade{2, 0, 86}, Fade{0, 0, 86}}) {
        CAPTURE(fade.target);
        CAPTURE(fade.start);
        ticks.reset();
        skin::SetSkinProp(w.button, prop::OldState, fade.target);
        skin::SetSkinProp(w.button, prop::AlphaLevel, fade.start);
        skin::StartFadeTimer(w.button);
        REQUIRE(WaitForFadeEnd(w.button));
        CHECK(ticks.count() == fade.blends);
        CHECK(skin::GetSkinProp(w.button, prop::AlphaLevel) == 0);
        CHECK(skintest::InteriorDifferences(w.button, static_cast<int>(fade.target)) == 0);
    }
}

TEST_CASE("leaving blends the hot face at 140 at once, then fades to normal")
{
    ButtonWindow w;
    SendMessageW(w.button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));  // pressed face shown
    SendMessageW(w.button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    REQUIRE(WaitForFadeEnd(w.button));
    REQUIRE(skintest::InteriorDifferences(w.button, 0) == 0);

    // The picture right after the leave: hot at 140 over normal, per channel within rounding.
    HDC normal = reinterpret_cast<HDC>(skin::GetSkinProp(w.button, prop::FaceDc[0]));
    HDC hot = reinterpret_cast<HDC>(skin::GetSkinProp(w.button, prop::FaceDc[1]));
    SendMessageW(w.button, WM_MOUSELEAVE, 0, 0);
    HDC screen = GetWindowDC(w.button);
    for (int y = 4; y < 21; y += 4)
        for (int x = 4; x < 76; x += 9) {
            const COLORREF n = GetPixel(normal, x, y), h = GetPixel(hot, x, y),
                           s = GetPixel(screen, x, y);
            for (int shift : {0, 8, 16}) {
                const int expected = (((h >> shift) & 0xFF) * 140 + ((n >> shift) & 0xFF) * 115) / 255;
                CHECK(std::abs(static_cast<int>((s >> shift) & 0xFF) - expected) <= 1);
            }
        }
    ReleaseDC(w.button, screen);
    REQUIRE(WaitForFadeEnd(w.button));
    CHECK(skintest::InteriorDifferences(w.button, 0) == 0);
}
