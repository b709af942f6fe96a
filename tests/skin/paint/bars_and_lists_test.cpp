// Tabs, scroll-bar controls, track bars, toolbars and list and tree views, driven with real
// pointer input in the gallery's controls window: the same results with and without the skin,
// and the skin's colours in each state while it is on.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <set>
#include <cstring>

#include "controls_window.h"
#include "skin/draw/colors.h"
#include "skin/draw/skin_images.h"
#include "skin/support/control_pictures.h"
#include "skin/support/pointer_input.h"
#include "skin/support/skin_fixture.h"

namespace {

using namespace skintest;
using namespace gallery;

// What the window's own procedure heard, below the skin: scroll requests and commands.
struct Heard {
    inline static std::vector<std::pair<UINT, WPARAM>> log;
    inline static WNDPROC next = nullptr;
    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (msg == WM_HSCROLL || msg == WM_VSCROLL || msg == WM_COMMAND) log.push_back({msg, wp});
        return CallWindowProcW(next, w, msg, wp, lp);
    }
};

// Whether the area of the window's client shows any colour of the image's cell but its key, and
// none of the colours of the other cell.
bool AreaShows(HWND w, RECT area, RECT cell, RECT other)
{
    auto colors = [](RECT c) {
        std::set<std::uint32_t> set;
        for (int y = c.top; y < c.bottom; ++y)
            for (int x = c.left; x < c.right; ++x) set.insert(test::DcPixel(SkinImages().DropButtonImage, x, y));
        set.erase(0xFF00FF);
        return set;
    };
    const std::set<std::uint32_t> wanted = colors(cell), unwanted = colors(other);
    bool seen = false;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const std::uint32_t c = ScreenPixel(OnScreen(w, x, y));
            if (unwanted.count(c) && !wanted.count(c)) return false;
            seen = seen || wanted.count(c);
        }
    return seen;
}

RECT ItemRect(HWND w, UINT message, WPARAM index, LONG left = 0)
{
    RECT r{left, 0, 0, 0};
    SendMessageW(w, message, index, reinterpret_cast<LPARAM>(&r));
    return r;
}
POINT Middle(HWND w, RECT r) { return OnScreen(w, (r.left + r.right) / 2, (r.top + r.bottom) / 2); }

struct Outcome {
    std::vector<int> positions;
    std::vector<std::pair<UINT, WPARAM>> heard;
    std::map<std::string, bool> looks;  // the skin's look, where and in which state
};

