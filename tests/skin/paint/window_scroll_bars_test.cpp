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

// Pixels of the bar on the screen that differ from the skin's picture of it as it stands; -1 when
// the skin draws no such bar.
int OffSkin(HWND w, int bar)
{
    WindowBar b;
    if (!FindWindowBar(w, bar, b)) return -1;
    auto part = [&](const char* name) { const INT_PTR v = GetSkinProp(w, name); return v / 8 == (bar == SB_VERT ? 1 : 2) ? v % 8 : 0; };
    const int width = b.rect.right - b.rect.left, height = b.rect.bottom - b.rect.top;
    RECT outer{};
    GetWindowRect(w, &outer);
    HDC screen = GetDC(nullptr), both = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 2 * width, height);
    SelectObject(both, bitmap);
    DrawSkinScrollBar(both, 0, 0, b.layout, part("SBHOT"), part("SBHELD"), ScaleFor(w));
    BitBlt(both, width, 0, width, height, screen, outer.left + b.rect.left, outer.top + b.rect.top, SRCCOPY);
    int differences = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) differences += DcPixel(both, x, y) != DcPixel(both, x + width, y);
    DeleteDC(both), DeleteObject(bitmap), ReleaseDC(nullptr, screen);
    return differences;
}

// Where a part of the skin-drawn bar is on the screen: along is from the bar's start.
POINT OnBar(HWND w, int along)
{
    WindowBar b;
    FindWindowBar(w, SB_VERT, b);
    RECT outer{};
    GetWindowRect(w, &outer);
    return {outer.left + (b.rect.left + b.rect.right) / 2, outer.top + b.rect.top + along};
}
int ThumbMiddle(HWND w)
{
    WindowBar b;
    FindWindowBar(w, SB_VERT, b);
    return (b.layout.thumbStart + b.layout.thumbEnd) / 2;
}

// The list box's own procedure, below the skin: the scroll requests it was sent.
struct Requests {
    inline static std::vector<WPARAM> log;
    inline static WNDPROC next = nullptr;
    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (msg == WM_VSCROLL) log.push_back(wp);
        return CallWindowProcW(next, w, msg, wp, lp);
    }
};

