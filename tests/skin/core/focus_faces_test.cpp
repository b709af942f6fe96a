// Faces carry the focus box only when the button held the keyboard focus as they were rendered.
#include <doctest.h>

#include <vector>

#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/support/skin_fixture.h"

using namespace skin;
using skintest::Pixel;

TEST_CASE("the focus box is drawn on all four faces of the focused button only")
{
    test::Window parent = test::MakeTopLevel(L"FocusParent", 30, 30, 300, 100);
    HINSTANCE inst = GetModuleHandleW(nullptr);
    HWND focused = CreateWindowExW(0, L"Button", L"", WS_CHILD | WS_VISIBLE, 10, 10, 80, 25,
                                   parent, nullptr, inst, nullptr);
    HWND other = CreateWindowExW(0, L"Button", L"", WS_CHILD | WS_VISIBLE, 100, 10, 80, 25, parent,
                                 nullptr, inst, nullptr);
    SetForegroundWindow(parent);
    SetFocus(focused);
    REQUIRE(GetFocus() == focused);
    REQUIRE(SkinWindow(focused) == 1);
    REQUIRE(SkinWindow(other) == 1);

    for (int state = 0; state < 4; ++state) {
        CAPTURE(state);
        HDC withBox = reinterpret_cast<HDC>(GetSkinProp(focused, prop::FaceDc[state]));
        HDC without = reinterpret_cast<HDC>(GetSkinProp(other, prop::FaceDc[state]));
        int onFrame = 0;
        for (int y = 0; y < 25; ++y)
            for (int x = 0; x < 80; ++x) {
                if (Pixel(withBox, x, y) == Pixel(without, x, y)) continue;
                const bool onBox = ((x == 2 || x == 77) && y >= 2 && y <= 22) ||
                                   ((y == 2 || y == 22) && x >= 2 && x <= 77);
                CHECK(onBox);
                ++onFrame;
            }
        CHECK(onFrame > 40);  // a dotted outline all round
    }

    // Moving the focus renders both buttons' faces anew: the box goes with the focus.
    auto row2 = [](HWND b) {
        std::vector<std::uint32_t> row;
        for (int x = 0; x < 80; ++x)
            row.push_back(Pixel(reinterpret_cast<HDC>(GetSkinProp(b, prop::FaceDc[0])), x, 2));
        return row;
    };
    const auto plainRow = row2(other);
    const auto boxRow = row2(focused);
    REQUIRE(plainRow != boxRow);
    SetFocus(other);
    CHECK(row2(focused) == plainRow);
    CHECK(row2(other) == boxRow);

    DestroyWindow(parent.release());
    CHECK(SkinnedWindowCount() == 0);
}
