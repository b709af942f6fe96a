// The command button's fade: its state after each message, as tables; whole fades on the real 15 ms
// timer and real pointer input, each checked by the pixels on screen; 2,000 cycles that leave nothing
// behind.
#include "skin/support/skin_fixture.h"

using namespace skintest;

namespace {

enum Cursor { Any, Over, Away };
// What, the message and its wParam, where the cursor is, then OLDSTATE, ALPHALEVEL, TIMERID, MOUSEFLAG.
using Row = std::tuple<const char*, UINT, WPARAM, Cursor, std::vector<INT_PTR>>;

// Runs the rows in order, messages sent (no tick or repaint comes between rows); each but WM_PAINT
// (the skin paints push buttons alone) must reach the button's own procedure once. A row whose
// outcome differs is reported whole.
void RunRows(const ButtonWindow& w, const std::vector<Row>& rows)
{
    for (auto [what, message, wParam, cursor, expected] : rows) {
        RECT r;
        GetWindowRect(w.button, &r);
        if (cursor == Over) SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        if (cursor == Away) CursorAway();
        w.log.seen.clear();
        SendMessageW(w.button, message, wParam, MAKELPARAM(10, 10));
        expected.push_back(message != WM_PAINT);  // seen by the button
        std::string got, want;
        for (INT_PTR v : expected) want += std::to_string(v) + " ";
        for (INT_PTR v : {GetSkinProp(w.button, prop::OldState), GetSkinProp(w.button, prop::AlphaLevel), GetSkinProp(w.button, prop::TimerId),
                          GetSkinProp(w.button, prop::MouseFlag), INT_PTR(w.log.Count(message))})
            got += std::to_string(v) + " ";
        CHECK_MESSAGE(got == want, "row \"" << std::string(what) << "\"");
    }
}

}  // namespace

TEST_CASE("a push button's fade state follows every row of its transitions") {
    ButtonWindow w;
    RunRows(w, {
        // what                         message           wParam      cursor {state, level, timer, mouse}
        {"a repaint ends on the face",  WM_PAINT,         0,          Any,  {0, 255, 0, 0}},
        {"mouse enters",                WM_MOUSEMOVE,     0,          Over, {1, 0, 1, 1}},
        {"a tick blends and steps",     WM_TIMER,         1,          Any,  {1, 3, 1, 1}},
        {"a tick of another timer id",  WM_TIMER,         9,          Any,  {1, 6, 1, 1}},
        {"moves on inside",             WM_MOUSEMOVE,     0,          Over, {1, 6, 1, 1}},
        {"dragged off",                 WM_MOUSEMOVE,     MK_LBUTTON, Away, {1, 255, 0, 1}},
        {"mouse leaves",                WM_MOUSELEAVE,    0,          Away, {0, 0, 1, 0}},
        {"enters during the fade out",  WM_MOUSEMOVE,     0,          Over, {1, 0, 1, 1}},
        {"press",                       WM_LBUTTONDOWN,   MK_LBUTTON, Over, {2, 0, 0, 1}},
        {"release",                     WM_LBUTTONUP,     0,          Over, {0, 60, 1, 0}},
        {"first tick after release",    WM_TIMER,         1,          Any,  {0, 63, 1, 0}},
        {"next move is a new entry",    WM_MOUSEMOVE,     0,          Over, {1, 0, 1, 1}},
        {"double-click presses",        WM_LBUTTONDBLCLK, MK_LBUTTON, Over, {2, 0, 0, 1}},
        {"release",                     WM_LBUTTONUP,     0,          Over, {0, 60, 1, 0}},
        {"entered again",               WM_MOUSEMOVE,     0,          Over, {1, 0, 1, 1}},
        {"space bar down",              WM_KEYDOWN,       VK_SPACE,   Any,  {2, 0, 0, 1}},
        {"space bar up",                WM_KEYUP,         VK_SPACE,   Any,  {0, 0, 1, 0}},
        {"a tick",                      WM_TIMER,         1,          Any,  {0, 3, 1, 0}},
        {"another key changes nothing", WM_KEYDOWN,       'A',        Any,  {0, 3, 1, 0}},
        {"nor on its release",          WM_KEYUP,         'A',        Any,  {0, 3, 1, 0}},
        {"disabled",                    WM_ENABLE,        0,          Any,  {3, 3, 1, 0}},
        {"enabled again",               WM_ENABLE,        1,          Any,  {0, 3, 1, 0}},
        {"a repaint ends the fade",     WM_PAINT,         0,          Any,  {0, 255, 0, 0}},
        {"focus lost: faces anew, fade", WM_KILLFOCUS,    0,          Any,  {0, 0, 1, 0}},
        {"focus gained: faces anew",    WM_SETFOCUS,      0,          Any,  {0, 0, 1, 0}},
    });
    SetSkinProp(w.button, prop::AlphaLevel, 252);
    RunRows(w, {{"blend at 252", WM_TIMER, 1, Any, {0, 255, 1, 0}}, {"blend at 255 ends the fade", WM_TIMER, 1, Any, {0, 0, 0, 0}}});
    KillTimer(w.button, 1);  // a running timer with an id SetTimer never returns: entering restarts the fade on it
    SetSkinProp(w.button, prop::TimerId, 42);
    RunRows(w, {{"enters during a fade", WM_MOUSEMOVE, 0, Over, {1, 0, 42, 1}}});
    SetSkinProp(w.button, prop::TimerId, 0);
}

