// Client-edge borders, progress bars and headers as the skin leaves them on screen.
#include "skin/draw/primitives.h"
#include "skin/paint/border_painting.h"
#include "skin/paint/header_painters.h"
#include "skin/paint/window_scroll_bars.h"
#include "skin/support/control_pictures.h"
#include "skin/support/skin_fixture.h"

using namespace skintest;

namespace {

constexpr COLORREF kMarker = RGB(255, 0, 255);

// Keeps a background colour in its own DC; its border measures the control id across, 2 down.
LRESULT CALLBACK EdgeProbeProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_CREATE) SetBkColor(GetDC(w), RGB(0x12, 0x34, 0x56));
    if (msg != WM_NCCALCSIZE) return DefWindowProcW(w, msg, wp, lp);
    auto* r = reinterpret_cast<RECT*>(lp);
    *r = {r->left + GetDlgCtrlID(w) / 2, r->top + 1, r->right - (GetDlgCtrlID(w) + 1) / 2, r->bottom - 1};
    return 0;
}

// A header class that answers only the ANSI item query, as older header classes do.
WNDPROC g_headerProc = nullptr;
LRESULT CALLBACK AnsiOnlyHeaderProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    return msg == HDM_GETITEMW ? 0 : CallWindowProcW(g_headerProc, w, msg, wp, lp);
}

}  // namespace

TEST_CASE("WM_NCPAINT: a client edge becomes a line and rings, every other frame stays its own")
{
    const WNDCLASSEXW probe{sizeof probe, CS_OWNDC, EdgeProbeProc, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, L"EdgeProbe", nullptr};
    RegisterClassExW(&probe);
    test::RegisterClassOnce(L"DataListWndClass");
    test::Window form = test::MakeTopLevel(L"Form", 30, 30, 400, 200);
    struct Case {
        const wchar_t* cls;
        DWORD exStyle, style;
        int id, bx = -1, by = 0;  // bx -1: the frame stays as the window's own procedure painted it
        std::uint32_t line = 0, ring = 0;
    };
    const DWORD edge = WS_EX_CLIENTEDGE, list = WS_VSCROLL | LBS_DISABLENOSCROLL;
    const Case cases[] = {
        {L"ListBox", edge, list, 0, 2, 2, 0x54A5D5, 0xFFFFFF}, {L"ListBox", edge, list | WS_DISABLED, 0, 2, 2, 0xA4CFE9, 0xFFFFFF},
        {L"Edit", edge, WS_HSCROLL | WS_VSCROLL | ES_MULTILINE, 0, 2, 2, 0x54A5D5, 0xFFFFFF},
        {L"EdgeProbe", edge, 0, 3, 2, 1, 0x54A5D5, 0x123456}, {L"EdgeProbe", edge, 0, 5, 2, 1, 0x54A5D5, 0x123456},
        {L"Static", 0, WS_BORDER, 0}, {L"DataListWndClass", edge, 0, 0}, {L"Form", 0, WS_OVERLAPPEDWINDOW, 0},
    };
    for (const Case& c : cases) {
        CAPTURE(std::string(c.cls, c.cls + wcslen(c.cls)) + std::to_string(c.id));
        const bool child = !(c.style & WS_THICKFRAME);
        test::Window w(CreateWindowExW(c.exStyle, c.cls, L"", c.style | WS_VISIBLE | (child ? WS_CHILD : 0), 20, 20, 160,
                                       100, child ? form.hwnd : nullptr, HMENU(INT_PTR{c.id}), nullptr, nullptr));
        const Picture own = CaptureWindow(w, kMarker, WM_NCPAINT, 1);
        REQUIRE(skin::SkinWindow(w) == 1);
        const Picture skinned = CaptureWindow(w, kMarker, WM_NCPAINT, 1);
        int bx = -1, by = 0, wrong = 0, r = own.width - 2, b = own.height - 2;
        if (skin::GetBorderThickness(w, bx, by) && c.bx >= 0) CHECK(std::make_pair(bx, by) == std::make_pair(c.bx, c.by));
        // The scroll bars and the box between them are the skin's own drawing, tested apart.
        skin::WindowBar v, h;
        RECT box{};
        const bool hasV = skin::FindWindowBar(w, SB_VERT, v), hasH = skin::FindWindowBar(w, SB_HORZ, h), hasBox = skin::FindSizeBox(w, box);
        for (int y = 0; y < own.height; ++y)
            for (int x = 0; x < own.width; ++x) {
                const POINT p{x, y};
                if ((hasV && PtInRect(&v.rect, p)) || (hasH && PtInRect(&h.rect, p)) || (hasBox && PtInRect(&box, p))) continue;
                const bool line = x == 0 || y == 0 || x > r || y > b, ring = std::min(x, y) <= c.bx || x == r || y == b;
                wrong += skinned.at(x, y) != (c.bx < 0 ? own.at(x, y) : line ? c.line : ring ? c.ring : own.at(x, y));
            }
        CHECK(wrong == 0);
    }
}

