// Whole fades on the real 15 ms timer: how many blends they make and what they leave on screen.
#include <doctest.h>

#include "skin/core/fade_timer.h"
#include "skin/core/window_props.h"
#include "skin/support/skin_fixture.h"

using skintest::ButtonWindow;
using skintest::WaitForFadeEnd;
using skin::GetSkinProp;
using skin::SetSkinProp;
namespace prop = skin::prop;

TEST_CASE("a fade from 0 makes 86 blends, one from 60 makes 66, and ends on the target face")
{
    ButtonWindow w(BS_PUSHBUTTON, L"Button", 100, 100, true);
    struct Fade {
        INT_PTR target, start;
        int blends;
    };
    for (const Fade& fade : {Fade{1, 0, 86}, Fade{0, 60, 66}, Fade{2, 0, 86}}) {
        CAPTURE(fade.target);
        w.ticks->count = 0;
        SetSkinProp(w.button, prop::OldState, fade.target);
        SetSkinProp(w.button, prop::AlphaLevel, fade.start);
        skin::StartFadeTimer(w.button);
        REQUIRE(WaitForFadeEnd(w.button));
        CHECK(w.ticks->count == fade.blends);
        CHECK(GetSkinProp(w.button, prop::AlphaLevel) == 0);
        CHECK(skintest::InteriorDifferences(w.button, static_cast<int>(fade.target)) == 0);
    }

    // Leaving blends the hot face at 140 over what is shown (the pressed face here), then fades
    // to normal.
    SendMessageW(w.button, WM_MOUSELEAVE, 0, 0);
    HDC screen = GetWindowDC(w.button);
    for (int x = 4; x < 76; x += 9) {
        const COLORREF n = GetPixel(skintest::FaceOf(w.button, 2), x, 8), h = GetPixel(skintest::FaceOf(w.button, 1), x, 8);
        const COLORREF s = GetPixel(screen, x, 8);
        for (int shift : {0, 8, 16}) {
            const int expected = (((h >> shift) & 0xFF) * 140 + ((n >> shift) & 0xFF) * 115) / 255;
            CHECK(std::abs(static_cast<int>((s >> shift) & 0xFF) - expected) <= 1);
        }
    }
    ReleaseDC(w.button, screen);
    REQUIRE(WaitForFadeEnd(w.button));
    CHECK(skintest::InteriorDifferences(w.button, 0) == 0);
}
