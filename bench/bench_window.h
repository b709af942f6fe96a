#pragma once
// A visible plain window for the benchmarks to put controls in.
#include <windows.h>

namespace bench {

inline HWND MakeParentWindow()
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"BenchParent";
    RegisterClassExW(&wc);
    return CreateWindowExW(0, L"BenchParent", L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                           300, 100, nullptr, nullptr, wc.hInstance, nullptr);
}

// An 80 x 25 push button at x in the parent.
inline HWND MakeBenchButton(HWND parent, int x)
{
    return CreateWindowExW(0, L"Button", L"刷新", WS_CHILD | WS_VISIBLE, x, 10, 80, 25, parent,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace bench