Outcome Drive(bool skinned)
{
    test::Window window{CreateControlsWindow(GetModuleHandleW(nullptr), 20, 20)};
    Heard::log.clear();
    Heard::next = WNDPROC(SetWindowLongPtrW(window, GWLP_WNDPROC, LONG_PTR(&Heard::Proc)));
    if (skinned) REQUIRE(SkinWindowEx(window, SkinChildrenFlag) == 1);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    test::Pump(200);
    Outcome o;
    auto item = [&](int id) { return GetDlgItem(window, id); };
    auto pump = [] { test::Pump(150); };
    auto click = [&](POINT p) { Mouse(0, p), pump(), Mouse(MOUSEEVENTF_LEFTDOWN, p), Mouse(MOUSEEVENTF_LEFTUP, p), pump(); };

    HWND tabs = item(Tabs);
    const RECT first = ItemRect(tabs, TCM_GETITEMRECT, 0);
    Mouse(0, Middle(tabs, first)), pump();
    o.looks["tab hot"] = ShowsFace(OnScreen(tabs, first.left + 4, (first.top + first.bottom) / 2), look::Hot);
    click(Middle(tabs, first));
    o.positions.push_back(int(SendMessageW(tabs, TCM_GETCURSEL, 0, 0)));
    o.looks["tab selected"] = ShowsFace(OnScreen(tabs, first.left + 4, (first.top + first.bottom) / 2), look::Pressed);
    o.looks["tab page frame"] = ScreenPixel(OnScreen(tabs, 100, ItemRect(tabs, TCM_GETITEMRECT, 2).bottom)) == FrameColor;

    HWND bar = item(ScrollVertical);
    RECT bounds{};
    GetClientRect(bar, &bounds);
    const int arrow = GetSystemMetrics(SM_CYVSCROLL);
    HDC drop = SkinImages().DropButtonImage;
    HoldDown(OnScreen(bar, bounds.right / 2, bounds.bottom - arrow / 2), {[&] {
        o.looks["arrow pressed"] = ShowsCell(OnScreen(bar, 2, bounds.bottom - arrow / 2), drop, {5, 2, 7, 17});
        Mouse(MOUSEEVENTF_LEFTUP, OnScreen(bar, bounds.right / 2, bounds.bottom - arrow / 2));
    }});
    o.positions.push_back(GetScrollPos(bar, SB_CTL));
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(bar, OBJID_CLIENT, &info);
    const int thumb = (info.xyThumbTop + info.xyThumbBottom) / 2;
    HoldDown(OnScreen(bar, bounds.right / 2, thumb), {[&] { Mouse(0, OnScreen(bar, bounds.right / 2, thumb - 30)); }, [&] {
        o.looks["thumb dragged"] = ShowsFace(OnScreen(bar, bounds.right / 2, thumb - 30), look::Pressed);
        o.positions.push_back(GetScrollPos(bar, SB_CTL));
        Mouse(MOUSEEVENTF_LEFTUP, OnScreen(bar, bounds.right / 2, thumb - 30));
    }});
    o.positions.push_back(GetScrollPos(bar, SB_CTL));
    o.looks["scroll track"] = ScreenPixel(OnScreen(item(ScrollHorizontal), 100, 0)) == DisabledFrameColor;
    // The arrows' glyphs: enabled (rows 0-3 of the image) and disabled (rows 4-7), turned left.
    const RECT enabledGlyph{8, 0, 15, 4}, disabledGlyph{8, 4, 15, 8}, leftArrow{1, 1, 16, 16};
    o.looks["arrow glyph"] = AreaShows(item(ScrollHorizontal), leftArrow, enabledGlyph, disabledGlyph);
    o.looks["disabled arrow glyph"] = AreaShows(item(ScrollDisabled), leftArrow, disabledGlyph, enabledGlyph);

    HWND track = item(Track);
    const RECT knob = ItemRect(track, TBM_GETTHUMBRECT, 0);
    Mouse(0, Middle(track, knob)), pump(), Mouse(MOUSEEVENTF_LEFTDOWN, Middle(track, knob)), pump();
    const POINT moved{Middle(track, knob).x + 45, Middle(track, knob).y};
    Mouse(0, moved), pump();
    o.looks["track thumb dragged"] = ShowsFace(moved, look::Pressed);
    Mouse(MOUSEEVENTF_LEFTUP, moved), pump();
    o.positions.push_back(int(SendMessageW(track, TBM_GETPOS, 0, 0)));
    o.looks["track channel"] = ScreenPixel(OnScreen(track, ItemRect(track, TBM_GETCHANNELRECT, 0).left + 2,
                                                    ItemRect(track, TBM_GETCHANNELRECT, 0).top)) == FrameColor;

    HWND toolbar = GetDlgItem(item(Rebar), Toolbar);
    const RECT play = ItemRect(toolbar, TB_GETITEMRECT, 0), mute = ItemRect(toolbar, TB_GETITEMRECT, 2);
    Mouse(0, OnScreen(toolbar, play.left + 3, (play.top + play.bottom) / 2)), pump();
    o.looks["tool hot"] = ShowsFace(OnScreen(toolbar, play.left + 3, (play.top + play.bottom) / 2), look::Hot);
    o.looks["tool checked"] = ShowsFace(OnScreen(toolbar, mute.left + 3, (mute.top + mute.bottom) / 2), look::Pressed);
    click(Middle(toolbar, play));

    HWND list = item(ListView);
    const RECT row = ItemRect(list, LVM_GETITEMRECT, 4, LVIR_BOUNDS);
    click(OnScreen(list, row.left + 8, (row.top + row.bottom) / 2));
    o.positions.push_back(int(SendMessageW(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED)));
    o.looks["list selected"] = ScreenPixel(OnScreen(list, row.right - 4, (row.top + row.bottom) / 2)) == PressedFrameColor;
    HWND tree = item(TreeView);
    auto settings = HTREEITEM(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)));
    RECT text{};
    std::memcpy(&text, &settings, sizeof settings);  // the item goes in where its rectangle comes out
    SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&text));
    click(Middle(tree, text));
    o.positions.push_back(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0) == LPARAM(settings));
    o.looks["tree selected"] = ScreenPixel(OnScreen(tree, text.left + 1, text.top + 1)) == PressedFrameColor;
    const RECT band = ItemRect(item(Rebar), RB_GETRECT, 0);
    o.looks["rebar gripper"] = ScreenPixel(OnScreen(item(Rebar), band.left + 2, band.top + 3)) == FrameColor;
    o.heard = Heard::log;
    return o;
}

}  // namespace

