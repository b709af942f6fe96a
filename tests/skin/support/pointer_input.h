#pragma once
// Real pointer input (SendInput) for the tests that drive controls as a person would, and the
// screen's pixels read back.
#include <windows.h>

#include <functional>
#include <set>
#include <vector>

#include "skin/draw/skin_images.h"
#include "support/test_window.h"

namespace skintest {

inline POINT OnScreen(HWND w, int x, int y)
{
    POINT p{x, y};
    ClientToScreen(w, &p);
    return p;
}

inline void Mouse(DWORD flags, POINT p, DWORD data = 0)
{
    const int cx = GetSystemMetrics(SM_CXSCREEN) - 1, cy = GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT in{INPUT_MOUSE, {}};
    in.mi = {p.x * 65535 / cx, p.y * 65535 / cy, data, flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, 0, 0};
    SendInput(1, &in, sizeof in);
}

inline std::uint32_t ScreenPixel(POINT p)
{
    HDC screen = GetDC(nullptr);
    const std::uint32_t c = test::DcPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return c;
}

// Whether the screen shows, at p, one of the colours of a cell of a skin image; of the face of a
// command button's state.
inline bool ShowsCell(POINT p, HDC image, RECT cell)
{
    std::set<std::uint32_t> colors;
    for (int y = cell.top; y < cell.bottom; ++y)
        for (int x = cell.left; x < cell.right; ++x) colors.insert(test::DcPixel(image, x, y));
    return colors.count(ScreenPixel(p)) != 0;
}
inline bool ShowsFace(POINT p, INT_PTR state)
{
    return ShowsCell(p, skin::SkinImages().ButtonFaceImage, {1, 21 * int(state) + 3, 6, 21 * int(state) + 18});
}

// A press held inside a tracking loop (the control's or the skin's): the steps run on a timer the
// loop dispatches, the last one releases the button.
inline std::vector<std::function<void()>> g_steps;
inline void CALLBACK NextStep(HWND, UINT, UINT_PTR id, DWORD)
{
    if (g_steps.empty()) return (void)KillTimer(nullptr, id);
    g_steps.front()();
    g_steps.erase(g_steps.begin());
}
inline void HoldDown(POINT p, std::vector<std::function<void()>> steps, UINT every = 40)
{
    g_steps = std::move(steps);
    Mouse(0, p);
    test::Pump(50);
    SetTimer(nullptr, 0, every, NextStep);
    Mouse(MOUSEEVENTF_LEFTDOWN, p);
    test::PumpUntil([] { return g_steps.empty(); }, 3000);
    test::Pump(100);
}

}  // namespace skintest
