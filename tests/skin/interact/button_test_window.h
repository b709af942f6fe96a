#pragma once
// A skinned push button in a plain window, and the fade state it shows.
#include <windows.h>

#include <iosfwd>
#include <memory>

#include "skin/support/skin_fixture.h"

namespace interacttest {

// OLDSTATE, ALPHALEVEL, TIMERID, MOUSEFLAG; -1 in an expectation means "any value".
struct FadeState {
    INT_PTR state = -1, level = -1, timer = -1, mouse = -1;
    bool operator==(const FadeState&) const = default;
};
std::ostream& operator<<(std::ostream& os, const FadeState& s);
FadeState ReadFadeState(HWND button);
bool Matches(const FadeState& actual, const FadeState& expected);

// A window at (x, y) with an 80 x 25 button of the class; only the button is skinned. The cursor
// is moved away and the first paint done, so the button rests on its normal face. With
// countTicks, its WM_TIMER messages are counted under the skin.
struct ButtonWindow {
    explicit ButtonWindow(DWORD style = BS_PUSHBUTTON, const wchar_t* buttonClass = L"Button",
                          int x = 100, int y = 100, bool countTicks = false);
    ~ButtonWindow();
    test::Window parent;
    HWND button = nullptr;
    std::unique_ptr<skintest::MessageCounter> ticks;
};

// Pumps messages until the button's fade timer has stopped (or 5 s have passed).
bool WaitForFadeEnd(HWND button);

}  // namespace interacttest
