// What the skin window procedure and the button faces cost, measured against the plain platform
// operations they stand in for. Prints times per call side by side and their ratios.
#include <windows.h>

#include <cstdio>

#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/draw/dpi_scale.h"
#include "skin/paint/button_faces.h"
#include "bench_window.h"
#include "timing.h"

namespace {

LRESULT CALLBACK PassOn(int code, WPARAM wParam, LPARAM lParam)
{
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int main()
{
    HWND parent = bench::MakeParentWindow();
    HWND plain = bench::MakeBenchButton(parent, 10);
    HWND skinned = bench::MakeBenchButton(parent, 100);
    skin::SkinWindow(skinned);

    std::printf("Skin window procedure and button faces (times per call, ratio = first / second)\n");

    // A message outside the routing table: one property read and the previous procedure.
    const UINT unrouted = WM_USER + 100;
    const bench::Comparison message = bench::Compare(
        [&] { SendMessageW(skinned, unrouted, 0, 0); },
        [&] { SendMessageW(plain, unrouted, 0, 0); });
    bench::Report("unrouted message", "skinned button", "plain button", message);
    const bench::Comparison prop = bench::Compare(
        [&] { SendMessageW(skinned, unrouted, 0, 0); },
        [&] { GetPropA(skinned, "PROCADDR"); });
    bench::Report("unrouted message vs one property read", "skinned button", "GetPropA", prop);
    std::printf("overhead of an unrouted message: %.2f GetPropA (floor 1)\n",
                (message.a - message.b) / prop.b);

    // Windows made later are skinned from a creation (WH_CBT) hook, which messages never reach.
    // A hook that sees creations complete (WH_CALLWNDPROCRET) would be called for every message
    // sent on the thread.
    HHOOK afterCalls = SetWindowsHookExW(WH_CALLWNDPROCRET, PassOn, nullptr, GetCurrentThreadId());
    const bench::Comparison hooked = bench::Compare(
        [&] { SendMessageW(skinned, unrouted, 0, 0); }, [&] { GetPropA(skinned, "PROCADDR"); });
    UnhookWindowsHookEx(afterCalls);
    bench::Report("... with a WH_CALLWNDPROCRET hook", "skinned button", "GetPropA", hooked);
    std::printf("overhead of an unrouted message with that hook: %.2f GetPropA\n",
                (hooked.a - message.b) / hooked.b);

    // Every paint asks the window's DPI once.
    bench::Report("the window's DPI vs one property read", "WindowDpi", "GetPropA",
                  bench::Compare([&] { skin::WindowDpi(skinned); },
                                 [&] { GetPropA(skinned, "PROCADDR"); }));

    HDC screen = GetDC(parent);
    bench::Report("80 x 25 faces: render four vs blend one", "RenderButtonFaces", "PaintButtonFace",
                  bench::Compare([&] { skin::RenderButtonFaces(skinned); },
                                 [&] { skin::PaintButtonFace(skinned, screen); }));
    ReleaseDC(parent, screen);

    DestroyWindow(parent);
    return 0;
}
