// The skin in real programs: a second copy of the engine in the process, a class that replaces its
// own procedure, a creation another hook refuses, the skin taken off and put on again, a window
// skinned alone, a detach from inside a creation, and a second GUI thread. Each scenario ends with
// nothing skinned, the skin's GDI objects as before and no creation hook left.
#include "skin/support/skin_fixture.h"

#include <commctrl.h>

#include <map>

#include "skin/core/creation_hook.h"
#include "skin/support/control_pictures.h"

using namespace skintest;

namespace {

// The scenario's end: what the thread's engine leaves behind once its last window is gone.
struct EndsClean {
    const long objects = gdi::LiveObjectCount();
    ~EndsClean()
    {
        CHECK((SkinnedWindowCount() == 0 && !SkinInitialized() && gdi::LiveObjectCount() == objects));
        const long calls = CreationHookCalls();
        DestroyWindow(CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr));
        CHECK(CreationHookCalls() == calls);  // the hook is gone
    }
};

HWND AddButton(HWND parent, int y = 5, DWORD style = 0, const wchar_t* cls = L"Button")
{
    return CreateWindowExW(0, cls, L"Go", WS_CHILD | WS_VISIBLE | style, 5, y, 80, 25, parent, nullptr, nullptr, nullptr);
}
bool Plain(HWND w) { return SkinPropNames(w).empty() && !HasSkinProc(w); }

// A class in the manner of class libraries, a superclass of "Button" with a command button's class
// name: at its first message it puts a procedure of its own in place, which never calls the one it
// replaced, or one that calls it for every message but WM_NULL; or it detaches the skin from its
// parent while it is being made.
enum class Trick { Thunk, KeepNull, DetachParent } g_trick;
WNDPROC g_buttonProc, g_belowKeeper;
std::map<UINT, int> g_thunkSeen;
LRESULT CALLBACK ThunkProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    ++g_thunkSeen[msg];
    return CallWindowProcW(g_buttonProc, w, msg, wp, lp);
}
LRESULT CALLBACK KeepNullProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    return msg == WM_NULL ? 0 : CallWindowProcW(g_belowKeeper, w, msg, wp, lp);
}
LRESULT CALLBACK TrickProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NCCREATE && g_trick == Trick::KeepNull) g_belowKeeper = WNDPROC(SetWindowLongPtrW(w, GWLP_WNDPROC, LONG_PTR(&KeepNullProc)));
    if (msg == WM_NCCREATE && g_trick == Trick::Thunk) {
        SetWindowLongPtrW(w, GWLP_WNDPROC, LONG_PTR(&ThunkProc));
        return ThunkProc(w, msg, wp, lp);
    }
    if (msg == WM_CREATE && g_trick == Trick::DetachParent) DetachSkin(GetParent(w));
    return CallWindowProcW(g_buttonProc, w, msg, wp, lp);
}

LRESULT CALLBACK PassOn(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR)
{
    return DefSubclassProc(w, msg, wp, lp);
}

HHOOK g_refusingHook;
LRESULT CALLBACK RefuseCreations(int code, WPARAM wp, LPARAM lp)
{
    const LRESULT result = CallNextHookEx(g_refusingHook, code, wp, lp);
    return code == HCBT_CREATEWND ? 1 : result;
}

}  // namespace

