// Attach and detach at their edges: windows the skin must refuse, state detach must leave alone.
#include <doctest.h>

#include <functional>

#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/draw/gdi_objects.h"
#include "skin/support/skin_fixture.h"

using namespace skin;

namespace {

int g_reached = 0;

LRESULT CALLBACK CountingProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_APP) ++g_reached;
    return DefWindowProcW(w, msg, wp, lp);
}

}  // namespace

TEST_CASE("a window whose procedure is the skin's already is not attached again, however the skin hears of it")
{
    test::Window form = test::MakeTopLevel(L"Form", 0, 0, 200, 100);
    test::RegisterClassOnce(L"EdgeCounted", CountingProc);
    HWND inner = test::MakeChild(form, L"EdgeCounted", L"", 0, 5, 5, 50, 20).release();
    REQUIRE(SkinWindow(form) == 1);
    const INT_PTR original = GetSkinProp(inner, prop::ProcAddr);
    RemoveSkinProp(inner, prop::ProcAddr);  // other code in the process can remove it

    CHECK(AttachSkin(inner) == 0);
    const std::pair<UINT, WPARAM> messages[] = {  // the other ways the skin hears of a window
        {WM_ENTERIDLE, MSGF_DIALOGBOX}, {WM_CTLCOLORLISTBOX, 0}, {WM_ACTIVATE, WA_INACTIVE}};
    for (const auto& [message, wParam] : messages) {
        CAPTURE(message);
        SendMessageW(form, message, wParam, reinterpret_cast<LPARAM>(inner));
        CHECK(GetSkinProp(inner, prop::ProcAddr) == 0);
        CHECK(SkinnedWindowCount() == 2);
    }
    SetSkinProp(inner, prop::ProcAddr, original);
    g_reached = 0;
    SendMessageW(inner, WM_APP, 0, 0);
    CHECK(g_reached == 1);
}

TEST_CASE("a window SkinWindow refuses leaves no image set behind")
{
    REQUIRE(SkinnedWindowCount() == 0);
    const long baseline = gdi::LiveObjectCount();
    const HWND dead = test::MakeTopLevel(L"Form", 0, 0, 50, 50).release();
    DestroyWindow(dead);
    for (HWND refused : {HWND{}, dead}) {
        CHECK(SkinWindow(refused) == 0);
        CHECK_FALSE(SkinInitialized());
        CHECK(gdi::LiveObjectCount() == baseline);
    }
}

TEST_CASE("detach gives a button its type back and leaves it hidden or disabled as it was made since")
{
    const std::pair<const char*, std::function<void(HWND)>> changes[] = {
        {"hidden", [](HWND b) { ShowWindow(b, SW_HIDE); }},
        {"disabled", [](HWND b) { EnableWindow(b, FALSE); }},
    };
    for (const auto& [change, apply] : changes) {
        INFO(std::string(change));
        test::Window parent = test::MakeTopLevel(L"EdgeParent", 0, 0, 200, 100);
        HWND button = test::MakeChild(parent, L"Button", L"x", BS_DEFPUSHBUTTON, 5, 5, 70, 24).release();
        const LONG made = GetWindowLongW(button, GWL_STYLE);
        REQUIRE(SkinWindow(button) == 1);
        apply(button);
        const LONG changed = GetWindowLongW(button, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED);
        REQUIRE(DetachSkin(button) == 1);
        CHECK(GetWindowLongW(button, GWL_STYLE) == ((made & ~(WS_VISIBLE | WS_DISABLED)) | changed));
    }
}
