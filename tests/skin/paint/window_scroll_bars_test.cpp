// The standard scroll bars of skinned list boxes and edits: the skin's picture on the screen at
// every moment the system would draw its own, scrolling exactly as without the skin, and the
// system's bars back in place after a detach.
#include <windows.h>

#include <string>

#include "skin/paint/window_scroll_bars.h"
#include "skin/support/control_pictures.h"
#include "skin/support/pointer_input.h"
#include "skin/support/skin_fixture.h"

namespace {

using namespace skintest;

HWND MakeList(HWND parent, int x, int items)
{
    HWND list = test::MakeChild(parent, L"ListBox", L"", WS_VSCROLL | WS_BORDER | LBS_NOINTEGRALHEIGHT, x, 10, 160, 200);
    for (int i = 0; i < items; ++i) SendMessageW(list, LB_ADDSTRING, 0, LPARAM((L"item " + std::to_wstring(i)).c_str()));
    return list;
}

// Pixels of the bar on the screen unlike the skin's picture of it with that part held; -1: no such bar.
int OffSkin(HWND w, int bar, INT_PTR held = scroll_part::None)
{
    WindowBar b;
    if (!FindWindowBar(w, bar, b)) return -1;
    const int width = b.rect.right - b.rect.left, height = b.rect.bottom - b.rect.top;
    RECT outer{};
    GetWindowRect(w, &outer);
    HDC screen = GetDC(nullptr), both = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 2 * width, height);
    SelectObject(both, bitmap);
    DrawSkinScrollBar(both, 0, 0, b.layout, scroll_part::None, held, ScaleFor(w));
    BitBlt(both, width, 0, width, height, screen, outer.left + b.rect.left, outer.top + b.rect.top, SRCCOPY);
    int differences = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) differences += DcPixel(both, x, y) != DcPixel(both, x + width, y);
    DeleteDC(both), DeleteObject(bitmap), ReleaseDC(nullptr, screen);
    return differences;
}

// The vertical bar as the system measures it; a screen point on it, along from its start; the
// middle of its thumb; its length.
SCROLLBARINFO Measured(HWND w)
{
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(w, OBJID_VSCROLL, &info);
    return info;
}
POINT OnBar(HWND w, int along)
{
    const RECT r = Measured(w).rcScrollBar;
    return {(r.left + r.right) / 2, r.top + along};
}
int ThumbMiddle(HWND w) { return (Measured(w).xyThumbTop + Measured(w).xyThumbBottom) / 2; }
int Length(HWND w) { return Measured(w).rcScrollBar.bottom - Measured(w).rcScrollBar.top; }

// Below the skin: the scroll requests the list box was sent, and the track position it reads.
struct Requests {
    inline static std::vector<WPARAM> log;
    inline static WNDPROC next = nullptr;
    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
    {
        SCROLLINFO track{sizeof track, SIF_TRACKPOS, 0, 0, 0, 0, 0};
        if (msg == WM_VSCROLL && LOWORD(wp) == SB_THUMBTRACK && GetScrollInfo(w, SB_VERT, &track)) log.push_back(track.nTrackPos);
        if (msg == WM_VSCROLL) log.push_back(wp);
        return CallWindowProcW(next, w, msg, wp, lp);
    }
};

