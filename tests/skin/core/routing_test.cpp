// SkinWindowProc's routing, observed from the previous procedure of a skinned window.
#include <doctest.h>

#include <vector>

#include "skin/core/skin_window_proc.h"
#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/support/skin_fixture.h"

using namespace skin;

namespace {

struct Seen {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool procAddrPresent;
};
std::vector<Seen> g_seen;
HWND g_reenterOnNcPaint = nullptr;

// A window procedure that records what reaches it and answers with a recognisable result.
LRESULT CALLBACK RecordingProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    g_seen.push_back({w, msg, wp, lp, GetSkinProp(w, prop::ProcAddr) != 0});
    if (msg == WM_NCPAINT && w == g_reenterOnNcPaint) {
        // Re-entry while the skin is attaching this window: attach again, send through the skin.
        AttachSkin(w);
        SendMessageW(w, WM_USER + 7, 0, 0);
    }
    if (msg >= WM_USER) return 0x5000 + static_cast<LRESULT>(msg - WM_USER);
    return DefWindowProcW(w, msg, wp, lp);
}

HWND MakeRecordingWindow(HWND parent = nullptr)
{
    test::RegisterClassOnce(L"RecordingProbe", RecordingProc);
    return CreateWindowExW(0, L"RecordingProbe", L"probe",
                           parent ? WS_CHILD | WS_VISIBLE : WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                           120, 80, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

int CountSeen(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    int n = 0;
    for (const Seen& s : g_seen)
        if (s.window == w && s.message == msg && s.wParam == wp && s.lParam == lp) ++n;
    return n;
}

}  // namespace

TEST_CASE("every routed message reaches the window's own procedure once, unchanged")
{
    REQUIRE(SkinnedWindowCount() == 0);
    test::Window probe(MakeRecordingWindow());
    REQUIRE(SkinWindow(probe) == 1);

    struct Row {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    // The table's messages that a plain window can take without side effects, with distinctive
    // parameters, plus messages the skin does not route at all.
    const Row rows[] = {
        {WM_SETFOCUS, 0, 0},           {WM_KILLFOCUS, 0, 0},
        {WM_ENABLE, 1, 0},             {WM_KEYDOWN, 'A', 0x001E0001},
        {WM_KEYUP, 'A', static_cast<LPARAM>(0xC01E0001)},
        {WM_TIMER, 77, 0},             {WM_MOUSEMOVE, 0, MAKELPARAM(3, 4)},
        {WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6)},
        {WM_LBUTTONUP, 0, MAKELPARAM(5, 6)},
        {WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(7, 8)},
        {WM_MOUSELEAVE, 0, 0},         {WM_ACTIVATE, WA_INACTIVE, 0},
        {WM_ENTERIDLE, MSGF_MENU, 0},  {WM_CTLCOLORLISTBOX, 0, 0},
        {0x0009, 0x1234, 0x5678},      {WM_USER + 3, 0xABCD, static_cast<LPARAM>(0x80000001)},
    };
    for (const Row& row : rows) {
        CAPTURE(row.message);
        g_seen.clear();
        SendMessageW(probe, row.message, row.wParam, row.lParam);
        CHECK(CountSeen(probe, row.message, row.wParam, row.lParam) == 1);
    }

    SUBCASE("a message outside the table returns the previous procedure's result")
    {
        CHECK(SendMessageW(probe, WM_USER + 3, 1, 2) == 0x5003);
        CHECK(SendMessageW(probe, WM_USER + 0x10, 1, 2) == 0x5010);
    }

    DestroyWindow(probe.release());
}

TEST_CASE("WM_DESTROY: the skin is gone before the window's own procedure sees it")
{
    REQUIRE(SkinnedWindowCount() == 0);
    HWND probe = MakeRecordingWindow();
    REQUIRE(SkinWindow(probe) == 1);
    g_seen.clear();
    DestroyWindow(probe);

    bool destroySeen = false;
    for (const Seen& s : g_seen)
        if (s.window == probe && s.message == WM_DESTROY) {
            destroySeen = true;
            CHECK_FALSE(s.procAddrPresent);
        }
    CHECK(destroySeen);
    CHECK(SkinnedWindowCount() == 0);
}

TEST_CASE("WM_ENTERIDLE and WM_CTLCOLORLISTBOX skin the window they name, after the owner")
{
    REQUIRE(SkinnedWindowCount() == 0);
    test::Window owner(MakeRecordingWindow());
    REQUIRE(SkinWindow(owner) == 1);
    // Hidden, so that no activation reaches the owner before the message under test.
    test::Window popup(CreateWindowExW(0, L"#32770", L"dialog", WS_OVERLAPPEDWINDOW, 10, 10, 100,
                                       60, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    HWND popupButton = CreateWindowExW(0, L"Button", L"OK", WS_CHILD | WS_VISIBLE, 5, 5, 50, 20,
                                       popup, nullptr, GetModuleHandleW(nullptr), nullptr);

    SUBCASE("a dialog entering its idle state is skinned with its controls, once")
    {
        g_seen.clear();
        const LRESULT r = SendMessageW(owner, WM_ENTERIDLE, MSGF_DIALOGBOX,
                                       reinterpret_cast<LPARAM>(popup.get()));
        CHECK(r == 0);
        CHECK(CountSeen(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(popup.get())) ==
              1);
        CHECK(GetSkinProp(popup, prop::ProcAddr) != 0);
        CHECK(GetSkinProp(popupButton, prop::ProcAddr) != 0);
        CHECK(SkinnedWindowCount() == 3);
        SendMessageW(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(popup.get()));
        CHECK(SkinnedWindowCount() == 3);
    }

    SUBCASE("a list box about to be drawn is skinned; the colour answer is the owner's")
    {
        HWND list = CreateWindowExW(0, L"ComboLBox", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50,
                                    popup, nullptr, GetModuleHandleW(nullptr), nullptr);
        REQUIRE(list);
        const LRESULT r = SendMessageW(owner, WM_CTLCOLORLISTBOX, 0, reinterpret_cast<LPARAM>(list));
        CHECK(r == DefWindowProcW(owner, WM_CTLCOLORLISTBOX, 0, reinterpret_cast<LPARAM>(list)));
        CHECK(GetSkinProp(list, prop::ProcAddr) != 0);
        CHECK(GetSkinProp(popup, prop::ProcAddr) == 0);
    }

    SUBCASE("lParam 0 only calls the previous procedure")
    {
        g_seen.clear();
        SendMessageW(owner, WM_ENTERIDLE, MSGF_MENU, 0);
        SendMessageW(owner, WM_CTLCOLORLISTBOX, 0, 0);
        CHECK(g_seen.size() == 2);
        CHECK(SkinnedWindowCount() == 1);
    }

    DestroyWindow(popup.release());
    DestroyWindow(owner.release());
    CHECK(SkinnedWindowCount() == 0);
}

TEST_CASE("a window whose PROCADDR has gone is answered by the default procedure")
{
    REQUIRE(SkinnedWindowCount() == 0);
    HWND probe = MakeRecordingWindow();
    REQUIRE(SkinWindow(probe) == 1);
    const INT_PTR previous = GetSkinProp(probe, prop::ProcAddr);
    RemovePropA(probe, "PROCADDR");

    g_seen.clear();
    CHECK(SendMessageW(probe, WM_USER + 3, 0, 0) == 0);
    CHECK(g_seen.empty());
    wchar_t text[16]{};
    CHECK(SendMessageW(probe, WM_GETTEXT, 16, reinterpret_cast<LPARAM>(text)) == 5);
    CHECK(std::wstring(text) == L"probe");

    // Put it back so the engine's bookkeeping ends clean.
    SetSkinProp(probe, prop::ProcAddr, previous);
    DestroyWindow(probe);
    CHECK(SkinnedWindowCount() == 0);
}

TEST_CASE("re-entrant sends while a window is being attached are harmless")
{
    REQUIRE(SkinnedWindowCount() == 0);
    HWND probe = MakeRecordingWindow();
    g_reenterOnNcPaint = probe;
    g_seen.clear();
    CHECK(SkinWindow(probe) == 1);
    g_reenterOnNcPaint = nullptr;
    CHECK(SkinnedWindowCount() == 1);
    CHECK(CountSeen(probe, WM_USER + 7, 0, 0) == 1);
    DestroyWindow(probe);
    CHECK(SkinnedWindowCount() == 0);
}
