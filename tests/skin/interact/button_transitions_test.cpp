// The command button's reaction to each message, as tables of messages and the fade state
// expected after each. Messages are sent (not posted), so no timer tick or repaint comes between
// the rows unless a row asks for one.
#include <doctest.h>

#include <sstream>
#include <string>
#include <vector>

#include "button_test_window.h"
#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/interact/fade_timer.h"
#include "skin/support/skin_fixture.h"

using namespace interacttest;
using skin::GetSkinProp;
using skin::SetSkinProp;
namespace prop = skin::prop;

namespace {

enum class Cursor { Any, Over, Away };

struct Row {
    const char* what;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    Cursor cursor;
    FadeState expected;
};

// Runs the rows in order against the button and reports the first row whose outcome differs,
// with the whole row.
void RunRows(HWND button, const std::vector<Row>& rows)
{
    for (const Row& row : rows) {
        if (row.cursor == Cursor::Over) skintest::CursorOnto(button);
        if (row.cursor == Cursor::Away) skintest::CursorAway();
        SendMessageW(button, row.message, row.wParam, row.lParam);
        const FadeState actual = ReadFadeState(button);
        if (!Matches(actual, row.expected)) {
            std::ostringstream report;
            report << "row \"" << row.what << "\" (message 0x" << std::hex << row.message
                   << ", wParam 0x" << row.wParam << std::dec << "): expected " << row.expected
                   << ", got " << actual;
            FAIL(report.str());
        }
    }
}

constexpr INT_PTR Any = -1;
const LPARAM kPoint = MAKELPARAM(10, 10);

}  // namespace

TEST_CASE("a push button's fade state follows every row of its transitions")
{
    ButtonWindow w;
    REQUIRE(ReadFadeState(w.button) == FadeState{0, 255, 0, 0});  // after its first paint

    RunRows(w.button, {
        // what                          message          wParam      lParam  cursor        {state, level, timer, mouse}
        {"mouse enters",                 WM_MOUSEMOVE,    0,          kPoint, Cursor::Over, {1, 0, 1, 1}},
        {"moves on inside",              WM_MOUSEMOVE,    0,          kPoint, Cursor::Over, {1, 0, 1, 1}},
        {"a tick blends and steps",      WM_TIMER,        1,          0,      Cursor::Any,  {1, 3, 1, 1}},
        {"a tick of another timer id",   WM_TIMER,        9,          0,      Cursor::Any,  {1, 6, 1, 1}},
        {"dragged off (cursor away)",    WM_MOUSEMOVE,    MK_LBUTTON, kPoint, Cursor::Away, {1, 255, 0, 1}},
        {"mouse leaves",                 WM_MOUSELEAVE,   0,          0,      Cursor::Away, {0, 0, 1, 0}},
        {"enters during the fade out",   WM_MOUSEMOVE,    0,          kPoint, Cursor::Over, {1, 0, 1, 1}},
        {"press",                        WM_LBUTTONDOWN,  MK_LBUTTON, kPoint, Cursor::Over, {2, 0, 0, 1}},
        {"release",                      WM_LBUTTONUP,    0,          kPoint, Cursor::Over, {0, 60, 1, 0}},
        {"first tick after release",     WM_TIMER,        1,          0,      Cursor::Any,  {0, 63, 1, 0}},
        {"next move is a new entry",     WM_MOUSEMOVE,    0,          kPoint, Cursor::Over, {1, 0, 1, 1}},
        {"double-click presses",         WM_LBUTTONDBLCLK,MK_LBUTTON, kPoint, Cursor::Over, {2, 0, 0, 1}},
        {"release",                      WM_LBUTTONUP,    0,          kPoint, Cursor::Over, {0, 60, 1, 0}},
        {"space bar down",               WM_KEYDOWN,      VK_SPACE,   0,      Cursor::Any,  {2, 0, 0, 0}},
        {"space bar repeats",            WM_KEYDOWN,      VK_SPACE,   0x40000001, Cursor::Any, {2, 0, 0, 0}},
        {"space bar up",                 WM_KEYUP,        VK_SPACE,   0,      Cursor::Any,  {0, 0, 1, 0}},
        {"another key changes nothing",  WM_KEYDOWN,      'A',        0,      Cursor::Any,  {0, 0, 1, 0}},
        {"and on release neither",       WM_KEYUP,        'A',        0,      Cursor::Any,  {0, 0, 1, 0}},
        {"focus lost re-renders, fades", WM_KILLFOCUS,    0,          0,      Cursor::Any,  {0, 0, 1, 0}},
        {"disabled",                     WM_ENABLE,       0,          0,      Cursor::Any,  {3, 0, 1, 0}},
        {"enabled again",                WM_ENABLE,       1,          0,      Cursor::Any,  {0, 0, 1, 0}},
    });
}

