#include "button_test_window.h"

#include <cwchar>
#include <ostream>

#include "skin/core/skinner.h"
#include "skin/core/window_props.h"

namespace interacttest {

std::ostream& operator<<(std::ostream& os, const FadeState& s)
{
    return os << "{OLDSTATE " << s.state << ", ALPHALEVEL " << s.level << ", TIMERID " << s.timer
              << ", MOUSEFLAG " << s.mouse << "}";
}

FadeState ReadFadeState(HWND button)
{
    using namespace skin;
    return {GetSkinProp(button, prop::OldState), GetSkinProp(button, prop::AlphaLevel),
            GetSkinProp(button, prop::TimerId), GetSkinProp(button, prop::MouseFlag)};
}

bool Matches(const FadeState& actual, const FadeState& expected)
{
    auto same = [](INT_PTR a, INT_PTR e) { return e == -1 || a == e; };
    return same(actual.state, expected.state) && same(actual.level, expected.level) &&
           same(actual.timer, expected.timer) && same(actual.mouse, expected.mouse);
}

ButtonWindow::ButtonWindow(DWORD style, const wchar_t* buttonClass, int x, int y, bool countTicks)
    : parent(test::MakeTopLevel(L"FadeTestParent", x, y, 240, 120))
{
    if (wcscmp(buttonClass, L"Button") != 0) test::RegisterClassOnce(buttonClass);
    button = test::MakeChild(parent, buttonClass, L"Go", style, 40, 40, 80, 25).release();
    if (countTicks) ticks = std::make_unique<skintest::MessageCounter>(button, WM_TIMER);
    SetForegroundWindow(parent);
    skintest::CursorAway();
    skin::SkinWindow(button);
    UpdateWindow(parent);
    test::Pump(20);
}

ButtonWindow::~ButtonWindow()
{
    DestroyWindow(parent.release());
}

bool WaitForFadeEnd(HWND button)
{
    return test::PumpUntil([button] { return skin::GetSkinProp(button, skin::prop::TimerId) == 0; }, 5000);
}

}  // namespace interacttest
