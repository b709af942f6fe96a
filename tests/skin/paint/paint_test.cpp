// The skin frame on framed lists and bordered grids; windows that activation moves to from a skinned
// window; a form skinned while hidden, and new faces for resized buttons.
#include <tuple>

#include "skin/support/control_pictures.h"
#include "skin/support/skin_fixture.h"

using namespace skintest;

namespace {

// Paints its client area in one known colour, under whatever class name it is registered.
LRESULT CALLBACK FlatControlProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg != WM_PAINT) return DefWindowProcW(w, msg, wp, lp);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    SetDCBrushColor(dc, RGB(0x30, 0x60, 0x90));
    FillRect(dc, &ps.rcPaint, HBRUSH(GetStockObject(DC_BRUSH)));
    EndPaint(w, &ps);
    return 0;
}

// Repaints the 120 x 80 window: whether its outermost ring is all `outline`; the colour of the next ring.
std::pair<bool, std::uint32_t> Repaint(HWND w, std::uint32_t outline)
{
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    CHECK(test::WindowPixel(w, 60, 40) == 0x306090u);  // the inside is the control's own
    bool same = true;
    for (int i = 0; i < 120; i += 7)
        for (auto [x, y] : {std::pair{i, 0}, {i, 79}, {0, i % 80}, {119, i % 80}}) same &= test::WindowPixel(w, x, y) == outline;
    return {same, test::WindowPixel(w, 60, 1)};
}

}  // namespace

TEST_CASE("framed lists and bordered grids get the skin frame in the colour of their state") {
    const NoLeaks noLeaks;
    test::Window form = test::MakeTopLevel(L"Form", 50, 50, 400, 300);
    const std::tuple<const wchar_t*, DWORD, bool, std::uint32_t> cases[] = {  // class, style, framed, the ring inside
        {L"DataListWndClass", WS_BORDER, true, 0xFFFFFF}, {L"dblistwndclass", 0, true, 0xFFFFFF}, {L"ComboLBox", WS_BORDER, true, 0xFFFFFF},
        {L"ApexGrid", WS_BORDER, true, 0x306090}, {L"APEXGRIDOLEDB32", WS_BORDER, true, 0x306090}, {L"apexgrid2", 0, false, 0x306090}};
    for (auto [cls, style, framed, inner] : cases) {
        CAPTURE(std::string(cls, cls + wcslen(cls)));
        test::Window w(test::MakeChild(form, test::RegisterClassOnce(cls, FlatControlProc), L"", style, 20, 20, 120, 80));
        REQUIRE(SkinWindow(w) == 1);
        CHECK(Repaint(w, framed ? 0x54A5D5 : 0x306090) == std::pair{true, inner});
        EnableWindow(w, FALSE);
        CHECK(Repaint(w, framed ? 0xA4CFE9 : 0x306090).first);
    }
}

TEST_CASE("activation skins owned pop-ups and containers it moves to, nothing else") {
    test::Window form = test::MakeTopLevel(L"Form", 50, 50, 300, 150), unrelated = test::MakeTopLevel(L"Unrelated", 400, 50, 100, 100),
                 dialog = test::MakeTopLevel(L"#32770", 400, 200, 100, 100);
    test::Window owned(CreateWindowExW(0, test::RegisterClassOnce(L"OwnedPopup"), L"", WS_POPUP | WS_VISIBLE, 10, 300, 50, 50, form, 0, 0, 0));
    HWND dialogButton = test::MakeChild(dialog, L"Button", L"OK", 0, 5, 5, 50, 20);
    REQUIRE(SkinWindow(form) == 1);
    for (HWND other : {HWND(nullptr), unrelated.hwnd, owned.hwnd, dialog.hwnd}) SendMessageW(form, WM_ACTIVATE, WA_INACTIVE, LPARAM(other));
    CHECK_FALSE(HasSkinProc(unrelated));
    CHECK((HasSkinProc(owned) && HasSkinProc(dialog) && HasSkinProc(dialogButton)));
    CHECK(SkinnedWindowCount() == 4);
}

TEST_CASE("skinned hidden, then shown: faces, regions, frames, edges at the first paint; a button resized to 80 x 25 gets faces and region that size") {
    Superclass(PROGRESS_CLASSW, L"ProgressBarWndClass");
    CursorAway();
    test::Window form(CreateWindowExW(0, test::RegisterClassOnce(L"Form"), L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 50, 50, 400, 200,
                                      nullptr, nullptr, nullptr, nullptr));
    HWND shown = test::MakeChild(form, L"Button", L"OK", 0, 10, 10, 80, 25), bar = test::MakeChild(form, L"ProgressBarWndClass", L"", WS_BORDER, 10, 50, 100, 12);
    HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, L"ListBox", L"", WS_CHILD | WS_VISIBLE, 10, 80, 100, 60, form, nullptr, nullptr, nullptr);
    HWND button = test::MakeChild(form, L"Button", L"OK", 0, 120, 10, 50, 20), label = test::MakeChild(form, L"Static", L"l", 0, 120, 60, 50, 20);
    HWND faceless = test::MakeChild(form, L"Button", L"x", 0, 250, 10, 50, 20);
    REQUIRE(SkinWindow(form) == 1);
    ShowWindow(form, SW_SHOWNORMAL);
    test::Pump(100);
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    CHECK((InteriorDifferences(shown, 0) == 0 && GetWindowRgn(shown, rgn) != ERROR && PtInRegion(rgn, 1, 1) && !PtInRegion(rgn, 0, 0)));
    for (HWND w : {bar, list}) CHECK((test::WindowPixel(w, 0, 0) == 0x54A5D5 && test::WindowPixel(w, 1, 1) == 0xFFFFFF));
    gdi::DeleteDC(FaceOf(faceless, 0)), SetSkinProp(faceless, prop::FaceDc[0], 0);  // as when its creation failed at attach
    const NoLeaks noLeaks;  // the old faces of the resized button deleted too
    for (int width : {60, 70, 80}) MoveWindow(faceless, 250, 10, width, 20, TRUE);  // no bitmap orphaned for the missing face
    for (int height : {20, 25}) MoveWindow(button, 120, 10, 80, height, TRUE);  // the width first, then the height alone
    MoveWindow(label, 120, 60, 120, 30, TRUE);
    for (int i = 0; i < 4; ++i) {  // the cell's bottom-right corner in the new corner of a new bitmap
        const HGDIOBJ bitmap = GetCurrentObject(FaceOf(button, i), OBJ_BITMAP);
        BITMAP info{};
        CHECK((GetObjectW(bitmap, sizeof info, &info) && info.bmWidth == 80 && info.bmHeight == 25));
        CHECK(HANDLE(GetSkinProp(button, prop::FaceBitmap[i])) == bitmap);
        CHECK(DcPixel(FaceOf(button, i), 79, 24) == DcPixel(SkinImages().ButtonFaceImage, 6, 21 * i + 20));
    }
    RECT box{};
    CHECK((GetWindowRgn(button, rgn) != ERROR && GetRgnBox(rgn, &box) && box == RECT{0, 0, 80, 25}));
    CHECK((PtInRegion(rgn, 78, 24) && !PtInRegion(rgn, 79, 24) && !PtInRegion(rgn, 0, 0)));  // a pixel cut per corner
    CHECK((GetWindowRgn(label, rgn) == ERROR && SkinPropNames(label) == Names{"PROCADDR", "NEXTPROC"}));
    DeleteObject(rgn);
}