// Arrow, page and thumb clicks, a drag, the wheel and keys on a list box of 200 items: its positions
// after each, and the requests it heard.
std::pair<std::vector<int>, std::vector<WPARAM>> Drive(bool skinned)
{
    test::Window form = test::MakeTopLevel(L"ScrollForm", 20, 20, 200, 240);
    HWND list = MakeList(form, 10, 200);
    Requests::log.clear();
    Requests::next = WNDPROC(SetWindowLongPtrW(list, GWLP_WNDPROC, LONG_PTR(&Requests::Proc)));
    if (skinned) REQUIRE(SkinWindowEx(form, SkinChildrenFlag) == 1);
    SetForegroundWindow(form);
    test::Pump(200);
    std::vector<int> positions;
    const int length = Length(list), arrow = GetSystemMetrics(SM_CYVSCROLL), thumb = ThumbMiddle(list);
    for (int along : {length - arrow / 2, length - arrow - 2, thumb}) {
        Mouse(0, OnBar(list, along)), test::Pump(100);
        Mouse(MOUSEEVENTF_LEFTDOWN, OnBar(list, along)), Mouse(MOUSEEVENTF_LEFTUP, OnBar(list, along)), test::Pump(150);
        positions.push_back(GetScrollPos(list, SB_VERT));
    }
    HoldDown(OnBar(list, thumb), {[&] { Mouse(0, OnBar(list, thumb + 45)); }, [&] { Mouse(MOUSEEVENTF_LEFTUP, OnBar(list, thumb + 45)); }});
    positions.push_back(GetScrollPos(list, SB_VERT));
    Mouse(MOUSEEVENTF_WHEEL, OnScreen(list, 40, 40), DWORD(-WHEEL_DELTA)), test::Pump(150);
    positions.push_back(GetScrollPos(list, SB_VERT));
    Mouse(MOUSEEVENTF_LEFTDOWN, OnScreen(list, 40, 40)), Mouse(MOUSEEVENTF_LEFTUP, OnScreen(list, 40, 40)), test::Pump(150);
    positions.push_back(int(SendMessageW(list, LB_GETCURSEL, 0, 0)));  // the item clicked
    for (WPARAM key : {VK_NEXT, VK_END, VK_PRIOR}) SendMessageW(list, WM_KEYDOWN, key, 0), positions.push_back(GetScrollPos(list, SB_VERT));
    return {positions, Requests::log};
}

}  // namespace

