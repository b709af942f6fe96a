#pragma once
// Windows to skin in the skin tests, and ways to look into what the skin left on them.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "support/test_window.h"

namespace skintest {

// A "Form" holding push buttons (one disabled), a check-box-style button, a static (kind Other)
// and a nested "#32770" container with a button and a static inside.
struct FormTree {
    test::Window form;
    HWND button{}, disabledButton{}, checkStyleButton{}, other{}, nested{}, deepButton{}, deepOther{};
    std::vector<HWND> All() const { return {button, disabledButton, checkStyleButton, other, nested, deepButton, deepOther, form.get()}; }
};
FormTree MakeFormTree();

WNDPROC ProcOf(HWND window);
bool HasSkinProc(HWND window);
// The skin's property names the window carries, in the order PROCADDR, OLDSTATE, OLDSTYLE,
// MOUSEFLAG, TIMERID, ALPHALEVEL, HDINDEX, HMINDEX, 0HDC..3HDC, 0BMP..3BMP (the platform may keep
// properties of its own besides).
std::vector<std::string> SkinPropNames(HWND window);
inline bool HasSkinProps(HWND window) { return !SkinPropNames(window).empty(); }

std::uint32_t Pixel(HDC dc, int x, int y);  // 0xRRGGBB
HDC FaceOf(HWND button, int state);         // the surface in "<state>HDC"

// Pixels inside the button (3 in from each edge, clear of the rounded corners) whose colour on
// the screen differs from the face of the state.
int InteriorDifferences(HWND button, int state);

void CursorOnto(HWND window);  // the middle of the window
void CursorAway();             // where no window of the tests is

// A window at (x, y) with an 80 x 25 button of the class; only the button is skinned. The cursor
// is moved away and the first paint done, so the button rests on its normal face. With
// countTicks its WM_TIMER messages are counted under the skin.
struct ButtonWindow;
bool WaitForFadeEnd(HWND button);  // pumps until the fade timer has stopped (at most 5 s)

// Counts one message where it reaches the window's procedure as it is now; install it before the
// skin so that the skin passes the messages on to it. One counter at a time.
class MessageCounter {
public:
    MessageCounter(HWND window, UINT message);
    ~MessageCounter();
    int count = 0;
};

// Every GDI object the skin creates while this lives, with its type at creation.
class CreatedObjects {
public:
    CreatedObjects();
    ~CreatedObjects();
    int Created() const;
    int CountOfType(DWORD type) const;
    std::vector<HGDIOBJ> StillAlive() const;  // those that still exist (GetObjectType non-zero)
};

struct ButtonWindow {
    explicit ButtonWindow(DWORD style = BS_PUSHBUTTON, const wchar_t* buttonClass = L"Button",
                          int x = 100, int y = 100, bool countTicks = false);
    ~ButtonWindow();
    test::Window parent;
    HWND button = nullptr;
    std::unique_ptr<MessageCounter> ticks;
};

}  // namespace skintest
