// The skin frame that framed lists and bordered grids get on top of their own painting.
#include <doctest.h>

#include "skin/core/skinner.h"
#include "skin/support/skin_fixture.h"

namespace {

// Paints its client area in one known colour, under whatever class name it is registered.
LRESULT CALLBACK FlatControlProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg != WM_PAINT) return DefWindowProcW(w, msg, wp, lp);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    SetDCBrushColor(dc, RGB(0x30, 0x60, 0x90));
    FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    EndPaint(w, &ps);
    return 0;
}

// The outermost ring of the window in one colour, the next ring, and the inside.
struct Look {
    bool outline;
    std::uint32_t inner, inside;
};

Look Repaint(HWND w, std::uint32_t outline)
{
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    bool same = true;
    for (int i = 0; i < 120; i += 7)
        same &= test::WindowPixel(w, i, 0) == outline && test::WindowPixel(w, i, 79) == outline &&
                test::WindowPixel(w, 0, i % 80) == outline && test::WindowPixel(w, 119, i % 80) == outline;
    return {same, test::WindowPixel(w, 60, 1), test::WindowPixel(w, 60, 40)};
}

}  // namespace

TEST_CASE("framed lists and bordered grids get the skin frame in the colour of their state")
{
    test::Window form = test::MakeTopLevel(L"Form", 50, 50, 400, 300);
    struct Case {
        const wchar_t* cls;
        DWORD style;
        bool framed;
        std::uint32_t inner;  // the ring inside the frame
    };
    const Case cases[] = {
        {L"DataListWndClass", WS_BORDER, true, 0xFFFFFF}, {L"dblistwndclass", 0, true, 0xFFFFFF},
        {L"ComboLBox", WS_BORDER, true, 0xFFFFFF},        {L"ApexGrid", WS_BORDER, true, 0x306090},
        {L"APEXGRIDOLEDB32", WS_BORDER, true, 0x306090},  {L"apexgrid2", 0, false, 0x306090},
    };
    for (const Case& c : cases) {
        CAPTURE(std::string(c.cls, c.cls + wcslen(c.cls)));
        test::RegisterClassOnce(c.cls, FlatControlProc);
        test::Window w = test::MakeChild(form, c.cls, L"", c.style, 20, 20, 120, 80);
        REQUIRE(skin::SkinWindow(w) == 1);
        const Look enabled = Repaint(w, c.framed ? 0x54A5D5 : 0x306090);
        CHECK(enabled.outline);
        CHECK(enabled.inner == c.inner);
        CHECK(enabled.inside == 0x306090u);
        EnableWindow(w, FALSE);
        CHECK(Repaint(w, c.framed ? 0xA4CFE9 : 0x306090).outline);
    }
}
