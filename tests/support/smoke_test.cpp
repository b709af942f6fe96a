// The test loop itself: real windows, messages and pixels under Wine.
#include <doctest.h>

#include <string>

#include "support/test_window.h"

TEST_CASE("a real window paints, keeps Chinese text and reads back its pixels")
{
    test::Window w = test::MakeTopLevel(L"SmokeTestWindow", 40, 40, 200, 100, L"Velmora登入器");
    REQUIRE(w.get() != nullptr);

    wchar_t title[32]{};
    GetWindowTextW(w, title, 32);
    CHECK(std::wstring(title) == L"Velmora登入器");

    HDC dc = GetDC(w);
    RECT r{10, 10, 30, 30};
    HBRUSH b = CreateSolidBrush(RGB(0x12, 0x34, 0x56));
    FillRect(dc, &r, b);
    DeleteObject(b);
    CHECK(test::DcPixel(dc, 15, 15) == 0x123456u);
    ReleaseDC(w, dc);
}
