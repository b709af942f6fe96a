// The skin frame that framed lists and bordered grids get on top of their own painting.
#include <doctest.h>

#include <cwchar>
#include <string>

#include "skin/core/skinner.h"
#include "skin/support/skin_fixture.h"

using namespace skin;

namespace {

// A control class that paints its client area in one known colour, under the given class name.
LRESULT CALLBACK FlatControlProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(w, &ps);
        HBRUSH b = CreateSolidBrush(RGB(0x30, 0x60, 0x90));
        FillRect(dc, &ps.rcPaint, b);
        DeleteObject(b);
        EndPaint(w, &ps);
        return 0;
    }
    return DefWindowProcW(w, msg, wp, lp);
}

HWND MakeControl(HWND parent, const wchar_t* cls, DWORD style)
{
    test::RegisterClassOnce(cls, FlatControlProc);
    return CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, 20, 20, 120, 80, parent,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

// The pixel just inside the outer frame, and one well inside the control.
struct Ring {
    std::uint32_t inner, inside;
};

Ring ReadRing(HWND w)
{
    return {test::WindowPixel(w, 60, 1), test::WindowPixel(w, 60, 40)};
}

void CheckOutline(HWND w, std::uint32_t colour)
{
    RECT r;
    GetWindowRect(w, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    for (int x = 0; x < width; x += 7) {
        CHECK(test::WindowPixel(w, x, 0) == colour);
        CHECK(test::WindowPixel(w, x, height - 1) == colour);
    }
    for (int y = 0; y < height; y += 7) {
        CHECK(test::WindowPixel(w, 0, y) == colour);
        CHECK(test::WindowPixel(w, width - 1, y) == colour);
    }
}

}  // namespace

TEST_CASE("framed lists: outer frame in the state's colour, white ring inside it")
{
    test::Window form = test::MakeTopLevel(L"Form", 50, 50, 400, 300);
    for (const wchar_t* cls : {L"DataListWndClass", L"ComboLBox", L"dblistwndclass"}) {
        CAPTURE(std::string(cls, cls + wcslen(cls)));
        HWND list = MakeControl(form, cls, WS_BORDER);
        REQUIRE(SkinWindow(list) == 1);
        RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        CheckOutline(list, 0x54A5D5);
        CHECK(ReadRing(list).inner == 0xFFFFFFu);
        CHECK(ReadRing(list).inside == 0x306090u);

        EnableWindow(list, FALSE);
        RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        CheckOutline(list, 0xA4CFE9);
        CHECK(ReadRing(list).inner == 0xFFFFFFu);

        EnableWindow(list, TRUE);
        RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        CheckOutline(list, 0x54A5D5);
        DestroyWindow(list);
    }
}

TEST_CASE("grids get the single outer frame only when they have a border")
{
    test::Window form = test::MakeTopLevel(L"Form", 50, 50, 400, 300);
    SUBCASE("with WS_BORDER, in any case of the class name")
    {
        for (const wchar_t* cls : {L"ApexGrid", L"APEXGRIDOLEDB32"}) {
            HWND grid = MakeControl(form, cls, WS_BORDER);
            REQUIRE(SkinWindow(grid) == 1);
            RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
            CheckOutline(grid, 0x54A5D5);
            CHECK(ReadRing(grid).inner == 0x306090u);  // no white ring: the control's own pixels
            EnableWindow(grid, FALSE);
            RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
            CheckOutline(grid, 0xA4CFE9);
            DestroyWindow(grid);
        }
    }
    SUBCASE("without a border nothing is drawn over the control")
    {
        HWND grid = MakeControl(form, L"apexgrid2", 0);
        REQUIRE(SkinWindow(grid) == 1);
        RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        CheckOutline(grid, 0x306090);
        DestroyWindow(grid);
    }
}
