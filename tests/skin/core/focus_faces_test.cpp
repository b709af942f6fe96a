// Faces carry the focus box while the button holds the keyboard focus, and are rendered anew
// when it moves.
#include <doctest.h>

#include "skin/core/skinner.h"
#include "skin/support/skin_fixture.h"

using skintest::FaceOf;

TEST_CASE("the focus box is on all four faces of the focused button and moves with the focus")
{
    test::Window parent = test::MakeTopLevel(L"FocusParent", 30, 30, 300, 100);
    HWND first = test::MakeChild(parent, L"Button", L"", 0, 10, 10, 80, 25).release();
    HWND second = test::MakeChild(parent, L"Button", L"", 0, 100, 10, 80, 25).release();
    SetForegroundWindow(parent);
    SetFocus(first);
    REQUIRE(GetFocus() == first);
    REQUIRE(skin::SkinWindow(first) + skin::SkinWindow(second) == 2);

    auto differences = [](HWND a, HWND b, int state) {
        int onBox = 0, elsewhere = 0;
        for (int y = 0; y < 25; ++y)
            for (int x = 0; x < 80; ++x)
                if (GetPixel(FaceOf(a, state), x, y) != GetPixel(FaceOf(b, state), x, y))
                    ++(((x == 2 || x == 77) && y >= 2 && y <= 22) || ((y == 2 || y == 22) && x >= 2 && x <= 77) ? onBox : elsewhere);
        return std::pair{onBox, elsewhere};
    };
    for (int state = 0; state < 4; ++state) {
        const auto [onBox, elsewhere] = differences(first, second, state);
        CHECK(onBox > 40);  // a dotted outline all round, nothing else
        CHECK(elsewhere == 0);
    }
    SetFocus(second);
    for (int state = 0; state < 4; ++state) CHECK(differences(second, first, state).first > 40);
}
