// Windows made inside a skinned window after the skin was attached are skinned as they are made.
#include "skin/support/skin_fixture.h"

#include <commctrl.h>

#include "dialog_template.h"

using namespace skintest;

namespace {

// Refuses its creation at WM_NCCREATE (class "Late0") or at WM_CREATE (the others).
LRESULT CALLBACK RefusingProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    wchar_t cls[32];
    GetClassNameW(w, cls, 32);
    if (msg == (cls[4] == L'0' ? WM_NCCREATE : WM_CREATE)) return cls[4] == L'0' ? FALSE : -1;
    return DefWindowProcW(w, msg, wp, lp);
}

}  // namespace

TEST_CASE("a child made in a skinned form is skinned when its creation returns, at any depth, without parent notification too, "
          "property-sheet pages when first shown; refused creations and 2,000 late children leave nothing")
{
    test::Window form = test::MakeTopLevel(L"Form", 0, 0, 300, 200);
    SetForegroundWindow(form);
    REQUIRE(SkinWindow(form) == 1);
    const NoLeaks noLeaks;
    HWND late = CreateWindowExW(0, L"Button", L"Go", WS_CHILD | WS_VISIBLE, 10, 10, 80, 25, form, nullptr, nullptr, nullptr);
    CHECK(SkinnedButton(late));
    test::Pump(50);  // its first paint: the skin's normal face
    CHECK(InteriorDifferences(late, 0) == 0);
    // Its font comes after it was made: the faces carry the caption in that font.
    const std::uint32_t before = DcPixel(FaceOf(late, 0), 40, 12);
    HFONT big = CreateFontW(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, L"Tahoma");
    SendMessageW(late, WM_SETFONT, WPARAM(big), TRUE);
    test::Pump(50);
    CHECK((InteriorDifferences(late, 0) == 0 && DcPixel(FaceOf(late, 0), 40, 12) != before));

    DestroyWindow(late);
    DeleteObject(big);
    HWND box = test::MakeChild(form, L"#32770", L"", 0, 100, 10, 190, 120);
    HWND deep = test::MakeChild(box, L"Button", L"x", 0, 5, 5, 80, 25);
    HWND quiet = CreateWindowExW(WS_EX_NOPARENTNOTIFY, L"Button", L"y", WS_CHILD | WS_VISIBLE, 5, 40, 80, 25, box, nullptr, nullptr, nullptr);
    HWND combo = test::MakeChild(box, L"ComboBox", L"", CBS_DROPDOWN, 5, 75, 100, 100);
    CHECK((HasSkinProc(box) && SkinnedButton(deep) && SkinnedButton(quiet)));
    CHECK((SkinPropNames(combo) == Names{"PROCADDR", "NEXTPROC", "OLDSTATE", "MOUSEFLAG"} && HasSkinProc(GetWindow(combo, GW_CHILD))));
    // Owned pop-ups are not inside the form: they keep their ways in (activation, idle, list colours).
    test::Window popup(CreateWindowExW(0, L"Button", L"p", WS_POPUP, 0, 0, 80, 25, form, nullptr, nullptr, nullptr));
    CHECK_FALSE(HasSkinProc(popup));
    DestroyWindow(box);
    CHECK(SkinnedWindowCount() == 1);
    for (const wchar_t* cls : {L"Late0", L"Late1", L"ThunderCommandButton"}) {  // the last one's kind has faces
        test::RegisterClassOnce(cls, RefusingProc);
        CHECK_FALSE(CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE, 5, 5, 80, 25, form, nullptr, nullptr, nullptr));
        CHECK(SkinnedWindowCount() == 1);
    }
    for (int i = 0; i < 2000; ++i) DestroyWindow(test::MakeChild(form, L"Button", L"z", 0, 5, 5, 80, 25));
    test::Pump(20);
    CHECK(SkinnedWindowCount() == 1);  // the GDI objects: NoLeaks
    // A modeless property sheet owned by the form: each page is skinned with its controls when first shown.
    gallery::DialogTemplate page(L"", WS_CHILD | DS_CONTROL, 150, 80, 8, L"MS Shell Dlg");
    page.AddItem(L"Button", L"Page button", WS_CHILD | WS_VISIBLE, 0, 10, 10, 60, 14, 1001);
    PROPSHEETPAGEW pages[2]{};
    for (auto& p : pages) {
        p.dwSize = sizeof p;
        p.dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
        p.pResource = page.Get();
        p.pszTitle = L"Page";
    }
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_MODELESS | PSH_PROPSHEETPAGE;
    header.hwndParent = form;
    header.pszCaption = L"Sheet";
    header.nPages = 2;
    header.ppsp = pages;
    test::Window sheet(HWND(PropertySheetW(&header)));
    test::Pump(100);
    HWND first = PropSheet_GetCurrentPageHwnd(sheet);
    CHECK((HasSkinProc(sheet) && HasSkinProc(first) && SkinnedWindowCount() > 3));
    PropSheet_SetCurSel(sheet, nullptr, 1);
    HWND second = PropSheet_GetCurrentPageHwnd(sheet);
    REQUIRE(second != first);
    CHECK((HasSkinProc(second) && HasSkinProc(GetDlgItem(second, 1001)) && GetSkinProp(GetDlgItem(second, 1001), prop::FaceDc[0])));
}
