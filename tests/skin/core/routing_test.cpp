// SkinWindowProc's routing, observed from the previous procedure of a skinned window.
#include <doctest.h>

#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/support/skin_fixture.h"

using namespace skin;

namespace {

struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool skinned = false;  // PROCADDR present when the message arrived
};
std::vector<Seen> g_seen;
bool g_reenter = false;

// Records what reaches it and answers messages from WM_USER on with a recognisable result.
LRESULT CALLBACK RecordingProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    g_seen.push_back({msg, wp, lp, GetSkinProp(w, prop::ProcAddr) != 0});
    if (msg == WM_NCPAINT && g_reenter) {  // while the skin is attaching this very window
        AttachSkin(w);
        SendMessageW(w, WM_USER + 7, 0, 0);
    }
    return msg >= WM_USER ? 0x5000 + static_cast<LRESULT>(msg - WM_USER) : DefWindowProcW(w, msg, wp, lp);
}

HWND MakeProbe()
{
    test::RegisterClassOnce(L"RecordingProbe", RecordingProc);
    return test::MakeTopLevel(L"RecordingProbe", 0, 0, 120, 80, L"probe").release();
}

int Count(UINT msg, WPARAM wp, LPARAM lp)
{
    int n = 0;
    for (const Seen& s : g_seen) n += s.message == msg && s.wParam == wp && s.lParam == lp;
    return n;
}

}  // namespace

TEST_CASE("every message reaches the window's own procedure once and unchanged, its result returned")
{
    test::Window probe(MakeProbe());
    REQUIRE(SkinWindow(probe) == 1);
    const Seen rows[] = {
        {WM_SETFOCUS, 0, 0},         {WM_KILLFOCUS, 0, 0},           {WM_ENABLE, 1, 0},
        {WM_KEYDOWN, 'A', 0x1E0001}, {WM_KEYUP, VK_SPACE, 0x1E0001}, {WM_TIMER, 77, 0},
        {WM_MOUSEMOVE, 0, 0x40003},  {WM_LBUTTONDOWN, 1, 0x60005},   {WM_LBUTTONUP, 0, 0x60005},
        {WM_LBUTTONDBLCLK, 1, 0x80007}, {WM_MOUSELEAVE, 0, 0},       {WM_ACTIVATE, WA_INACTIVE, 0},
        {WM_ENTERIDLE, MSGF_MENU, 0}, {WM_CTLCOLORLISTBOX, 0, 0},     {0x0009, 0x1234, 0x5678},
        {WM_USER + 3, 0xABCD, static_cast<LPARAM>(0x80000001)},
    };
    for (const Seen& row : rows) {
        CAPTURE(row.message);
        g_seen.clear();
        const LRESULT result = SendMessageW(probe, row.message, row.wParam, row.lParam);
        CHECK(Count(row.message, row.wParam, row.lParam) == 1);
        if (row.message >= WM_USER) CHECK(result == 0x5003);
    }
}

TEST_CASE("WM_DESTROY reaches the window's own procedure after the skin is gone")
{
    HWND probe = MakeProbe();
    REQUIRE(SkinWindow(probe) == 1);
    g_seen.clear();
    DestroyWindow(probe);
    int destroys = 0;
    bool skinnedThen = false;
    for (const Seen& s : g_seen)
        if (s.message == WM_DESTROY) {
            ++destroys;
            skinnedThen |= s.skinned;
        }
    CHECK(destroys == 1);
    CHECK_FALSE(skinnedThen);
    CHECK(SkinnedWindowCount() == 0);
}

TEST_CASE("WM_ENTERIDLE and WM_CTLCOLORLISTBOX skin the window they name, after the owner answered")
{
    test::Window owner(MakeProbe());
    REQUIRE(SkinWindow(owner) == 1);
    // Hidden, so that no activation reaches the owner before the message under test.
    test::Window dialog(CreateWindowExW(0, L"#32770", L"", WS_OVERLAPPEDWINDOW, 10, 10, 100, 60,
                                        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    HWND dialogButton = test::MakeChild(dialog, L"Button", L"OK", 0, 5, 5, 50, 20).release();
    HWND list = test::MakeChild(owner, L"ComboLBox", L"", 0, 0, 0, 50, 50).release();

    SendMessageW(owner, WM_ENTERIDLE, MSGF_MENU, 0);  // lParam 0: the owner only
    CHECK(SendMessageW(owner, WM_CTLCOLORLISTBOX, 0, 0) == DefWindowProcW(owner, WM_CTLCOLORLISTBOX, 0, 0));
    CHECK(SkinnedWindowCount() == 1);

    SendMessageW(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog.get()));
    CHECK(skintest::HasSkinProc(dialog));
    CHECK(skintest::HasSkinProc(dialogButton));
    SendMessageW(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog.get()));
    CHECK(SkinnedWindowCount() == 3);

    const LRESULT brush = SendMessageW(owner, WM_CTLCOLORLISTBOX, 0, reinterpret_cast<LPARAM>(list));
    CHECK(brush == DefWindowProcW(owner, WM_CTLCOLORLISTBOX, 0, reinterpret_cast<LPARAM>(list)));
    CHECK(skintest::HasSkinProc(list));
    CHECK(SkinnedWindowCount() == 4);
}

TEST_CASE("a window whose PROCADDR has gone is answered by the default procedure")
{
    test::Window probe(MakeProbe());
    REQUIRE(SkinWindow(probe) == 1);
    const INT_PTR previous = GetSkinProp(probe, prop::ProcAddr);
    RemovePropA(probe, "PROCADDR");
    g_seen.clear();
    CHECK(SendMessageW(probe, WM_USER + 3, 0, 0) == 0);
    CHECK(g_seen.empty());
    SetSkinProp(probe, prop::ProcAddr, previous);  // so that the bookkeeping ends clean
}

TEST_CASE("re-entrant attaches and sends while a window is being attached are harmless")
{
    test::Window probe(MakeProbe());
    g_reenter = true;
    g_seen.clear();
    CHECK(SkinWindow(probe) == 1);
    g_reenter = false;
    CHECK(SkinnedWindowCount() == 1);
    CHECK(Count(WM_USER + 7, 0, 0) == 1);
}