void Key(WORD key)
{
    INPUT in[2]{{INPUT_KEYBOARD, {}}, {INPUT_KEYBOARD, {}}};
    in[0].ki.wVk = in[1].ki.wVk = key;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof in[0]);
    test::Pump(100);
}

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
    // The bar's geometry is the system's whether or not the skin draws it.
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(list, OBJID_VSCROLL, &info);
    RECT outer{};
    GetWindowRect(list, &outer);
    const int x = (info.rcScrollBar.left + info.rcScrollBar.right) / 2, top = info.rcScrollBar.top;
    const int arrow = GetSystemMetrics(SM_CYVSCROLL), length = info.rcScrollBar.bottom - top;
    std::vector<int> positions;
    auto click = [&](int along) {
        Mouse(0, {x, top + along}), test::Pump(100);
        Mouse(MOUSEEVENTF_LEFTDOWN, {x, top + along}), Mouse(MOUSEEVENTF_LEFTUP, {x, top + along}), test::Pump(150);
        positions.push_back(GetScrollPos(list, SB_VERT));
    };
    click(length - arrow / 2);
    click(length - arrow - 2);
    const int thumb = (info.xyThumbTop + info.xyThumbBottom) / 2;
    click(thumb);
    HoldDown({x, top + thumb}, {[&] { Mouse(0, {x, top + thumb + 45}); }, [&] { Mouse(MOUSEEVENTF_LEFTUP, {x, top + thumb + 45}); }});
    positions.push_back(GetScrollPos(list, SB_VERT));
    Mouse(MOUSEEVENTF_WHEEL, {outer.left + 40, outer.top + 40}, DWORD(-WHEEL_DELTA)), test::Pump(150);
    positions.push_back(GetScrollPos(list, SB_VERT));
    SetFocus(list);
    for (WORD key : {VK_NEXT, VK_END, VK_PRIOR}) Key(key), positions.push_back(GetScrollPos(list, SB_VERT));
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
    for (int i = 0; i < 60; ++i) text += L"line " + std::to_wstring(i) + std::wstring(80, L'x') + L"\r\n";
    SetWindowTextW(edit, text.c_str());
    test::Window plain = test::MakeTopLevel(L"ScrollForm", 620, 20, 200, 240);
    HWND twin = MakeList(plain, 10, 200);
    REQUIRE(SkinWindowEx(form, SkinChildrenFlag) == 1);
    SetForegroundWindow(form);
    test::Pump(200);
    CHECK(OffSkin(list, SB_VERT) == 0);
    CHECK(OffSkin(edit, SB_VERT) == 0);
    CHECK(OffSkin(edit, SB_HORZ) == 0);
    CHECK(OffSkin(twin, SB_VERT) == -1);

    int dragged = -1, held = -1;
    const int thumb = ThumbMiddle(list), arrow = GetSystemMetrics(SM_CYVSCROLL);
    HoldDown(OnBar(list, thumb), {[&] { Mouse(0, OnBar(list, thumb + 40)); },
                                  [&] { dragged = OffSkin(list, SB_VERT), Mouse(MOUSEEVENTF_LEFTUP, OnBar(list, thumb + 40)); }});
    CHECK(dragged == 0);
    const int afterDrag = GetScrollPos(list, SB_VERT);
    CHECK(afterDrag > 20);
    WindowBar bar;
    FindWindowBar(list, SB_VERT, bar);
    const int down = bar.rect.bottom - bar.rect.top - arrow / 2;
    HoldDown(OnBar(list, down), {[] {}, [] {}, [] {}, [&] { held = OffSkin(list, SB_VERT), Mouse(MOUSEEVENTF_LEFTUP, OnBar(list, down)); }}, 150);
    CHECK(held == 0);
    CHECK(GetScrollPos(list, SB_VERT) >= afterDrag + 3);  // repeated while held

    // The program's own calls reach no window procedure, yet the picture follows at once.
    SetScrollPos(list, SB_VERT, 150, TRUE);
    test::Pump(20);
    CHECK(OffSkin(list, SB_VERT) == 0);
    SCROLLINFO right{sizeof right, SIF_POS, 0, 0, 0, 300, 0};
    SetScrollInfo(edit, SB_HORZ, &right, TRUE);
    test::Pump(20);
    CHECK(OffSkin(edit, SB_HORZ) == 0);
    // The thumb where the system puts it.
    SetScrollPos(twin, SB_VERT, 150, TRUE);
    SCROLLBARINFO system{};
    system.cbSize = sizeof system;
    GetScrollBarInfo(twin, OBJID_VSCROLL, &system);
    FindWindowBar(list, SB_VERT, bar);
    CHECK(bar.layout.thumbStart == system.xyThumbTop);

    // A list box made later, first without a bar and then with one.
    HWND grows = MakeList(form, 380, 3);
    test::Pump(100);
    CHECK(OffSkin(grows, SB_VERT) == -1);
    for (int i = 3; i < 40; ++i) SendMessageW(grows, LB_ADDSTRING, 0, LPARAM(L"more"));
    test::Pump(20);
    CHECK(OffSkin(grows, SB_VERT) == 0);
    RECT client{}, twinClient{};
    GetClientRect(grows, &client), GetClientRect(twin, &twinClient);
    CHECK(client.right == twinClient.right);
    SendMessageW(grows, LB_RESETCONTENT, 0, 0);
    CHECK(OffSkin(grows, SB_VERT) == -1);

    // Detached, the system's bars are back where they were and the list looks as one never skinned.
    SetScrollPos(list, SB_VERT, 0, TRUE);
    SendMessageW(list, LB_SETTOPINDEX, 120, 0), SendMessageW(twin, LB_SETTOPINDEX, 120, 0);
    DetachSkin(form);
    test::Pump(100);
    CHECK((GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL));
    CHECK(GetScrollPos(list, SB_VERT) == 120);
    CHECK((CaptureWindow(list).pixels == CaptureWindow(twin).pixels));
    CHECK(SkinnedWindowCount() == 0);
}

TEST_CASE("skinned scroll bars scroll as the system's: the same positions and requests for the same input")
{
    CursorAway();
    const auto plain = Drive(false), skinned = Drive(true);
    CHECK(plain.first.size() == 8);
    CHECK(plain.first[0] == 1);
    CHECK(plain.first[3] > plain.first[2]);
    CHECK(skinned.first == plain.first);
    CHECK(skinned.second == plain.second);
}
