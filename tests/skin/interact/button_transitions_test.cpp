// The command button's reaction to each message, as tables of messages and the fade state
// expected after each. Messages are sent, not posted: no tick or repaint comes between rows.
#include <doctest.h>

#include <ostream>
#include <sstream>
#include <vector>

#include "skin/core/fade_timer.h"
#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/support/skin_fixture.h"

using skintest::ButtonWindow;
using skintest::WaitForFadeEnd;
using skin::GetSkinProp;
using skin::SetSkinProp;
namespace prop = skin::prop;

namespace {

// OLDSTATE, ALPHALEVEL, TIMERID, MOUSEFLAG; -1 in an expectation means "any value".
struct FadeState {
    INT_PTR state = -1, level = -1, timer = -1, mouse = -1;
    bool operator==(const FadeState&) const = default;
    bool Matches(const FadeState& e) const
    {
        auto same = [](INT_PTR a, INT_PTR x) { return x == -1 || a == x; };
        return same(state, e.state) && same(level, e.level) && same(timer, e.timer) && same(mouse, e.mouse);
    }
};

std::ostream& operator<<(std::ostream& os, const FadeState& s)
{
    return os << "{OLDSTATE " << s.state << ", ALPHALEVEL " << s.level << ", TIMERID " << s.timer
              << ", MOUSEFLAG " << s.mouse << "}";
}

FadeState ReadFadeState(HWND b)
{
    return {GetSkinProp(b, prop::OldState), GetSkinProp(b, prop::AlphaLevel), GetSkinProp(b, prop::TimerId),
            GetSkinProp(b, prop::MouseFlag)};
}

enum Cursor { Any, Over, Away };

struct Row {
    const char* what;
    UINT message;
    WPARAM wParam;
    Cursor cursor;
    FadeState expected;
};

// Runs the rows in order and reports the first whose outcome differs, with the whole row.
void RunRows(HWND button, const std::vector<Row>& rows)
{
    for (const Row& row : rows) {
        if (row.cursor == Over) skintest::CursorOnto(button);
        if (row.cursor == Away) skintest::CursorAway();
        SendMessageW(button, row.message, row.wParam, MAKELPARAM(10, 10));
        const FadeState actual = ReadFadeState(button);
        if (!actual.Matches(row.expected)) {
            std::ostringstream report;
            report << "row \"" << row.what << "\" (message 0x" << std::hex << row.message << ", wParam 0x"
                   << row.wParam << std::dec << "): expected " << row.expected << ", got " << actual;
            FAIL(report.str());
        }
    }
}

}  // namespace

TEST_CASE("a push button's fade state follows every row of its transitions")
{
    ButtonWindow w;
    REQUIRE(ReadFadeState(w.button) == FadeState{0, 255, 0, 0});  // after its first paint
    RunRows(w.button, {
        // what                         message           wParam      cursor {state, level, timer, mouse}
        {"mouse enters",                WM_MOUSEMOVE,     0,          Over, {1, 0, 1, 1}},
        {"moves on inside",             WM_MOUSEMOVE,     0,          Over, {1, 0, 1, 1}},
        {"a tick blends and steps",     WM_TIMER,         1,          Any,  {1, 3, 1, 1}},
        {"a tick of another timer id",  WM_TIMER,         9,          Any,  {1, 6, 1, 1}},
        {"dragged off",                 WM_MOUSEMOVE,     MK_LBUTTON, Away, {1, 255, 0, 1}},
        {"mouse leaves",                WM_MOUSELEAVE,    0,          Away, {0, 0, 1, 0}},
        {"enters during the fade out",  WM_MOUSEMOVE,     0,          Over, {1, 0, 1, 1}},
        {"press",                       WM_LBUTTONDOWN,   MK_LBUTTON, Over, {2, 0, 0, 1}},
        {"release",                     WM_LBUTTONUP,     0,          Over, {0, 60, 1, 0}},
        {"first tick after release",    WM_TIMER,         1,          Any,  {0, 63, 1, 0}},
        {"next move is a new entry",    WM_MOUSEMOVE,     0,          Over, {1, 0, 1, 1}},
        {"double-click presses",        WM_LBUTTONDBLCLK, MK_LBUTTON, Over, {2, 0, 0, 1}},
        {"release",                     WM_LBUTTONUP,     0,          Over, {0, 60, 1, 0}},
        {"space bar down",              WM_KEYDOWN,       VK_SPACE,   Any,  {2, 0, 0, 0}},
        {"space bar repeats",           WM_KEYDOWN,       VK_SPACE,   Any,  {2, 0, 0, 0}},
        {"space bar up",                WM_KEYUP,         VK_SPACE,   Any,  {0, 0, 1, 0}},
        {"another key changes nothing", WM_KEYDOWN,       'A',        Any,  {0, 0, 1, 0}},
        {"nor on its release",          WM_KEYUP,         'A',        Any,  {0, 0, 1, 0}},
        {"focus lost: faces anew, fade", WM_KILLFOCUS,    0,          Any,  {0, 0, 1, 0}},
        {"disabled",                    WM_ENABLE,        0,          Any,  {3, 0, 1, 0}},
        {"enabled again",               WM_ENABLE,        1,          Any,  {0, 0, 1, 0}},
    });
    SetSkinProp(w.button, prop::AlphaLevel, 252);
    RunRows(w.button, {
        {"blend at 252",                WM_TIMER,         1,          Any,  {0, 255, 1, 0}},
        {"blend at 255 ends the fade",  WM_TIMER,         1,          Any,  {0, 0, 0, 0}},
    });
}

