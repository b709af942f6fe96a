// What a command button's fade and pointer tracking cost per message, against the plain
// operations underneath. Prints times per call side by side and their ratios.
#include <windows.h>

#include <cstdio>

#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/interact/button_fade.h"
#include "bench_window.h"
#include "timing.h"

int main()
{
    HWND parent = bench::MakeParentWindow();
    HWND plain = bench::MakeBenchButton(parent, 10);
    HWND skinned = bench::MakeBenchButton(parent, 100);
    skin::SkinWindow(skinned);
    SetCursorPos(1000, 900);

    std::printf("Command button fade and tracking (times per call, ratio = first / second)\n");

    // One tick as the timer runs it: blend the face, step the level (kept below the end).
    skin::SetSkinProp(skinned, skin::prop::OldState, 1);
    HDC windowDc = GetWindowDC(skinned);
    HDC face = reinterpret_cast<HDC>(skin::GetSkinProp(skinned, skin::prop::FaceDc[1]));
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 128, 0};
    bench::Report("80 x 25 fade tick", "FadeStep", "bare AlphaBlend",
                  bench::Compare(
                      [&] {
                          skin::SetSkinProp(skinned, skin::prop::AlphaLevel, 30);
                          skin::FadeStep(skinned);
                      },
                      [&] { AlphaBlend(windowDc, 0, 0, 80, 25, face, 0, 0, 80, 25, blend); }));
    ReleaseDC(skinned, windowDc);

    // A resting button that already knows the mouse is inside: the cursor-over test only.
    skin::SetSkinProp(skinned, skin::prop::MouseFlag, 1);
    POINT centre{140, 22};
    ClientToScreen(parent, &centre);
    SetCursorPos(centre.x, centre.y);
    const LPARAM at = MAKELPARAM(40, 12);
    bench::Report("WM_MOUSEMOVE over a resting button", "skinned button", "plain button",
                  bench::Compare([&] { SendMessageW(skinned, WM_MOUSEMOVE, 0, at); },
                                 [&] { SendMessageW(plain, WM_MOUSEMOVE, 0, at); }));
    bench::Report("WM_MOUSEMOVE vs one property read", "skinned button", "GetPropA",
                  bench::Compare([&] { SendMessageW(skinned, WM_MOUSEMOVE, 0, at); },
                                 [&] { GetPropA(skinned, "MOUSEFLAG"); }));

    DestroyWindow(parent);
    return 0;
}