TEST_CASE("a fade ends after the blend at 255 and stops its timer")
{
    ButtonWindow w;
    SetSkinProp(w.button, prop::OldState, 1);
    SetSkinProp(w.button, prop::AlphaLevel, 252);
    skin::StartFadeTimer(w.button);
    RunRows(w.button, {
        {"blend at 252", WM_TIMER, 1, 0, Cursor::Any, {1, 255, 1, Any}},
        {"blend at 255 ends it", WM_TIMER, 1, 0, Cursor::Any, {1, 0, 0, Any}},
        {"a stray tick blends at 0", WM_TIMER, 1, 0, Cursor::Any, {1, 3, 0, Any}},
    });
}

TEST_CASE("entering while a fade runs restarts it on the same timer")
{
    ButtonWindow w;
    skintest::CursorOnto(w.button);
    SendMessageW(w.button, WM_MOUSELEAVE, 0, 0);
    REQUIRE(GetSkinProp(w.button, prop::TimerId) == 1);
    // Stand in for the running timer with an id SetTimer would never return here: a second
    // SetTimer would overwrite it.
    KillTimer(w.button, 1);
    SetSkinProp(w.button, prop::TimerId, 42);
    SendMessageW(w.button, WM_MOUSEMOVE, 0, kPoint);
    CHECK(ReadFadeState(w.button) == FadeState{1, 0, 42, 1});
    SetSkinProp(w.button, prop::TimerId, 0);
}

TEST_CASE("a press kills the running timer: no tick comes after it")
{
    CountedButtonWindow w;
    skintest::MessageCounter& ticks = w.ticks;
    skintest::CursorOnto(w.button);
    SendMessageW(w.button, WM_MOUSEMOVE, 0, kPoint);
    test::PumpUntil([&] { return ticks.count() >= 2; }, 2000);
    REQUIRE(ticks.count() >= 2);

    SendMessageW(w.button, WM_LBUTTONDOWN, MK_LBUTTON, kPoint);
    CHECK(GetSkinProp(w.button, prop::TimerId) == 0);
    CHECK(GetSkinProp(w.button, prop::AlphaLevel) == 0);
    ticks.reset();
    test::Pump(150);
    CHECK(ticks.count() == 0);
    SendMessageW(w.button, WM_LBUTTONUP, 0, kPoint);
}

TEST_CASE("a repaint ends a running fade and shows its target face at full opacity")
{
    ButtonWindow w;
    skintest::CursorOnto(w.button);
    SendMessageW(w.button, WM_MOUSEMOVE, 0, kPoint);
    REQUIRE(GetSkinProp(w.button, prop::TimerId) == 1);
    RedrawWindow(w.button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    CHECK(ReadFadeState(w.button) == FadeState{1, 255, 0, 1});
    CHECK(skintest::InteriorDifferences(w.button, 1) == 0);
}

TEST_CASE("a disabled button fades to face 3 whatever its handlers aim at")
{
    ButtonWindow w;
    EnableWindow(w.button, FALSE);
    CHECK(GetSkinProp(w.button, prop::OldState) == 3);
    SetSkinProp(w.button, prop::OldState, 1);  // as if a handler had aimed at hot
    SetSkinProp(w.button, prop::AlphaLevel, 0);
    skin::StartFadeTimer(w.button);
    REQUIRE(WaitForFadeEnd(w.button));
    CHECK(GetSkinProp(w.button, prop::OldState) == 3);
    CHECK(skintest::InteriorDifferences(w.button, 3) == 0);
}

TEST_CASE("a command button of check-box style changes its state but is never drawn by the skin")
{
    // A class of the command-button kind whose own procedure paints a plain background, so that
    // anything on it besides that colour would come from the skin.
    ButtonWindow check(BS_CHECKBOX, L"ThunderCommandButton", 100, 100);
    ButtonWindow push(BS_PUSHBUTTON, L"ThunderCommandButton", 400, 100);
    for (HWND b : {check.button, push.button}) {
        RedrawWindow(b, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        const std::uint32_t before = test::WindowPixel(b, 40, 12);
        skintest::CursorOnto(b);
        RunRows(b, {
            {"enter", WM_MOUSEMOVE, 0, kPoint, Cursor::Over, {1, 0, 1, 1}},
            {"press", WM_LBUTTONDOWN, MK_LBUTTON, kPoint, Cursor::Over, {2, 0, 0, 1}},
            {"release", WM_LBUTTONUP, 0, kPoint, Cursor::Over, {0, 60, 1, 0}},
        });
        REQUIRE(WaitForFadeEnd(b));
        if (b == check.button)
            CHECK(test::WindowPixel(b, 40, 12) == before);
        else  // a real move of the cursor may have started a new entry meanwhile
            CHECK(skintest::InteriorDifferences(
                      b, static_cast<int>(GetSkinProp(b, prop::OldState))) == 0);
    }
}