TEST_CASE("progress bars: the bar in the client area, the frame in the skin's colour, nothing by their own procedure")
{
    for (const wchar_t* name : {L"ProgressBar20WndClass", L"ProgressBarWndClass"}) Superclass(PROGRESS_CLASSW, name);
    test::Window form = test::MakeTopLevel(L"Form", 30, 30, 300, 100);
    struct Case {
        const wchar_t* cls;
        DWORD style;
        int high, position, cw;
        RECT bar, frameBar;  // in the client area: after WM_PAINT, and after WM_NCPAINT alone
    };
    const DWORD vertical = PBS_VERTICAL, smooth = PBS_VERTICAL | PBS_SMOOTH;
    const Case cases[] = {
        {L"ProgressBar20WndClass", 0, 30000, 15000, 101, {0, 0, 50, 11}, {0, 0, 50, 11}},
        {L"ProgressBarWndClass", WS_DISABLED, 30000, 30000, 101, {0, 0, 101, 11}, {0, 0, 101, 11}},
        {L"ProgressBarWndClass", vertical, 30000, 7500, 11, {0, 8, 11, 11}, {}},
        {L"ProgressBarWndClass", smooth, 30000, 7500, 11, {0, 8, 11, 11}, {0, 8, 11, 11}},
        {L"ProgressBar20WndClass", 0, 30000, 0, 101, {}, {}},
        {L"ProgressBar20WndClass", 0, 65535, 40000, 101, {0, 0, 101, 11}, {0, 0, 101, 11}},
        {L"ProgressBar20WndClass", 0, 0, -30000, 101, {}, {}}, {L"ProgressBarWndClass", smooth, 0, -30000, 11, {}, {}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.position);
        CAPTURE(c.style);
        // A one-pixel border around a client area of cw x 11.
        test::Window bar(test::MakeChild(form, c.cls, L"", WS_BORDER | c.style, 10, 10, c.cw + 2, 13));
        SendMessageW(bar, PBM_SETRANGE32, c.high ? 0 : -30000, c.high);
        SendMessageW(bar, PBM_SETPOS, c.position, 0);
        const MessageLog own(bar);  // below the skin: what reaches the bar's own procedure
        REQUIRE(skin::SkinWindow(bar) == 1);
        own.seen.clear();
        RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        const Picture pictures[] = {CaptureWindow(bar), CaptureWindow(bar, kMarker, WM_NCPAINT, 1)};
        for (const Picture& p : pictures) {
            int wrong = 0;
            for (int y = 0; y < p.height; ++y)
                for (int x = 0; x < p.width; ++x) {
                    const bool frame = x == 0 || y == 0 || x == p.width - 1 || y == p.height - 1;
                    const bool filled = PtInRect(&p == pictures ? &c.bar : &c.frameBar, {x - 1, y - 1});
                    wrong += p.at(x, y) != (frame ? 0x54A5D5u : filled ? 0x4CD6F6u : 0xFFFFFFu);
                }
            CHECK(wrong == 0);
        }
        CHECK(own.Count(WM_PAINT) + own.Count(WM_NCPAINT) == 0);
    }
}