TEST_CASE("entering while a fade runs restarts it on the same timer: no second SetTimer")
{
    ButtonWindow w;
    SendMessageW(w.button, WM_MOUSELEAVE, 0, 0);
    REQUIRE(GetSkinProp(w.button, prop::TimerId) == 1);
    KillTimer(w.button, 1);  // stand in for the running timer with an id SetTimer never returns
    SetSkinProp(w.button, prop::TimerId, 42);
    skintest::CursorOnto(w.button);
    SendMessageW(w.button, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    CHECK(ReadFadeState(w.button) == FadeState{1, 0, 42, 1});
    SetSkinProp(w.button, prop::TimerId, 0);
}

TEST_CASE("a press kills the running timer, a repaint ends a fade on its target face")
{
    ButtonWindow w(BS_PUSHBUTTON, L"Button", 100, 100, true);
    skintest::CursorOnto(w.button);
    SendMessageW(w.button, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    REQUIRE(test::PumpUntil([&] { return w.ticks->count >= 2; }, 2000));
    SendMessageW(w.button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    w.ticks->count = 0;
    test::Pump(150);
    CHECK(w.ticks->count == 0);
    SendMessageW(w.button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));

    REQUIRE(GetSkinProp(w.button, prop::TimerId) == 1);
    RedrawWindow(w.button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    CHECK(ReadFadeState(w.button) == FadeState{0, 255, 0, 0});
    CHECK(skintest::InteriorDifferences(w.button, 0) == 0);
}

TEST_CASE("a disabled button fades to face 3 whatever its handlers aim at")
{
    ButtonWindow w;
    EnableWindow(w.button, FALSE);
    SetSkinProp(w.button, prop::OldState, 1);
    SetSkinProp(w.button, prop::AlphaLevel, 0);
    skin::StartFadeTimer(w.button);
    REQUIRE(WaitForFadeEnd(w.button));
    CHECK(GetSkinProp(w.button, prop::OldState) == 3);
    CHECK(skintest::InteriorDifferences(w.button, 3) == 0);
}

TEST_CASE("a command button of check-box style changes its state but the skin never draws it")
{
    // A class of the command-button kind whose own procedure paints only its background, so
    // anything else on it would come from the skin; a push-style one shows the contrast.
    ButtonWindow check(BS_CHECKBOX, L"ThunderCommandButton", 100, 100);
    ButtonWindow push(BS_PUSHBUTTON, L"ThunderCommandButton", 400, 100);
    for (HWND b : {check.button, push.button}) {
        RedrawWindow(b, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        const std::uint32_t before = test::WindowPixel(b, 40, 12);
        RunRows(b, {
            {"enter", WM_MOUSEMOVE, 0, Over, {1, 0, 1, 1}},
            {"press", WM_LBUTTONDOWN, MK_LBUTTON, Over, {2, 0, 0, 1}},
            {"release", WM_LBUTTONUP, 0, Over, {0, 60, 1, 0}},
        });
        skintest::CursorAway();
        REQUIRE(WaitForFadeEnd(b));
        if (b == check.button)
            CHECK(test::WindowPixel(b, 40, 12) == before);
        else
            CHECK(skintest::InteriorDifferences(b, static_cast<int>(GetSkinProp(b, prop::OldState))) == 0);
    }
}
