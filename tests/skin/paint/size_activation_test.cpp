// Resized buttons get faces and regions of their new size; windows that activation moves to
// from a skinned window are skinned.
#include <doctest.h>

#include "skin/core/control_kind.h"
#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/support/skin_fixture.h"

using namespace skin;

TEST_CASE("resizing a command button to 80 x 25 gives new faces and region of that size")
{
    test::Window form = test::MakeTopLevel(L"Form", 50, 50, 300, 150);
    HWND button = CreateWindowExW(0, L"Button", L"OK", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, form,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND label = CreateWindowExW(0, L"Static", L"label", WS_CHILD | WS_VISIBLE, 10, 60, 50, 20,
                                 form, nullptr, GetModuleHandleW(nullptr), nullptr);
    REQUIRE(SkinWindow(form) == 1);
    HBITMAP oldBitmaps[4];
    for (int i = 0; i < 4; ++i)
        oldBitmaps[i] = reinterpret_cast<HBITMAP>(GetSkinProp(button, prop::FaceBitmap[i]));

    MoveWindow(button, 10, 10, 80, 25, TRUE);

    for (int i = 0; i < 4; ++i) {
        CAPTURE(i);
        const auto face = reinterpret_cast<HDC>(GetSkinProp(button, prop::FaceDc[i]));
        const auto bitmap = reinterpret_cast<HBITMAP>(GetSkinProp(button, prop::FaceBitmap[i]));
        CHECK(GetCurrentObject(face, OBJ_BITMAP) == bitmap);
        BITMAP info{};
        GetObjectW(bitmap, sizeof info, &info);
        CHECK(info.bmWidth == 80);
        CHECK(info.bmHeight == 25);
        CHECK(GetObjectType(oldBitmaps[i]) == 0);
        // Redrawn at the new size: the cell's bottom-right corner lands in the new corner.
        CHECK(skintest::Pixel(face, 79, 24) == skintest::Pixel(SkinImages().ButtonFaceImage, 6, 21 * i + 20));
    }
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    REQUIRE(GetWindowRgn(button, rgn) != ERROR);
    RECT box;
    GetRgnBox(rgn, &box);
    CHECK(box.left == 0);
    CHECK(box.top == 0);
    CHECK(box.right == 80);
    CHECK(box.bottom == 25);
    CHECK_FALSE(PtInRegion(rgn, 79, 24));  // rounded corner
    CHECK(PtInRegion(rgn, 78, 24));
    DeleteObject(rgn);

    // Other kinds only pass the message on: nothing of the skin is added.
    MoveWindow(label, 10, 60, 120, 30, TRUE);
    CHECK(skintest::SkinPropNames(label) == std::vector<std::string>{"PROCADDR"});
    HRGN none = CreateRectRgn(0, 0, 0, 0);
    CHECK(GetWindowRgn(label, none) == ERROR);
    DeleteObject(none);
}

namespace {

struct MessageBoxProbe {
    bool found = false;
    bool boxSkinned = false;
    int buttons = 0;
    int skinnedButtons = 0;
};
MessageBoxProbe g_probe;

BOOL CALLBACK CountButtons(HWND child, LPARAM)
{
    if (GetControlKind(child) == ControlKind::CommandButton) {
        ++g_probe.buttons;
        if (GetSkinProp(child, prop::ProcAddr)) ++g_probe.skinnedButtons;
    }
    return TRUE;
}

// Runs inside the message box's modal loop: looks at it, then closes it.
void CALLBACK InspectMessageBox(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND box = FindWindowW(L"#32770", L"Velmora test box");
    if (!box) return;
    KillTimer(nullptr, id);
    g_probe.found = true;
    g_probe.boxSkinned = GetSkinProp(box, prop::ProcAddr) != 0;
    EnumChildWindows(box, CountButtons, 0);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

}  // namespace

TEST_CASE("a message box owned by a skinned window is skinned, with its buttons, on activation")
{
    REQUIRE(SkinnedWindowCount() == 0);
    test::Window form = test::MakeTopLevel(L"Form", 50, 50, 300, 150);
    REQUIRE(SkinWindow(form) == 1);
    SetForegroundWindow(form);
    g_probe = {};
    SetTimer(nullptr, 0, 50, InspectMessageBox);
    MessageBoxW(form, L"你好", L"Velmora test box", MB_OKCANCEL);
    CHECK(g_probe.found);
    CHECK(g_probe.boxSkinned);
    CHECK(g_probe.buttons >= 2);
    CHECK(g_probe.skinnedButtons == g_probe.buttons);
    DestroyWindow(form.release());
    CHECK(SkinnedWindowCount() == 0);
}

TEST_CASE("WM_ACTIVATE attaches owned pop-ups and containers, nothing else")
{
    REQUIRE(SkinnedWindowCount() == 0);
    test::Window form = test::MakeTopLevel(L"Form", 50, 50, 300, 150);
    REQUIRE(SkinWindow(form) == 1);
    test::Window unrelated = test::MakeTopLevel(L"UnrelatedTopLevel", 400, 50, 100, 100);
    test::Window dialog = test::MakeTopLevel(L"#32770", 400, 200, 100, 100);
    test::RegisterClassOnce(L"OwnedPopup");
    HWND owned = CreateWindowExW(0, L"OwnedPopup", L"", WS_POPUP | WS_VISIBLE, 10, 300, 50, 50, form,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);

    SendMessageW(form, WM_ACTIVATE, WA_INACTIVE, 0);
    CHECK(SkinnedWindowCount() == 1);
    SendMessageW(form, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(unrelated.get()));
    CHECK(GetSkinProp(unrelated, prop::ProcAddr) == 0);
    SendMessageW(form, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(owned));
    CHECK(GetSkinProp(owned, prop::ProcAddr) != 0);
    SendMessageW(form, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(dialog.get()));
    CHECK(GetSkinProp(dialog, prop::ProcAddr) != 0);
    CHECK(SkinnedWindowCount() == 3);

    DestroyWindow(dialog.release());
    DestroyWindow(form.release());
    CHECK(SkinnedWindowCount() == 0);
}