TEST_CASE("tabs, scroll bars, track bars, toolbars, list and tree views: real input as without the skin, in its look")
{
    CursorAway();
    const Outcome plain = Drive(false), skinned = Drive(true);
    // Tab 0, one line down from 50, dragged up and let go, track bar moved, list row 4, tree item.
    CHECK(plain.positions == std::vector<int>{0, 51, plain.positions[2], plain.positions[2], plain.positions[4], 4, 1});
    CHECK(plain.positions[2] < 40);
    CHECK(plain.positions[4] > 4);
    CHECK(skinned.positions == plain.positions);
    CHECK(skinned.heard == plain.heard);
    for (const auto& [where, shown] : skinned.looks) {
        CAPTURE(where);
        CHECK(shown);
        CHECK_FALSE(plain.looks.at(where));
    }
    CHECK(SkinnedWindowCount() == 0);
}

namespace {

std::vector<UINT> g_drawn;  // the tabs the parent was asked to draw
LRESULT CALLBACK TabOwnerProc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == WM_DRAWITEM) g_drawn.push_back(reinterpret_cast<DRAWITEMSTRUCT*>(lp)->itemID);
    return DefWindowProcW(w, m, wp, lp);
}

}  // namespace

TEST_CASE("tabs keep their owners' drawing and icons; vertical tabs and size grips stay the system's")
{
    test::Window form = test::MakeTopLevel(test::RegisterClassOnce(L"TabOwner", TabOwnerProc), 40, 40, 420, 200);
    HWND owned = test::MakeChild(form, WC_TABCONTROLW, L"", TCS_OWNERDRAWFIXED, 10, 10, 200, 60);
    HWND iconic = test::MakeChild(form, WC_TABCONTROLW, L"", 0, 10, 80, 200, 60);
    HWND vertical = test::MakeChild(form, WC_TABCONTROLW, L"", TCS_VERTICAL | TCS_MULTILINE, 220, 10, 120, 100);
    HWND grip = test::MakeChild(form, L"ScrollBar", L"", SBS_SIZEGRIP, 360, 10, 20, 20);
    HIMAGELIST icons = ImageList_Create(16, 16, ILC_COLOR32, 1, 0);
    HBITMAP red = CreateBitmap(16, 16, 1, 32, std::vector<DWORD>(256, 0xFFFF0000).data());
    ImageList_Add(icons, red, nullptr);
    SendMessageW(iconic, TCM_SETIMAGELIST, 0, LPARAM(icons));
    for (HWND tabs : {owned, iconic, vertical})
        for (int i = 0; i < 2; ++i) {
            TCITEMW item{TCIF_TEXT | TCIF_IMAGE, 0, 0, const_cast<wchar_t*>(L"Tab"), 0, 0, 0};
            SendMessageW(tabs, TCM_INSERTITEMW, i, LPARAM(&item));
        }
    test::Pump(100);
    const Picture plainVertical = CaptureWindow(vertical), plainGrip = CaptureWindow(grip);
    REQUIRE(SkinWindowEx(form, SkinChildrenFlag) == 1);
    g_drawn.clear();
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    CHECK(g_drawn == std::vector<UINT>{1, 0});  // the selected one last, over the page frame
    const RECT first = ItemRect(iconic, TCM_GETITEMRECT, 0);
    CHECK(ScreenPixel(OnScreen(iconic, first.left + 10, (first.top + first.bottom) / 2)) == 0xFF0000);
    CHECK((CaptureWindow(vertical).pixels == plainVertical.pixels));
    CHECK((CaptureWindow(grip).pixels == plainGrip.pixels));
    DetachSkin(form);
    ImageList_Destroy(icons), DeleteObject(red);
}