TEST_CASE("fades on the real timer: 86 blends from 0, 66 from 60, each ending on its face; leaving blends hot at 140 first; "
          "2,000 hover-press-release cycles and a detach leave no GDI object, window DC or timer") {
    const NoLeaks noLeaks;
    ButtonWindow w;
    SendMessageW(w.button, WM_LBUTTONDOWN, MK_LBUTTON, 0);  // the pressed face at once
    SendMessageW(w.button, WM_MOUSELEAVE, 0, 0);  // the hot face at 140 over it, then a fade to normal from 0
    for (int x = 4; x < 76; x += 9) {
        const auto n = DcPixel(FaceOf(w.button, 2), x, 8), h = DcPixel(FaceOf(w.button, 1), x, 8), s = test::WindowPixel(w.button, x, 8);
        for (int i : {0, 8, 16}) CHECK(std::abs(int(s >> i & 0xFF) - int(((h >> i & 0xFF) * 140 + (n >> i & 0xFF) * 115) / 255)) <= 1);
    }
    REQUIRE(WaitForFadeEnd(w.button));
    CHECK((w.log.Count(WM_TIMER) == 86 && GetSkinProp(w.button, prop::AlphaLevel) == 0 && InteriorDifferences(w.button, 0) == 0));
    SendMessageW(w.button, WM_MOUSELEAVE, 0, 0);
    REQUIRE(test::PumpUntil([&] { return GetSkinProp(w.button, prop::AlphaLevel) > 100; }, 2000));
    SendMessageW(w.button, WM_LBUTTONDOWN, MK_LBUTTON, 0);  // a press stops the fade
    w.log.seen.clear();
    test::Pump(150);
    CHECK((w.log.Count(WM_TIMER) == 0 && InteriorDifferences(w.button, 2) == 0));
    SendMessageW(w.button, WM_LBUTTONUP, 0, 0);  // a fade from 60
    REQUIRE(WaitForFadeEnd(w.button));
    CHECK((w.log.Count(WM_TIMER) == 66 && InteriorDifferences(w.button, 0) == 0));
    const long skinned = gdi::LiveObjectCount();
    for (int i = 0; i < 2000; ++i)
        for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_TIMER, WM_MOUSELEAVE})
            SendMessageW(w.button, message, message == WM_TIMER, MAKELPARAM(10, 10));
    CHECK(gdi::LiveObjectCount() == skinned);
    REQUIRE(GetSkinProp(w.button, prop::TimerId) == 1);  // a fade runs
    CHECK(DetachSkin(w.button) == 1);
    w.log.seen.clear();
    test::Pump(150);
    CHECK((w.log.Count(WM_TIMER) == 0 && SkinnedWindowCount() == 0));  // the detach stopped it
}