TEST_CASE("a second copy of the skin (velmora-skin.dll) in the thread: each copy keeps to its own windows, later ones included")
{
    const EndsClean clean;
    HMODULE dll = LoadLibraryW(L"" SKIN_DLL);
    REQUIRE(dll);
    using Entry = LONG(WINAPI*)(HWND);
    const auto dllSkin = Entry((void*)GetProcAddress(dll, "SkinWindow")), dllDetach = Entry((void*)GetProcAddress(dll, "DetachSkin"));
    test::Window mine = test::MakeTopLevel(L"Form", 0, 0, 200, 100), theirs = test::MakeTopLevel(L"Form", 250, 0, 200, 100);
    REQUIRE(SkinWindow(mine) + dllSkin(theirs) == 2);  // the DLL's hook runs before this copy's, then each after the other
    const HWND myLate = AddButton(mine), theirLate = AddButton(theirs);
    HMODULE owner = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       LPCWSTR(GetWindowLongPtrW(theirLate, GWLP_WNDPROC)), &owner);
    CHECK((SkinnedButton(myLate) && owner == dll && SkinPropNames(theirLate) == kButtonProps && SkinnedWindowCount() == 2));
    CHECK(SendMessageW(theirLate, WM_GETTEXTLENGTH, 0, 0) == 2);
    // Neither copy takes or drops what the other holds.
    CHECK(AttachSkin(theirLate) + AttachSkin(theirs) + DetachSkin(theirLate) + dllDetach(myLate) + dllDetach(mine) == 0);
    CHECK(dllDetach(theirs) == 1);
    CHECK((Plain(theirLate) && SkinPropNames(theirs).empty() && SkinnedButton(myLate)));
    DestroyWindow(mine);
}

TEST_CASE("skin off and on again: a control subclassed after the skin is skinned again, AttachSkin starts the engine itself; "
          "then a class that replaces its own procedure, creations another hook refuses, a detach inside a creation")
{
    const EndsClean clean;
    const HWND dead = test::MakeTopLevel(L"Form", 0, 0, 50, 50).release();
    DestroyWindow(dead);
    CHECK((SkinWindow(nullptr) + SkinWindow(dead) + AttachSkin(dead) == 0 && !SkinInitialized()));  // refused: no engine left
    test::Window form = test::MakeTopLevel(L"Form", 0, 0, 200, 100);
    HWND button = AddButton(form);
    SetForegroundWindow(form);
    CursorAway();
    REQUIRE(AttachSkin(form) == 1);  // no SkinWindow first: images, hook and all
    CHECK((SkinnedButton(AddButton(form, 70)) && DcPixel(SkinImages().ButtonFaceImage, 0, 20) == 0xCAE7FBu));
    SetWindowSubclass(button, PassOn, 1, 0);
    const long count = SkinnedWindowCount();
    REQUIRE(DetachSkin(form) == 1);
    CHECK((SkinPropNames(button) == Names{"NEXTPROC"} && SkinnedWindowCount() == 1));  // below the subclass, passing through
    REQUIRE(SkinWindow(form) == 1);
    CHECK((SkinPropNames(button) == kButtonProps && SkinnedWindowCount() == count));
    test::Pump(50);
    CHECK(InteriorDifferences(button, 0) == 0);
    g_buttonProc = Superclass(L"Button", L"ThunderRT6CommandButton", TrickProc);
    g_trick = Trick::Thunk;  // the skin goes on top of the procedure that cut it out
    HWND late = AddButton(form, 5, 0, L"ThunderRT6CommandButton");
    CHECK((SkinnedButton(late) && GetSkinProp(late, prop::ProcAddr) == LONG_PTR(&ThunkProc) && SkinnedWindowCount() == count + 1));
    DestroyWindow(late);
    CHECK((g_thunkSeen[WM_CREATE] == 1 && g_thunkSeen[WM_DESTROY] == 1 && g_thunkSeen[WM_NCDESTROY] == 1));  // passed on by the skin
    g_trick = Trick::KeepNull;  // the skin is still below it: not installed a second time
    late = AddButton(form, 5, 0, L"ThunderRT6CommandButton");
    CHECK((SkinPropNames(late) == kButtonProps && GetWindowLongPtrW(late, GWLP_WNDPROC) == LONG_PTR(&KeepNullProc)));
    CHECK(SendMessageW(late, WM_GETTEXTLENGTH, 0, 0) == 2);
    DestroyWindow(late);
    g_refusingHook = SetWindowsHookExW(WH_CBT, RefuseCreations, nullptr, GetCurrentThreadId());
    for (int i = 0; i < 3; ++i) CHECK_FALSE(AddButton(form));
    UnhookWindowsHookEx(g_refusingHook);
    CHECK(SkinnedWindowCount() == count);
    // The form's detach reaches the button inside its WM_CREATE, before the skin has set it up.
    g_trick = Trick::DetachParent;
    late = AddButton(form, 5, BS_DEFPUSHBUTTON, L"ThunderRT6CommandButton");
    CHECK((Plain(late) && Plain(form) && GetWindowLongW(late, GWL_STYLE) == (WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON)));
}

