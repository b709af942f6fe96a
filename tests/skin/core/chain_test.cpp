// The skin shares its windows with other code that subclasses them too, before and after it: every
// procedure in every chain keeps getting its messages, and detach cuts nobody out.
#include "skin/support/skin_fixture.h"

#include <commctrl.h>

#include <map>

using namespace skintest;

namespace {

// The procedures around the skin: Own is installed before it (it stands for the window's own
// procedure); the others after it, each a common way of subclassing.
enum Layer { Own, Plain, Restoring, Keeping, Comctl };
std::map<std::pair<HWND, int>, std::map<UINT, int>> g_seen;
std::map<std::pair<HWND, int>, WNDPROC> g_below;

template <int L>
LRESULT CALLBACK LayerProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    ++g_seen[{w, L}][msg];
    const WNDPROC below = g_below[{w, L}];
    if (L == Restoring && msg == WM_DESTROY) SetWindowLongPtrW(w, GWLP_WNDPROC, LONG_PTR(below));  // unhooks, then passes on
    if (L == Keeping && msg == WM_DESTROY) return 0;  // keeps WM_DESTROY from everything below it
    return CallWindowProcW(below, w, msg, wp, lp);
}
LRESULT CALLBACK ComctlProc(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR)
{
    ++g_seen[{w, Comctl}][msg];
    return DefSubclassProc(w, msg, wp, lp);
}
void Subclass(HWND w, int layer)
{
    static const WNDPROC procs[] = {LayerProc<Own>, LayerProc<Plain>, LayerProc<Restoring>, LayerProc<Keeping>};
    if (layer == Comctl) SetWindowSubclass(w, ComctlProc, 1, 0);
    else g_below[{w, layer}] = WNDPROC(SetWindowLongPtrW(w, GWLP_WNDPROC, LONG_PTR(procs[layer])));
}
int Seen(HWND w, int layer, UINT msg) { return g_seen[{w, layer}][msg]; }

std::vector<std::uint32_t> Picture(HWND w)  // corners, edges and face of the 80 x 25 button on the screen
{
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    std::vector<std::uint32_t> pixels;
    for (auto [x, y] : {std::pair{0, 0}, {79, 24}, {40, 1}, {40, 12}, {2, 12}, {20, 20}}) pixels.push_back(test::WindowPixel(w, x, y));
    return pixels;
}

}  // namespace

TEST_CASE("detach keeps every chain whole: each procedure above and below the skin gets WM_DESTROY and WM_NCDESTROY once")
{
    REQUIRE(SkinnedWindowCount() == 0);
    const NoLeaks noLeaks;
    HWND form = test::MakeTopLevel(L"Form", 0, 0, 400, 200).release();
    HWND inner = test::MakeChild(form, L"#32770", L"", 0, 300, 0, 100, 100);
    // The window and the procedure installed on top of the skin's (none for the inner container).
    const std::pair<HWND, int> chains[] = {{form, Plain}, {inner, Own}, {test::MakeChild(inner, L"Button", L"a", 0, 5, 5, 80, 25), Plain},
        {test::MakeChild(form, L"Button", L"b", 0, 5, 5, 80, 25), Restoring}, {test::MakeChild(form, L"Button", L"c", 0, 5, 35, 80, 25), Comctl},
        {test::MakeChild(form, L"Button", L"d", 0, 5, 65, 80, 25), Keeping}, {test::MakeChild(form, L"Button", L"e", 0, 5, 95, 80, 25), Plain},
        {test::MakeChild(form, L"Button", L"f", 0, 5, 125, 80, 25), Plain}, {test::MakeChild(form, L"Button", L"g", 0, 100, 5, 80, 25), Own}};
    const HWND detached = chains[6].first, robbed = chains[7].first, left = chains[8].first;
    for (auto [w, top] : chains) Subclass(w, Own);
    const auto plainLook = Picture(detached);
    REQUIRE(SkinWindow(form) == 1);
    for (auto [w, top] : chains)
        if (top != Own) Subclass(w, top);
    Subclass(left, Plain);  // unhooks below, out of the chain's bookkeeping
    REQUIRE(Picture(detached) != plainLook);

    // Detached while another procedure sits on top: the skin stays below it, passes everything on
    // and draws nothing.
    CHECK(DetachSkin(detached) == 1);
    CHECK((SkinPropNames(detached) == Names{"NEXTPROC"} && Picture(detached) == plainLook && SkinnedWindowCount() == 9));
    CHECK(WindowRegion(detached) == ERROR);
    // A skin left in the chain leaves it as soon as nothing sits above it.
    REQUIRE(DetachSkin(left) == 1);
    SetWindowLongPtrW(left, GWLP_WNDPROC, LONG_PTR(g_below[{left, Plain}]));  // the one on top unhooks
    SendMessageW(left, WM_APP, 0, 0);
    CHECK((GetWindowLongPtrW(left, GWLP_WNDPROC) == LONG_PTR(&LayerProc<Own>) && Seen(left, Own, WM_APP) == 1));
    CHECK((SkinPropNames(left).empty() && SkinnedWindowCount() == 8));
    // On top without its properties it is not installed again: taking its own procedure as the
    // previous one, it would call itself for ever.
    REQUIRE(AttachSkin(left) == 1);
    const INT_PTR own = GetSkinProp(left, prop::ProcAddr);
    for (const char* name : {"PROCADDR", "NEXTPROC"}) RemoveSkinProp(left, name);  // other code takes them all
    CHECK(AttachSkin(left) == 0);
    for (const char* name : {"PROCADDR", "NEXTPROC"}) SetSkinProp(left, name, own);
    // Other code takes PROCADDR away: however the skin hears of the window, it is not installed a
    // second time below the procedure on top (the two would call each other for ever); like the
    // detached one, the window is taken up again where the skin sits, its state made anew.
    RemoveSkinProp(robbed, prop::ProcAddr);
    for (UINT msg : {WM_ENTERIDLE, WM_CTLCOLORLISTBOX, WM_ACTIVATE}) SendMessageW(form, msg, 0, LPARAM(robbed));
    CHECK(AttachSkin(detached) + AttachChildProc(detached, 0) == 2);  // the enumeration answers 1 all the same
    for (HWND w : {detached, robbed}) {
        CHECK((SkinPropNames(w) == kButtonProps && AttachSkin(w) + SkinWindow(w) == 0));
        SendMessageW(w, WM_APP, 0, 0);
        CHECK((Seen(w, Own, WM_APP) == 1 && Seen(w, Plain, WM_APP) == 1));
    }
    CHECK(Picture(detached) != plainLook);
    CHECK(SkinnedWindowCount() == 9);

    DestroyWindow(form);
    for (auto [w, top] : chains)
        for (int layer : {int(Own), top}) {
            CAPTURE(layer);
            CHECK(Seen(w, layer, WM_DESTROY) == (top == Keeping && layer == Own ? 0 : 1));
            CHECK(Seen(w, layer, WM_NCDESTROY) == (layer == Restoring ? 0 : 1));  // it left at WM_DESTROY
        }
    CHECK((SkinnedWindowCount() == 0 && !SkinInitialized()));
}
