// The dialog manager's default push button under the skin: the same keystrokes in the same dialog,
// skinned and plain, run the same commands and move the default alike.
#include "dialog_template.h"
#include "skin/support/skin_fixture.h"

using namespace skintest;

namespace {

std::string g_trace;  // what the dialog and its controls say, step by step

void Note(const char* what, long long value) { g_trace.append(what).append(std::to_string(value)); }

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM skinned)
{
    if (message == WM_INITDIALOG && skinned) SkinWindow(dialog);
    if (message == WM_COMMAND) Note(" ", wParam);
    return message == WM_INITDIALOG || message == WM_COMMAND;
}

// Real keys, down in order and up in reverse, through the dialog manager, until all are up and
// nothing is left in the queue.
void Press(HWND dialog, const std::vector<WORD>& keys)
{
    std::vector<INPUT> in(2 * keys.size(), INPUT{INPUT_KEYBOARD, {}});
    for (size_t i = 0; i < in.size(); ++i)
        in[i].ki = {keys[std::min(i, in.size() - 1 - i)], 0, DWORD(i < keys.size() ? 0 : KEYEVENTF_KEYUP), 0, 0};
    SendInput(UINT(in.size()), in.data(), sizeof in[0]);
    for (size_t up = 0; up < keys.size();) {
        REQUIRE(MsgWaitForMultipleObjects(0, nullptr, FALSE, 3000, QS_ALLINPUT) == WAIT_OBJECT_0);
        for (MSG m; PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE);) {
            up += m.message == WM_KEYUP;
            if (!IsDialogMessageW(dialog, &m)) DispatchMessageW(&m);
        }
    }
}

// One line per step: the commands it ran, the focus, DM_GETDEFID and every control's WM_GETDLGCODE;
// then the controls' types, the skin detached.
std::string Run(bool skinned)
{
    gallery::DialogTemplate t(L"Settings", WS_POPUP | WS_CAPTION | WS_VISIBLE, 180, 40, 9, L"MS Shell Dlg");
    t.AddItem(L"Static", L"Apply?", SS_SIMPLE, 0, 5, 5, 100, 10, 100);  // its type bits read as BS_OWNERDRAW
    t.AddItem(L"Button", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 5, 20, 50, 14, IDOK);
    t.AddItem(L"Button", L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, 0, 60, 20, 50, 14, IDCANCEL);
    t.AddItem(L"Button", L"User", BS_USERBUTTON | WS_TABSTOP, 0, 115, 20, 50, 14, 3);  // a push button to the dialog manager
    t.AddItem(L"Button", L"Remember", BS_AUTOCHECKBOX | WS_TABSTOP, 0, 110, 5, 60, 10, 4);
    t.AddItem(L"Button", L"", BS_OWNERDRAW, 0, 172, 5, 6, 10, 5);  // drawn by the application, not a push button
    g_trace.clear();
    test::Window dialog(CreateDialogIndirectParamW(GetModuleHandleW(nullptr), t.Get(), nullptr, DialogProc, skinned));
    SetForegroundWindow(dialog);
    test::Pump(50);
    const std::vector<WORD> enter{VK_RETURN}, tab{VK_TAB}, space{VK_SPACE}, shiftTab{VK_SHIFT, VK_TAB}, setDefId;
    for (const auto& keys : {enter, tab, enter, space, tab, enter, shiftTab, enter, setDefId, enter, tab, tab, enter, space}) {
        g_trace += "\nran";
        if (keys.empty()) SendMessageW(dialog, DM_SETDEFID, 3, 0);  // the application makes User the default
        Press(dialog, keys);
        Note("; focus ", GetDlgCtrlID(GetFocus()));
        Note("; DM_GETDEFID ", SendMessageW(dialog, DM_GETDEFID, 0, 0)), g_trace += "; codes";
        for (HWND c : test::ChildrenInZOrder(dialog)) Note(" ", SendMessageW(c, WM_GETDLGCODE, 0, 0));
        // The face does not show the default: moving it repaints nothing, so the focus box still fades in.
        if (skinned && keys == tab) CHECK(GetSkinProp(GetFocus(), prop::TimerId) != 0);
    }
    g_trace += "\ntypes";
    for (HWND c : test::ChildrenInZOrder(dialog)) {
        if (skinned) CHECK((GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK) == (GetDlgCtrlID(c) == 4 ? BS_AUTOCHECKBOX : BS_OWNERDRAW));
        if (skinned) DetachSkin(c);
        Note(" ", GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK);
    }
    return g_trace;
}

}  // namespace

TEST_CASE("Tab, Enter and Space in a dialog skinned at WM_INITDIALOG run and move the default as without the skin") {
    const std::string plain = Run(false);
    CHECK(Run(true) == plain);
}
