// SkinWindowEx: any window as a form, with everything inside it now and later, whatever the class.
#include "skin/support/skin_fixture.h"

#include <commctrl.h>

using namespace skintest;

namespace {

bool Skinned(HWND w) { return GetSkinProp(w, prop::ProcAddr) != 0; }

}  // namespace

TEST_CASE("SkinWindowEx with the children flag skins a plain main window and all inside it; DetachSkin all of it") {
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_COOL_CLASSES};
    REQUIRE(InitCommonControlsEx(&classes));
    test::Window main = test::MakeTopLevel(L"PlainMain", 40, 40, 400, 300);
    HWND rebar = test::MakeChild(main, REBARCLASSNAMEW, L"", 0, 0, 0, 400, 30);
    const std::vector<HWND> inside{test::MakeChild(main, L"Button", L"OK", BS_PUSHBUTTON, 10, 40, 80, 25), rebar,
                                   test::MakeChild(rebar, TOOLBARCLASSNAMEW, L"", CCS_NORESIZE | CCS_NODIVIDER, 0, 0, 200, 26),
                                   test::MakeChild(main, WC_LISTVIEWW, L"", LVS_REPORT, 10, 70, 180, 100),
                                   test::MakeChild(main, WC_TREEVIEWW, L"", 0, 200, 70, 180, 100),
                                   test::MakeChild(main, STATUSCLASSNAMEW, L"ready", 0, 0, 0, 0, 0)};
    for (DWORD unknown : {2ul, 0x80000000ul, 3ul}) CHECK(SkinWindowEx(main, unknown) == 0);
    CHECK_FALSE((Skinned(main) || SkinInitialized() || GetPropA(main, "SKINFLAGS")));

    REQUIRE(SkinWindowEx(main, SkinChildrenFlag) == 1);
    for (HWND w : inside) CHECK(Skinned(w));
    CHECK(FaceOf(inside[0], 0));  // the button has its faces
    HWND later = test::MakeChild(inside[4], L"Button", L"later", BS_PUSHBUTTON, 0, 0, 50, 20);  // inside a child of any class
    CHECK(Skinned(later));
    CHECK((SkinWindowEx(main, SkinChildrenFlag) == 0 && SkinWindow(main) == 0));

    REQUIRE(DetachSkin(main) == 1);
    for (HWND w : inside) CHECK_FALSE(Skinned(w));
    CHECK_FALSE((Skinned(later) || GetPropA(main, "SKINFLAGS") || SkinInitialized()));
    CHECK(SkinnedWindowCount() == 0);

    // Flags 0 is SkinWindow: a window of its own class is skinned alone.
    REQUIRE(SkinWindowEx(main, 0) == 1);
    CHECK_FALSE((Skinned(inside[0]) || Skinned(test::MakeChild(main, L"Button", L"", 0, 0, 0, 9, 9))));
    CHECK(DetachSkin(main) == 1);
}
