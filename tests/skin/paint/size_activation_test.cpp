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
    HWND button = test::MakeChild(form, L"Button", L"OK", 0, 10, 10, 50, 20).release();
    HWND label = test::MakeChild(form, L"Static", L"label", 0, 10, 60, 50, 20).release();
    REQUIRE(SkinWindow(form) == 1);
    const auto oldBitmap = reinterpret_cast<HGDIOBJ>(GetSkinProp(button, prop::FaceBitmap[3]));

    MoveWindow(button, 10, 10, 80, 25, TRUE);
    for (int i = 0; i < 4; ++i) {
        const auto bitmap = reinterpret_cast<HBITMAP>(GetSkinProp(button, prop::FaceBitmap[i]));
        CHECK(GetCurrentObject(skintest::FaceOf(button, i), OBJ_BITMAP) == bitmap);
        BITMAP info{};
        GetObjectW(bitmap, sizeof info, &info);
        CHECK(info.bmWidth * 100 + info.bmHeight == 8025);
        // Drawn anew: the cell's bottom-right corner in the new corner.
        CHECK(skintest::Pixel(skintest::FaceOf(button, i), 79, 24) ==
              skintest::Pixel(SkinImages().ButtonFaceImage, 6, 21 * i + 20));
    }
    CHECK(GetObjectType(oldBitmap) == 0);
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    REQUIRE(GetWindowRgn(button, rgn) != ERROR);
    RECT box;
    GetRgnBox(rgn, &box);
    CHECK((box.left == 0 && box.top == 0 && box.right == 80 && box.bottom == 25));
    CHECK_FALSE(PtInRegion(rgn, 79, 24));  // rounded corner
    CHECK(PtInRegion(rgn, 78, 24));
    // Other kinds only pass the message on.
    MoveWindow(label, 10, 60, 120, 30, TRUE);
    CHECK(skintest::SkinPropNames(label) == std::vector<std::string>{"PROCADDR"});
    CHECK(GetWindowRgn(label, rgn) == ERROR);
    DeleteObject(rgn);
}

namespace {

int g_boxButtons = -1, g_skinnedBoxButtons = -1;
bool g_boxSkinned = false;

// Runs inside the message box's modal loop: looks at it, then closes it.
void CALLBACK InspectMessageBox(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND box = FindWindowW(L"#32770", L"Velmora test box");
    if (!box) return;
    KillTimer(nullptr, id);
    g_boxSkinned = skintest::HasSkinProc(box);
    g_boxButtons = g_skinnedBoxButtons = 0;
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (GetControlKind(c) == ControlKind::CommandButton) {
            ++g_boxButtons;
            g_skinnedBoxButtons += skintest::HasSkinProc(c);
        }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

}  // namespace

TEST_CASE("activation skins an owned message box with its buttons, owned pop-ups and containers")
{
    test::Window form = test::MakeTopLevel(L"Form", 50, 50, 300, 150);
    REQUIRE(SkinWindow(form) == 1);
    SetForegroundWindow(form);
    SetTimer(nullptr, 0, 50, InspectMessageBox);
    MessageBoxW(form, L"你好", L"Velmora test box", MB_OKCANCEL);
    CHECK(g_boxSkinned);
    CHECK(g_boxButtons >= 2);
    CHECK(g_skinnedBoxButtons == g_boxButtons);
    CHECK(SkinnedWindowCount() == 1);  // the box went with its skin

    test::Window unrelated = test::MakeTopLevel(L"UnrelatedTopLevel", 400, 50, 100, 100);
    test::Window dialog = test::MakeTopLevel(L"#32770", 400, 200, 100, 100);
    test::RegisterClassOnce(L"OwnedPopup");
    test::Window owned(CreateWindowExW(0, L"OwnedPopup", L"", WS_POPUP | WS_VISIBLE, 10, 300, 50, 50,
                                       form, nullptr, GetModuleHandleW(nullptr), nullptr));
    SendMessageW(form, WM_ACTIVATE, WA_INACTIVE, 0);
    SendMessageW(form, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(unrelated.get()));
    CHECK_FALSE(skintest::HasSkinProc(unrelated));
    SendMessageW(form, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(owned.get()));
    SendMessageW(form, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(dialog.get()));
    CHECK(skintest::HasSkinProc(owned));
    CHECK(skintest::HasSkinProc(dialog));
    CHECK(SkinnedWindowCount() == 3);
}