TEST_CASE("with the system's animations off each new face shows at once, with no timer; on again, they fade") {
    struct AnimationsOff {  // the prefix keeps the setting: it goes back whatever the checks found
        BOOL was = TRUE;
        static void Set(BOOL on) { SystemParametersInfoW(SPI_SETCLIENTAREAANIMATION, 0, reinterpret_cast<void*>(INT_PTR(on)), 0); }
        AnimationsOff() { SystemParametersInfoW(SPI_GETCLIENTAREAANIMATION, 0, &was, 0), Set(FALSE); }
        ~AnimationsOff() { Set(was); }
    } off;
    ButtonWindow w;
    const std::pair<Row, int> rows[] = {
        {{"mouse enters", WM_MOUSEMOVE, 0, Over, {1, 0, 0, 1}}, 1},   {{"press", WM_LBUTTONDOWN, MK_LBUTTON, Over, {2, 0, 0, 1}}, 2},
        {{"release", WM_LBUTTONUP, 0, Over, {0, 0, 0, 0}}, 0},        {{"enters again", WM_MOUSEMOVE, 0, Over, {1, 0, 0, 1}}, 1},
        {{"mouse leaves", WM_MOUSELEAVE, 0, Away, {0, 0, 0, 0}}, 0},  {{"focus gained", WM_SETFOCUS, 0, Any, {0, 0, 0, 0}}, 0}};
    for (const auto& [row, face] : rows) {
        RunRows(w, {row});
        CHECK(InteriorDifferences(w.button, face) == 0);
    }
    AnimationsOff::Set(TRUE);
    RunRows(w, {{"enters with animations on", WM_MOUSEMOVE, 0, Over, {1, 0, 1, 1}}});
    AnimationsOff::Set(FALSE);  // the fade that runs as they go off ends at the next change
    RunRows(w, {{"mouse leaves", WM_MOUSELEAVE, 0, Away, {0, 0, 0, 0}}});
    CHECK(InteriorDifferences(w.button, 0) == 0);
}

TEST_CASE("hover, leave and click with real input") {
    ButtonWindow w;
    // Input (to the button's middle or away), the property awaited and its value, then the face on the
    // screen once any fade has ended: hot, normal after the platform's late leave, hot, pressed at once,
    // and after the release normal, or hot if a move came after it.
    constexpr DWORD Move = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    const std::tuple<DWORD, bool, const char*, INT_PTR, std::vector<INT_PTR>> steps[] = {
        {Move, true, prop::MouseFlag, 1, {1}}, {Move, false, prop::MouseFlag, 0, {0}}, {Move, true, prop::MouseFlag, 1, {1}},
        {MOUSEEVENTF_LEFTDOWN, false, prop::OldState, 2, {2}}, {MOUSEEVENTF_LEFTUP, false, prop::TimerId, 1, {0, 1}}};
    for (auto [flags, onto, name, value, faces] : steps) {
        RECT r{5, 5, 5, 5};
        if (onto) GetWindowRect(w.button, &r);
        const int x = (r.left + r.right) / 2 * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
        mouse_event(flags, x, (r.top + r.bottom) / 2 * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1), 0, 0);
        REQUIRE(test::PumpUntil([&] { return GetSkinProp(w.button, name) == value; }, 3000));
        REQUIRE(WaitForFadeEnd(w.button));
        const INT_PTR state = GetSkinProp(w.button, prop::OldState);
        CHECK((std::count(faces.begin(), faces.end(), state) == 1 && InteriorDifferences(w.button, int(state)) == 0));
    }
}
