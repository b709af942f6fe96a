// Header items pressed and hot under the mouse: message sequences against the items they repaint
// and the header queries they cost, then real input.
#include <map>

#include "skin/support/control_pictures.h"
#include "skin/support/pointer_input.h"
#include "skin/support/skin_fixture.h"

using namespace skintest;

namespace {

// The header class under the skin, counting the item-count and rectangle queries that reach it.
WNDPROC g_headerProc = nullptr;
int g_counts = 0;
std::map<WPARAM, int> g_rects;  // by item

LRESULT CALLBACK CountingHeaderProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    g_counts += msg == HDM_GETITEMCOUNT;
    g_rects[wp] += msg == HDM_GETITEMRECT;
    return CallWindowProcW(g_headerProc, w, msg, wp, lp);
}

// Each item's look in the middle of its face: n(ormal), h(ot), p(ressed), or . when not drawn
// since the header was painted over.
std::string Faces(HWND header)
{
    const Picture shown = CaptureWindow(header);
    const Picture image = Capture(SkinImages().HeaderItemImage, 9, 20);
    std::string faces(4, '.');
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 3; ++k)
            if (shown.at(50 * i + 25, 10) == image.at(3 * k + 1, 10)) faces[i] = "nhp"[k];
    return faces;
}

}  // namespace

TEST_CASE("header tracking: indices, single items repainted and queries per message, in sequences and with real input")
{
    test::Window form = test::MakeTopLevel(L"Form", 40, 40, 300, 60);
    // Items at x 0, 50, 100 and 150, 50 wide.
    g_headerProc = Superclass(WC_HEADERW, L"msvb_lib_header", CountingHeaderProc);
    HWND header = MakeHeader(form, L"msvb_lib_header", 260, {{L"", 50}, {L"", 50}, {L"", 50}, {L"", 50}});
    REQUIRE(SkinWindow(header) == 1);
    struct Step {
        UINT message;
        WPARAM keys;
        int x;
        bool over;  // the cursor is over the header (at x 130) or outside it
        INT_PTR pressed, hot;
        const char* faces;  // the looks this message alone painted
    };
    const Step steps[] = {
        {WM_MOUSEMOVE, 0, 75, 0, -1, 1, ".h.."},          {WM_LBUTTONDOWN, MK_LBUTTON, 75, 0, 1, 1, ".p.."},
        {WM_MOUSEMOVE, MK_LBUTTON, 125, 0, 1, 1, "...."}, {WM_MOUSEMOVE, MK_LBUTTON, 75, 0, 1, 1, "...."},
        {WM_LBUTTONUP, 0, 75, 1, -1, 1, ".h.."},          {WM_MOUSEMOVE, 0, 175, 0, -1, 3, ".n.h"},
        {WM_LBUTTONDOWN, MK_LBUTTON, 25, 0, 0, 3, "p..."}, {WM_MOUSEMOVE, MK_LBUTTON, 125, 0, 0, 3, "...n"},
        {WM_MOUSEMOVE, MK_LBUTTON, 25, 0, 0, 3, "p..n"},  {WM_LBUTTONUP, 0, 25, 0, -1, 3, "n..."},
        {WM_LBUTTONDOWN, MK_LBUTTON, 230, 0, -1, 3, "...."}, {WM_LBUTTONUP, 0, 230, 1, -1, 3, "...."},
        {WM_LBUTTONDBLCLK, MK_LBUTTON, 125, 0, 2, 3, "..p."}, {WM_MOUSELEAVE, 0, 0, 0, -1, -1, "...n"},
        {WM_MOUSEMOVE, 0, 50, 0, -1, 0, "h..."},          {WM_MOUSEMOVE, 0, 51, 0, -1, 1, "nh.."},
        {WM_MOUSEMOVE, 0, 100, 0, -1, 1, "...."},         {WM_MOUSEMOVE, 0, 230, 0, -1, -1, ".n.."},
    };
    for (const Step& s : steps) {
        CAPTURE(s.message);
        CAPTURE(s.x);
        const POINT cursor = OnScreen(header, s.over ? 130 : -3000, 10);
        SetCursorPos(cursor.x, cursor.y);
        g_counts = 0;
        g_rects.clear();
        CaptureWindow(header, RGB(255, 0, 255), s.message, s.keys, MAKELPARAM(s.x, 10));
        CHECK(GetSkinProp(header, prop::HdIndex) == s.pressed);
        CHECK(GetSkinProp(header, prop::HmIndex) == s.hot);
        CHECK(Faces(header) == s.faces);
        CHECK(g_counts == (s.message == WM_MOUSEMOVE || s.message == WM_LBUTTONDOWN || s.message == WM_LBUTTONDBLCLK));
        for (auto [item, queries] : g_rects) CHECK(queries <= (item < 4));  // never an item the header lacks
    }
    ReleaseCapture();
    test::Pump(600);  // leave notifications asked for above

    auto waitFor = [&](const char* name, INT_PTR value) {
        return test::PumpUntil([&] { return GetSkinProp(header, name) == value; }, 3000);
    };
    const POINT item1 = OnScreen(header, 75, 10), away{GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2};
    Mouse(0, item1);
    REQUIRE(waitFor(prop::HmIndex, 1));
    Mouse(MOUSEEVENTF_LEFTDOWN, item1);
    REQUIRE(waitFor(prop::HdIndex, 1));
    Mouse(0, OnScreen(header, 125, 10));  // dragged over the next item and back: nothing changes
    Mouse(0, item1);
    test::Pump(100);
    CHECK(GetSkinProp(header, prop::HmIndex) == 1);
    CHECK(Faces(header) == "npnn");
    Mouse(MOUSEEVENTF_LEFTUP, item1);
    REQUIRE(waitFor(prop::HdIndex, -1));
    test::Pump(100);
    CHECK(Faces(header) == "nhnn");
    Mouse(MOUSEEVENTF_LEFTDOWN, item1);
    Mouse(0, away);  // out of the header, released there; the leave comes on the platform's tick
    Mouse(MOUSEEVENTF_LEFTUP, away);
    REQUIRE(waitFor(prop::MouseFlag, 0));
    test::Pump(100);
    CHECK(GetSkinProp(header, prop::HdIndex) + GetSkinProp(header, prop::HmIndex) == -2);
    CHECK(Faces(header) == "nnnn");
}
