// How the four kinds follow messages and real clicks, and the refresh of the marks after a release.
#include <doctest.h>

#include "skin/interact/check_combo_tracking.h"
#include "skin/support/check_combo_form.h"

using namespace skintest;

namespace {

// A skinned drop-down list, hot, made by a thread of its own, which runs until the object goes.
struct ForeignCombo {
    HWND combo = nullptr;
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD id = 0;
    HANDLE thread = CreateThread(nullptr, 0, Run, this, 0, &id);
    static DWORD WINAPI Run(void* self)
    {
        auto& c = *static_cast<ForeignCombo*>(self);
        test::Window form = test::MakeTopLevel(L"ForeignForm", 300, 300, 150, 60);
        c.combo = AddControl(form, L"ThunderRT6ComboBox", CBS_DROPDOWNLIST, 10, 10, 100);
        skin::SkinWindow(c.combo), skin::SetSkinProp(c.combo, skin::prop::OldState, 1), SetEvent(c.ready);
        for (MSG m; GetMessageW(&m, nullptr, 0, 0) > 0;) DispatchMessageW(&m);
        return 0;
    }
    ForeignCombo() { REQUIRE(WaitForSingleObject(ready, 10000) == WAIT_OBJECT_0); }
    ~ForeignCombo() { PostThreadMessageW(id, WM_QUIT, 0, 0), WaitForSingleObject(thread, 10000), CloseHandle(thread), CloseHandle(ready); }
};

}  // namespace

TEST_CASE("the controls follow the mouse, the space bar and the focus; a CBN_CLOSEUP repaints a combo box of this thread, never one "
          "of another; a release refreshes the marks")
{
    CheckComboForm f;
    const int x0 = f.x0, h = f.h, y = 9, edit = 20;  // the editable combo's zone: x0..98 by 2..h-2
    struct Row { HWND w; UINT message; WPARAM wParam; int x, y; INT_PTR state, flag; int painted, cursorX = -1; };
    const Row rows[] = {
        {f.check, WM_MOUSEMOVE, 0, 3, y, 1, 1, 1}, {f.check, WM_MOUSEMOVE, 0, 3, y, 1, 1, 1}, {f.check, WM_MOUSEMOVE, MK_LBUTTON, 3, y, 2, 1, 1},
        {f.check, WM_KEYUP, 'A', 0, 0, 2, 1, 0}, {f.check, WM_KEYUP, VK_SPACE, 0, 0, 0, 1, -1}, {f.check, WM_KEYDOWN, VK_SPACE, 0, 0, 2, 1, -1},
        {f.check, WM_SETFOCUS, 0, 0, 0, 2, 1, -1}, {f.check, WM_KEYUP, VK_SPACE, 0, 0, 0, 1, -1}, {f.check, WM_MOUSELEAVE, 0, 0, 0, 0, 0, 0},
        {f.check, WM_LBUTTONDOWN, MK_LBUTTON, 3, y, 2, 0, -1}, {f.check, WM_LBUTTONUP, 0, 3, y, 0, 0, -1}, {f.o2, WM_MOUSEMOVE, 0, 3, y, 1, 1, 1},
        {f.o2, WM_SETFOCUS, 0, 0, 0, 0, 1, -1}, {f.o2, WM_MOUSEMOVE, 0, 3, y, 1, 1, 1}, {f.o2, WM_KILLFOCUS, 0, 0, 0, 0, 1, -1},
        {f.o2, WM_MOUSELEAVE, 0, 0, 0, 0, 0, 0}, {f.o2, WM_KEYDOWN, VK_SPACE, 0, 0, 2, 0, 1}, {f.o2, WM_KEYDOWN, 'A', 0, 0, 2, 0, 0},
        {f.o2, WM_KEYUP, VK_SPACE, 0, 0, 0, 0, 1}, {f.o2, WM_KEYUP, 'A', 0, 0, 0, 0, 0}, {f.edit, WM_MOUSEMOVE, 0, x0, 2, 1, 1, 1}, {f.edit, WM_MOUSEMOVE, 0, x0, 2, 1, 1, 0},
        {f.edit, WM_MOUSEMOVE, 0, x0 - 1, y, 0, 1, 1}, {f.edit, WM_MOUSEMOVE, MK_LBUTTON, 98, h - 2, 2, 1, 1}, {f.edit, WM_MOUSEMOVE, 0, 99, y, 0, 1, 1},
        {f.edit, WM_MOUSEMOVE, 0, 95, 1, 0, 1, 0}, {f.edit, WM_MOUSEMOVE, 0, 95, h - 1, 0, 1, 0}, {f.edit, WM_MOUSEMOVE, 0, 95, y, 1, 1, 1},
        {f.edit, WM_LBUTTONDOWN, MK_LBUTTON, 0, 0, 1, 1, 0}, {f.edit, WM_LBUTTONUP, 0, 95, y, 0, 1, 1, edit},  // over the edit field is not over the combo
        {f.edit, WM_MOUSEMOVE, MK_LBUTTON, 95, y, 2, 1, 1}, {f.edit, WM_LBUTTONUP, 0, 95, y, 1, 1, 1, 95}, {f.edit, WM_MOUSELEAVE, 0, 0, 0, 0, 0, 1},
        {f.drive, WM_MOUSEMOVE, 0, 3, y, 1, 1, 1}, {f.drive, WM_MOUSEMOVE, MK_LBUTTON, 3, y, 2, 1, 1}, {f.drive, WM_LBUTTONUP, 0, 3, y, 0, 1, 1},
        {f.drive, WM_KEYDOWN, VK_SPACE, 0, 0, 0, 1, 0}, {f.list, WM_LBUTTONDOWN, MK_LBUTTON, 3, y, 2, 0, 1},  // a press alone
        {f.list, WM_KEYDOWN, VK_ESCAPE, 0, 0, 0, 0, 1},  // closed: CBN_CLOSEUP to the form
    };
    for (const Row& r : rows) {
        CAPTURE(r.message); CAPTURE(r.wParam); CAPTURE(r.x); CAPTURE(r.state);
        POINT cursor{r.cursorX, y}, p = r.w == f.check || r.w == f.o2 ? POINT{1, Height(r.w) / 2} : POINT{x0, 1};
        ClientToScreen(r.w, &cursor);
        r.cursorX < 0 ? CursorAway() : void(SetCursorPos(cursor.x, cursor.y));
        Blot(r.w, p.x, p.y);
        SendMessageW(r.w, r.message, r.wParam, MAKELPARAM(r.x, r.y));
        CHECK(State(r.w) == r.state);
        CHECK(skin::GetSkinProp(r.w, skin::prop::MouseFlag) == r.flag);
        if (r.painted >= 0) CHECK((test::WindowPixel(r.w, p.x, p.y) != 0) == r.painted);
    }
    const ForeignCombo foreign;  // hot, as the list above was pressed when its CBN_CLOSEUP came
    SendMessageW(f.form, WM_COMMAND, MAKEWPARAM(0, CBN_CLOSEUP), LPARAM(foreign.combo));
    CHECK(State(foreign.combo) == 1);
    // A release on the form, which has no parent, repaints the skinned marks inside it, nested too.
    HWND nested = test::MakeChild(f.form, L"#32770", L"", 0, 260, 120, 130, 60);
    HWND deep = AddControl(nested, L"ThunderRT6CheckBox", BS_CHECKBOX, 5, 5, 18);
    HWND plain = AddControl(nested, L"ThunderRT6CheckBox", BS_CHECKBOX, 5, 30, 18);
    skin::DetachSkin(plain);  // skinned as it was made, like everything inside the form
    for (HWND w : {f.check, f.o1, deep, plain}) skin::SetSkinProp(w, skin::prop::OldState, 1);
    SendMessageW(f.form, WM_LBUTTONUP, 0, 0);
    for (HWND w : {f.check, f.o1, deep, plain}) CHECK(State(w) == (w == plain));
}

