// The skin's box, circle and drop button read back from the screen, in every look.
#include <vector>

#include "skin/paint/check_option_painters.h"
#include "skin/paint/combo_painters.h"
#include "skin/support/check_combo_form.h"
#include "skin/support/control_pictures.h"

using namespace skintest;
using test::WindowPixel;

TEST_CASE("the box, circle and drop button show the look of state, enabled state and check state; what a repaint keeps")
{
    CheckComboForm f;
    auto paint = [&](HWND w, INT_PTR state) {
        w == f.check ? void(skin::PaintCheckBox(w, state, true)) : w == f.o3 ? void(skin::PaintOptionButton(w, state, true)) : skin::PaintDropButton(w, nullptr, state, true);
    };
    // A repaint keeps an editable combo's hot button without its own procedure, and leaves a hot check box normal.
    struct Row { HWND w; int x, y; std::uint32_t colour; INT_PTR state; int ownPaints; };
    for (const Row& r : {Row{f.edit, f.x0, 1, Pixel(skin::SkinImages().DropButtonImage, 0, 0), 1, 0}, Row{f.check, 5, 3, 0xFFFFFF, 0, 1}}) {
        paint(r.w, 1);
        MessageLog::seen.clear(), MessageLog::previous = WNDPROC(skin::GetSkinProp(r.w, skin::prop::ProcAddr));
        skin::SetSkinProp(r.w, skin::prop::ProcAddr, INT_PTR(&MessageLog::Proc));  // below the skin: what it passes on
        Blot(r.w, r.x, r.y);
        RedrawWindow(r.w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        skin::SetSkinProp(r.w, skin::prop::ProcAddr, INT_PTR(MessageLog::previous));
        CHECK((State(r.w) == r.state && MessageLog::Count(WM_PAINT) == r.ownPaints && WindowPixel(r.w, r.x, r.y) == r.colour));
    }
    HDC G = skin::SkinImages().CheckGlyphImage, C = skin::SkinImages().OptionCircleImage, D = skin::SkinImages().DropButtonImage;
    const int cx = f.cx, cy = f.cy, mx = Half(cx - 9) + 8, my = 2 + Half(cy - 8), sx = Half(cx - 7), sy = 2 + Half(cy - 7);
    const int dx = Half(cx - 5) + 2, dy = skin::RoundHalfEven((cy - 5) / 2.0 + 4) + 2, x0 = f.x0, h = f.h;  // the dot's centre
    // 100 x 21 with a scroll bar width of 16: the button 17 x 19 at (82, 1), its arrow at (5, 8) in it
    const int ax = x0 + Half(100 - x0 - 1 - 7), ay = 1 + Half(h - 6);
    struct Look { HWND w; INT_PTR state; bool enabled; int check; std::vector<std::tuple<int, int, std::uint32_t>> probes; };
    const Look looks[] = {
        {f.check, 2, true, 1, {{0, 2, 0x3986C4}, {cx - 1, cy + 1, 0x3986C4}, {5, 3, Pixel(C, 5, 30)}, {mx, my, Pixel(G, 8, 0)}}},
        {f.check, 1, false, 0, {{0, 2, 0xA4CFE9}, {5, 3, 0xFFFFFF}}},
        {f.check, 1, true, 2, {{0, 2, 0x54A5D5}, {5, 3, Pixel(C, 5, 17)}, {sx, sy, Pixel(G, 1, 9)}}},
        {f.check, 0, false, 1, {{5, 3, 0xFFFFFF}, {mx, my, Pixel(G, 17, 0)}}},
        {f.check, 2, false, 2, {{0, 2, 0xA4CFE9}, {sx, sy, Pixel(G, 10, 9)}}},
        {f.o3, 0, true, 1, {{1, 10, Pixel(C, 1, 6)}, {dx, dy, Pixel(G, 4, 20)}}},
        {f.o3, 2, true, 2, {{1, 10, Pixel(C, 1, 32)}, {dx, dy, Pixel(C, 6, 32)}}},
        {f.o3, 1, false, 1, {{1, 10, Pixel(C, 1, 45)}, {dx, dy, Pixel(G, 13, 20)}}},
        {f.edit, 0, true, 0, {{0, 0, 0x54A5D5}, {99, 1, 0x54A5D5}, {x0 - 1, 2, 0xFFFFFF}, {x0, 1, 0xFFFFFF}, {ax, ay, Pixel(D, 8, 0)}, {ax + 3, ay + 3, Pixel(D, 8, 0)}}},
        {f.edit, 1, true, 0, {{x0, 1, Pixel(D, 0, 0)}, {98, h - 2, Pixel(D, 3, 17)}, {ax, ay, Pixel(D, 8, 0)}}},
        {f.edit, 2, true, 0, {{x0, 1, Pixel(D, 4, 0)}, {98, h - 2, Pixel(D, 7, 17)}}},
        {f.edit, 1, false, 0, {{0, 0, 0xA4CFE9}, {x0, 1, Pixel(D, 0, 0)}, {ax, ay, Pixel(D, 8, 4)}, {ax + 3, ay + 3, Pixel(D, 8, 4)}}},
        {f.simple, 1, true, 0, {{0, 0, 0x54A5D5}, {1, 1, 0xFFFFFF}, {x0, 1, 0xFFFFFF}}},  // no button, OLDSTATE kept
    };
    for (const Look& l : looks) {
        CAPTURE(l.state); CAPTURE(l.enabled); CAPTURE(l.check);
        EnableWindow(l.w, l.enabled);
        SendMessageW(l.w, BM_SETCHECK, l.check, 0);
        RedrawWindow(l.w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        paint(l.w, l.state);
        CHECK(State(l.w) == (l.w == f.simple ? 0 : l.state));
        for (auto [x, y, colour] : l.probes) CHECK_MESSAGE(WindowPixel(l.w, x, y) == colour, x << "," << y);
        for (int y = 0; y < Height(l.w); ++y)
            for (int x = 0; x < 100; ++x) CHECK(WindowPixel(l.w, x, y) != skin::KeyColor);
    }
    CHECK_FALSE((skin::PaintCheckBox(f.check, State(f.check), false) || skin::PaintOptionButton(f.o3, State(f.o3), false)));
    for (bool dropped : {true, false}) {  // after WM_WINDOWPOSCHANGING: pressed while dropped (no need to draw), else normal
        SendMessageW(f.edit, CB_SHOWDROPDOWN, dropped, 0);
        paint(f.edit, 1);
        CHECK(WindowPixel(f.edit, x0, 1) == Pixel(D, dropped ? 4 : 0, 0));
        Blot(f.edit, x0, 1);
        SetWindowPos(f.edit, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        CHECK(State(f.edit) == (dropped ? 2 : 0));
        CHECK(WindowPixel(f.edit, x0, 1) == (dropped ? 0 : 0xFFFFFF));
    }
    // 2,000 paint and tracking cycles of every kind the skin paints leave no GDI object or DC behind.
    Superclass(PROGRESS_CLASSW, L"ProgressBarWndClass");
    HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, L"ListBox", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 270, 100, 100, 60,
                                f.form, nullptr, nullptr, nullptr);
    HWND bar = test::MakeChild(f.form, L"ProgressBarWndClass", L"", WS_BORDER, 270, 170, 100, 12);
    HWND header = MakeHeader(f.form, L"SysHeader32", 200, {{L"a", 50}, {L"b", 50}});
    const NoLeaks noLeaks;
    for (int i = 0; i < 2000; ++i) {
        for (HWND c : {f.check, f.o3, f.edit, f.drive, bar, header, list})
            SendMessageW(c, WM_MOUSEMOVE, i % 2, MAKELPARAM(i % 2 ? 20 : 70, 5)), RedrawWindow(c, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        SendMessageW(bar, PBM_SETPOS, i % 100, 0);
        for (UINT message : {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, WM_MOUSELEAVE}) SendMessageW(header, message, 0, MAKELPARAM(i % 2 ? 20 : 70, 5));
    }
    SendMessageW(f.form, WM_LBUTTONUP, 0, 0);
}
