#pragma once
// A skinned push button in a plain window, and the fade state it shows.
#include <windows.h>

#include <iosfwd>

#include "skin/support/skin_fixture.h"
#include "support/test_window.h"

namespace interacttest {

// The four properties of the fade; -1 in an expectation means "any value".
struct FadeState {
    INT_PTR state = -1;
    INT_PTR level = -1;
    INT_PTR timer = -1;
    INT_PTR mouse = -1;
    bool operator==(const FadeState&) const = default;
};
std::ostream& operator<<(std::ostream& os, const FadeState& s);

FadeState ReadFadeState(HWND button);
// Whether every field the expectation names has that value.
bool Matches(const FadeState& actual, const FadeState& expected);

// A parent window at (x, y) with an 80 x 25 push button; only the button is skinned. The
// cursor is moved away and the first paint is done, so the button rests on its normal face.
struct ButtonWindow {
    explicit ButtonWindow(DWORD style = BS_PUSHBUTTON, const wchar_t* buttonClass = L"Button",
                          int x = 100, int y = 100);
    ~ButtonWindow();
    test::Window parent;
    HWND button = nullptr;
};

// The same, with the button's WM_TIMER messages counted where they reach its own procedure,
// under the skin.
struct CountedButtonWindow : ButtonWindow {
    CountedButtonWindow();
    skintest::MessageCounter ticks;
};

// Pumps messages until the button's fade timer has stopped (or 5 s have passed).
bool WaitForFadeEnd(HWND button);

}  // namespace interacttest