TEST_CASE("headers: the background strip, item faces by HDINDEX and HMINDEX, captions as the W text call draws them")
{
    test::Window form = test::MakeTopLevel(L"Form", 30, 30, 420, 100);
    struct Faces {
        int items, pressed, hot, face[4] = {};
    };
    for (const Faces& row : {Faces{0, 7, -1}, Faces{4, 2, 2, {0, 0, 2, 0}}, Faces{4, 0, 3, {2, 0, 0, 1}}}) {
        test::Window header(MakeHeader(form, L"SysHeader32", 200, std::vector(row.items, std::pair(std::wstring(), 40))));
        REQUIRE(skin::SkinWindow(header) == 1);
        skin::SetSkinProp(header, skin::prop::HdIndex, row.pressed);
        skin::SetSkinProp(header, skin::prop::HmIndex, row.hot);
        RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const Picture shown = CaptureWindow(header), image = Capture(skin::SkinImages().HeaderItemImage, 9, 20);
        int wrong = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 200; ++x) {
                const int item = x / 40, column = 3 * row.face[item % 4] + (x % 40 == 0 ? 0 : x % 40 == 39 ? 2 : 1);
                wrong += shown.at(x, y) != image.at(item < row.items ? column : 1, y);
            }
        CHECK(wrong == 0);
        SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));  // no items: the pressed one stays
        CHECK(skin::GetSkinProp(header, skin::prop::HdIndex) == (row.items ? 0 : 7));
    }

    // Each item equals its face with the expected text drawn on it by the platform's W call, on screen
    // and painted alone into a DC; the last item reaches beyond the header. A header that answers
    // only the ANSI query shows the same captions (the Chinese one aside, which the code page decides).
    const HFONT font = CreateFontW(-12, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, L"SimSun");
    const std::wstring chinese = L"刷新删除缓存", wide = L"A caption far too wide", cut(255, L'i');
    const std::wstring drawn[] = {L"Refresh", wide, L"", chinese, cut};
    std::vector<std::pair<std::wstring, int>> items, blank;
    for (int i = 0; i < 5; ++i) items.emplace_back(drawn[i] + (i == 4 ? L"WWWW" : L""), i == 4 ? 1500 : 60);
    for (int i = 0; i < 5; ++i) blank.emplace_back(L"", items[i].second);
    g_headerProc = Superclass(WC_HEADERW, L"msvb_lib_header", AnsiOnlyHeaderProc);
    for (const wchar_t* cls : {L"SysHeader32", L"msvb_lib_header"}) {
        test::Window header(MakeHeader(form, cls, 400, items, font));
        test::Window faces(MakeHeader(form, L"SysHeader32", 400, blank, font));
        REQUIRE(skin::SkinWindow(header) + skin::SkinWindow(faces) == 2);
        RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const Picture bar = CaptureWindow(header);
        HDC dc = skin::CreateSkinSurface(1800, 20);
        SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        for (int i = 0; i < 5; ++i) {
            CAPTURE(i);
            if (drawn[i] == chinese && cls != std::wstring(L"SysHeader32")) continue;
            RECT r;
            REQUIRE(skin::GetHeaderItemRect(header, i, r));
            skin::PaintHeaderItem(faces, dc, i, 0);
            DrawTextW(dc, drawn[i].c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
            const Picture expected = Capture(dc, r.right, 20);
            skin::PaintHeaderItem(header, dc, i, 0);
            const Picture shown = Capture(dc, r.right, 20);
            int wrong = 0;
            for (int y = 0; y < 20; ++y)
                for (int x = r.left; x < r.right; ++x)
                    wrong += shown.at(x, y) != expected.at(x, y) || (x < 400 && bar.at(x, y) != shown.at(x, y));
            CHECK(wrong == 0);
        }
        PatBlt(dc, 0, 0, 1800, 20, BLACKNESS);
        skin::PaintHeaderItem(header, dc, -1, 1);
        CHECK(Capture(dc, 1800, 20).pixels == std::vector<std::uint32_t>(1800 * 20, 0));
        skin::DeleteSkinSurface(dc);
    }
    DeleteObject(font);
}