TEST_CASE("a window skinned alone: windows made in it later are left alone, and its detach stops the engine")
{
    const EndsClean clean;
    test::Window main = test::MakeTopLevel(L"PlainMain", 0, 0, 200, 100);
    REQUIRE(SkinWindow(main) == 1);
    test::Window inner(CreateWindowExW(0, L"#32770", L"", WS_CHILD | WS_VISIBLE, 100, 0, 100, 100, main, nullptr, nullptr, nullptr));
    HWND late = AddButton(main);
    CHECK((Plain(late) && Plain(inner) && SkinnedWindowCount() == 1));
    REQUIRE(AttachSkin(inner) == 1);  // a dialog inside it, skinned on purpose, is a container of its own
    CHECK(SkinnedButton(AddButton(inner)));
    CHECK(DetachSkin(inner) + DetachSkin(main) == 2);
}

namespace {

// One thread's part: a skinned form with a window made later, then (told to) its end.
struct ThreadPart {
    HWND foreignParent = nullptr;  // another thread's skinned form, to make a child in
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr), go = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    bool lateSkinned = false, foreignLeft = false, endedClean = false;
    long count = 0;
};
DWORD WINAPI RunThreadPart(void* p)
{
    auto& part = *static_cast<ThreadPart*>(p);
    const long objects = gdi::LiveObjectCount();
    HWND form = test::MakeTopLevel(L"Form", 300, 0, 200, 100).release();
    SkinWindow(form);
    part.lateSkinned = SkinnedButton(AddButton(form));
    HWND foreign = AddButton(part.foreignParent, 40);  // this thread's window in the other's form
    part.foreignLeft = foreign && Plain(foreign);
    DestroyWindow(foreign);
    part.count = SkinnedWindowCount();
    SetEvent(part.ready);
    test::PumpUntil([&] { return WaitForSingleObject(part.go, 0) == WAIT_OBJECT_0; }, 10000);
    DestroyWindow(form);
    part.endedClean = SkinnedWindowCount() == 0 && !SkinInitialized() && gdi::LiveObjectCount() == objects;
    return 0;
}

}  // namespace

TEST_CASE("two GUI threads skin their own forms, windows made later included, and end in either order")
{
    for (bool otherEndsFirst : {true, false}) {
        CAPTURE(otherEndsFirst);
        const EndsClean clean;
        test::Window form = test::MakeTopLevel(L"Form", 0, 0, 200, 100);
        REQUIRE(SkinWindow(form) == 1);
        ThreadPart part{form};
        HANDLE thread = CreateThread(nullptr, 0, RunThreadPart, &part, 0, nullptr);
        auto signalled = [](HANDLE h) { return WaitForSingleObject(h, 0) == WAIT_OBJECT_0; };
        REQUIRE(test::PumpUntil([&] { return signalled(part.ready); }, 10000));
        CHECK((part.lateSkinned && part.foreignLeft && part.count == 2 && SkinnedWindowCount() == 1));
        if (!otherEndsFirst) DestroyWindow(form.release());
        SetEvent(part.go);
        test::PumpUntil([&] { return signalled(thread); }, 10000);
        if (otherEndsFirst) CHECK(SkinnedButton(AddButton(form)));  // this thread's hook outlived the other's
        DestroyWindow(form.release());
        CHECK(part.endedClean);
        for (HANDLE h : {thread, part.ready, part.go}) CloseHandle(h);
    }
}