TEST_CASE("skinned list boxes and edits: the skin's scroll bars while dragged, held, set by the program and as they appear")
{
    CursorAway();
    test::Window form = test::MakeTopLevel(L"ScrollForm", 20, 20, 560, 240);
    HWND list = MakeList(form, 10, 200);
    HWND edit = test::MakeChild(form, L"Edit", L"", WS_VSCROLL | WS_HSCROLL | WS_BORDER | ES_MULTILINE | ES_AUTOHSCROLL, 180, 10, 180, 200);
    std::wstring text;
    for (int i = 0; i < 60; ++i) text += std::wstring(90, L'x') + L"\r\n";
    SetWindowTextW(edit, text.c_str());
    test::Window plain = test::MakeTopLevel(L"ScrollForm", 620, 20, 200, 240);
    HWND twin = MakeList(plain, 10, 200);
    REQUIRE(SkinWindowEx(form, SkinChildrenFlag) == 1);
    SetForegroundWindow(form);
    test::Pump(200);
    CHECK(OffSkin(twin, SB_VERT) == -1);

    // A thumb dragged, then an arrow held, in the list and in the edit.
    for (HWND w : {list, edit}) {
        CAPTURE(w == list);
        int dragged = -1, held = -1, draggedTo = -1;
        WindowBar bar;
        FindWindowBar(w, SB_VERT, bar);
        const int thumbStart = bar.layout.thumbStart, thumb = ThumbMiddle(w), down = Length(w) - GetSystemMetrics(SM_CYVSCROLL) / 2;
        const auto move = [&] { Mouse(0, OnBar(w, thumb + 40)); };  // twice: Wine may deliver the X server's echo of the last move after it
        HoldDown(OnBar(w, thumb), {move, move, [&] {
            dragged = OffSkin(w, SB_VERT, scroll_part::Thumb), FindWindowBar(w, SB_VERT, bar), draggedTo = bar.layout.thumbStart;
            Mouse(MOUSEEVENTF_LEFTUP, OnBar(w, thumb + 40));
        }}, 100);
        CHECK(dragged == 0);
        CHECK(draggedTo == thumbStart + 40);  // under the pointer
        const int afterDrag = GetScrollPos(w, SB_VERT);
        CHECK(afterDrag > 5);
        HoldDown(OnBar(w, down), {[] {}, [] {}, [] {}, [&] { held = OffSkin(w, SB_VERT, scroll_part::LastArrow), Mouse(MOUSEEVENTF_LEFTUP, OnBar(w, down)); }}, 150);
        CHECK(held == 0);
        CHECK(GetScrollPos(w, SB_VERT) >= afterDrag + 3);  // repeated while held
    }

    // The program's own calls reach no window procedure, yet the picture follows once the thread is idle.
    CursorAway(), test::Pump(500);
    SetScrollPos(list, SB_VERT, 150, TRUE);
    SCROLLINFO right{sizeof right, SIF_POS, 0, 0, 0, 300, 0};
    SetScrollInfo(edit, SB_HORZ, &right, TRUE);
    test::Pump(20);
    CHECK(OffSkin(list, SB_VERT) == 0);
    CHECK(OffSkin(edit, SB_HORZ) == 0);
    // The thumb where the system puts it.
    SetScrollPos(twin, SB_VERT, 150, TRUE);
    WindowBar bar;
    FindWindowBar(list, SB_VERT, bar);
    CHECK(bar.layout.thumbStart == ThumbMiddle(twin) - (bar.layout.thumbEnd - bar.layout.thumbStart) / 2);
    // An arrow the program disables shows so at once.
    for (UINT arrow : {ESB_DISABLE_UP, ESB_DISABLE_DOWN}) {
        EnableScrollBar(list, SB_VERT, arrow);
        test::Pump(20);
        FindWindowBar(list, SB_VERT, bar);
        CHECK(std::make_pair(bar.layout.firstEnabled, bar.layout.lastEnabled) == std::make_pair(arrow == ESB_DISABLE_DOWN, arrow == ESB_DISABLE_UP));
        CHECK(OffSkin(list, SB_VERT) == 0);
        EnableScrollBar(list, SB_VERT, ESB_ENABLE_BOTH);
    }

    // A list box made later, bar on the left: first without a bar, then with one (and a range the
    // program sets), and without again. An edit with nothing to scroll keeps its bars, disabled.
    HWND grows = CreateWindowExW(WS_EX_LEFTSCROLLBAR, L"ListBox", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | LBS_NOINTEGRALHEIGHT,
                                 380, 10, 160, 200, form, nullptr, nullptr, nullptr);
    CHECK(OffSkin(grows, SB_VERT) == -1);
    for (int i = 0; i < 40; ++i) SendMessageW(grows, LB_ADDSTRING, 0, LPARAM(L"more"));
    SetScrollRange(grows, SB_VERT, 0, 400, TRUE);
    test::Pump(20);
    CHECK(OffSkin(grows, SB_VERT) == 0);
    RECT client{}, twinClient{};
    GetClientRect(grows, &client), GetClientRect(twin, &twinClient);
    CHECK(client.right == twinClient.right);
    SendMessageW(grows, LB_RESETCONTENT, 0, 0);
    CHECK(OffSkin(grows, SB_VERT) == -1);
    SetWindowTextW(edit, L"");
    CHECK(OffSkin(edit, SB_VERT) == 0);

    // Detached, the system's bars are back where they were and the list looks as one never skinned.
    SendMessageW(list, LB_SETTOPINDEX, 120, 0), SendMessageW(twin, LB_SETTOPINDEX, 120, 0);
    DetachSkin(form);
    test::Pump(100);
    CHECK(GetScrollPos(list, SB_VERT) == 120);
    CHECK((CaptureWindow(list).pixels == CaptureWindow(twin).pixels));
    CHECK(SkinnedWindowCount() == 0);
}

TEST_CASE("skinned scroll bars scroll as the system's: the same positions and requests for the same input")
{
    const auto plain = Drive(false), skinned = Drive(true);
    CHECK(plain.first[0] == 1);
    CHECK(plain.first[3] > plain.first[2]);
    CHECK(plain.first[5] > plain.first[4]);
    CHECK(skinned.first == plain.first);
    CHECK(skinned.second == plain.second);
}
