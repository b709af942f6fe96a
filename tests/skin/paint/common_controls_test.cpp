// The common controls of the gallery's controls window, unskinned against skinned, under real
// pointer input.
#include <windows.h>

#include <commctrl.h>

#include "controls_window.h"
#include "skin/draw/skin_images.h"
#include "skin/support/check_combo_form.h"

using namespace skintest;
using test::WindowPixel;

namespace {

// Real pointer input at (x, y) of the window's client area: a move, with the button flags given.
void Mouse(HWND w, int x, int y, DWORD flags = 0)
{
    POINT p{x, y};
    ClientToScreen(w, &p);
    const int cx = GetSystemMetrics(SM_CXSCREEN) - 1, cy = GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT in{INPUT_MOUSE, {}};
    in.mi = {p.x * 65535 / cx, p.y * 65535 / cy, 0, flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, 0, 0};
    SendInput(1, &in, sizeof in);
    test::Pump(150);
}

RECT Client(HWND w) { RECT r{}; GetClientRect(w, &r); return r; }

struct ControlsWindow {
    test::Window window{gallery::CreateControlsWindow(GetModuleHandleW(nullptr), 20, 20)};
    HWND operator[](int id) const { return GetDlgItem(window, id); }
    ControlsWindow() { ShowWindow(window, SW_SHOW), SetForegroundWindow(window), CursorAway(), test::Pump(100); }
};

}  // namespace

TEST_CASE("group boxes, status bars and up-downs: the skin's colours where the system drew its own, the same behaviour")
{
    ControlsWindow c;
    HWND group = c[gallery::GroupBox], status = c[gallery::StatusBar], upDown = c[gallery::UpDown];
    HWND tabArrows = FindWindowExW(c[gallery::TabsMany], nullptr, UPDOWN_CLASSW, nullptr);
    REQUIRE(tabArrows);
    RECT part{};
    SendMessageW(status, SB_GETRECT, 0, LPARAM(&part));
    const RECT ud = Client(upDown), box = Client(group);
    const int r = ud.right - 1;
    HDC dc = GetDC(group);
    TEXTMETRICW font{};
    SelectObject(dc, HFONT(SendMessageW(group, WM_GETFONT, 0, 0))), GetTextMetricsW(dc, &font), ReleaseDC(group, dc);
    const int top = font.tmHeight / 2;  // the top line runs through the middle of the caption
    struct Probe { const char* what; HWND w; int x, y; std::function<std::uint32_t()> colour; std::function<void()> before = [] {}; };
    const std::uint32_t frame = skin::FrameColor, disabled = skin::DisabledFrameColor;
    HDC D = nullptr;  // the drop button image, once the skin is on
    const Probe probes[] = {
        {"group box line", group, 0, box.bottom / 2, [=] { return frame; }},
        {"group box top line", group, box.right - 4, top, [=] { return frame; }},
        {"disabled group box", c[gallery::GroupDisabled], 0, 20, [=] { return disabled; }},
        {"status bar separator", status, part.right, part.bottom / 2, [=] { return frame; }},
        // The buddy covers the up-down's left columns: the probes keep to the right, on a face's top-right corner pixel.
        {"up-down frame", upDown, r, 0, [=] { return frame; }},
        {"up-down normal", upDown, r - 2, 3, [] { return 0xFFFFFFu; }},
        {"tab scroll arrows", tabArrows, 0, 0, [=] { return frame; }},
        {"up-down hot", upDown, r - 1, 1, [&] { return Pixel(D, 3, 0); }, [&] { Mouse(upDown, r - 3, ud.bottom / 4); }},
        {"up-down lower half hot", upDown, r - 1, ud.bottom / 2, [&] { return Pixel(D, 3, 0); }, [&] { Mouse(upDown, r - 3, ud.bottom * 3 / 4); }},
        {"up-down pressed", upDown, r - 1, 1, [&] { return Pixel(D, 7, 0); }, [&] { Mouse(upDown, r - 3, ud.bottom / 4, MOUSEEVENTF_LEFTDOWN); }},
        {"up-down released", upDown, r - 1, 1, [&] { return Pixel(D, 3, 0); }, [&] { Mouse(upDown, r - 3, ud.bottom / 4, MOUSEEVENTF_LEFTUP); }},
        {"up-down disabled", upDown, r, 0, [=] { return disabled; }, [&] { EnableWindow(upDown, FALSE), CursorAway(), test::Pump(600); }},
    };
    MessageLog log(c.window);  // the parent's own procedure, below the skin
    SendMessageW(status, SB_SETTEXTW, 1 | SBT_OWNERDRAW, 7);
    const NoLeaks noLeaks;
    for (bool skinned : {false, true}) {
        CAPTURE(skinned);
        if (skinned) {
            REQUIRE(skin::SkinWindowEx(c.window, skin::SkinChildrenFlag) == 1);
            D = skin::SkinImages().DropButtonImage, test::Pump(100);
        }
        EnableWindow(upDown, TRUE), SendMessageW(upDown, UDM_SETPOS32, 0, 42), test::Pump(50);
        for (const Probe& p : probes) {
            const std::string what = p.what;
            CAPTURE(what);
            p.before();
            CHECK_MESSAGE((WindowPixel(p.w, p.x, p.y) == p.colour()) == skinned, std::hex << WindowPixel(p.w, p.x, p.y) << " " << p.colour());
            if (what == "up-down released") CHECK(GetDlgItemInt(c.window, gallery::UpDownBuddy, nullptr, FALSE) == 43);
        }
        // Owner-drawn parts are still the parent's to draw.
        MessageLog::seen.clear();
        RedrawWindow(status, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        CHECK(MessageLog::Count(WM_DRAWITEM) == 1);
    }
    CHECK(WindowPixel(group, 7, top) != frame);  // the caption's background over the line
    // The options of a skinned group are on screen and take real clicks.
    HWND second = c[gallery::GroupOptionSecond];
    CursorAway(), test::Pump(600);
    const RECT o = Client(second);
    POINT middle{o.right / 2, o.bottom / 2};
    ClientToScreen(second, &middle);
    CHECK(WindowFromPoint(middle) == second);
    MessageLog::seen.clear();
    Mouse(second, 10, o.bottom / 2, MOUSEEVENTF_LEFTDOWN), Mouse(second, 10, o.bottom / 2, MOUSEEVENTF_LEFTUP);
    CHECK(MessageLog::Count(WM_COMMAND) >= 1);
    CHECK(SendMessageW(second, BM_GETCHECK, 0, 0) == BST_CHECKED);
    // In simple mode the one text replaces the parts and their separators.
    SendMessageW(status, SB_SIMPLE, TRUE, 0), SendMessageW(status, SB_SETTEXTW, SB_SIMPLEID, LPARAM(L"Simple"));
    test::Pump(50);
    CHECK(WindowPixel(status, part.right, part.bottom / 2) != frame);
    int text = 0;  // pixels of the text colour
    for (int x = 0; x < part.right; ++x) text += WindowPixel(status, x, part.bottom / 2) == 0;
    CHECK(text > 0);
    // The skin off leaves nothing of its own on the three kinds.
    skin::DetachSkin(c.window);
    for (HWND w : {group, status, upDown, tabArrows}) CHECK(SkinPropNames(w).empty());
}