TEST_CASE("real clicks: a check box toggles, an option takes the dot, a list drops and closes")
{
    CheckComboForm f;
    auto click = [](HWND w, int x, int y) {
        POINT p{x, y};
        ClientToScreen(w, &p);
        SetCursorPos(p.x, p.y);
        INPUT in[2]{};
        in[0].type = in[1].type = INPUT_MOUSE, in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN, in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, in, sizeof *in), test::Pump(300);
    };
    HDC G = skin::SkinImages().CheckGlyphImage, D = skin::SkinImages().DropButtonImage;
    const int dx = Half(f.cx - 5) + 2, dy = skin::RoundHalfEven((f.cy - 5) / 2.0 + 4) + 2;
    SetForegroundWindow(f.form);
    click(f.check, 4, 8);
    CHECK(test::WindowPixel(f.check, Half(f.cx - 9) + 8, 2 + Half(f.cy - 8)) == Pixel(G, 8, 0));  // checked now
    click(f.o2, 4, 10);
    CHECK(test::WindowPixel(f.o2, dx, dy) == Pixel(G, 4, 20));
    CHECK(test::WindowPixel(f.o1, dx, dy) == Pixel(skin::SkinImages().OptionCircleImage, 6, 6));
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(f.list, &info);
    click(f.list, f.x0 + 5, 8);
    CHECK(test::WindowPixel(f.list, f.x0, 1) == Pixel(D, 4, 0));
    CHECK(test::WindowPixel(info.hwndList, 0, 0) == 0x54A5D5);  // skinned and framed
    click(info.hwndList, 10, SendMessageW(f.list, CB_GETITEMHEIGHT, 0, 0) * 3 / 2);
    CHECK(SendMessageW(f.list, CB_GETCURSEL, 0, 0) == 1);
    CHECK(State(f.list) == 0);  // closed, with the cursor where the list was
    CHECK(test::WindowPixel(f.list, f.x0, 1) == 0xFFFFFF);
}
