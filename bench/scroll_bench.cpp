// Scrolling list boxes of 1,000 items a page at a time, by the wheel and by the program's own
// SetScrollPos, skinned (the skin draws the scroll bar) against unskinned (the system draws it),
// each with its repaint; and what the scroll-bar check costs a skinned window that has none.
#include <windows.h>

#include <cstdio>
#include <string>

#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "timing.h"

namespace {

LRESULT CALLBACK FormProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcW(w, m, wp, lp); }

HWND MakeForm(int x, HWND& list, HWND& button)
{
    const WNDCLASSW wc{0, FormProc, 0, 0, GetModuleHandleW(nullptr), nullptr, LoadCursorW(nullptr, IDC_ARROW),
                       HBRUSH(COLOR_BTNFACE + 1), nullptr, L"ScrollBenchForm"};
    RegisterClassW(&wc);
    HWND form = CreateWindowExW(0, L"ScrollBenchForm", L"scroll", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, 20, 260, 320,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    list = CreateWindowExW(0, L"ListBox", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | LBS_NOINTEGRALHEIGHT, 10, 10,
                           200, 220, form, nullptr, GetModuleHandleW(nullptr), nullptr);
    button = CreateWindowExW(0, L"Button", L"OK", WS_CHILD | WS_VISIBLE, 10, 240, 80, 25, form, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    for (int i = 0; i < 1000; ++i)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>((L"item " + std::to_wstring(i)).c_str()));
    return form;
}

// A page down with its repaint; back to the top from the end.
void PageDown(HWND list)
{
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(list, SB_VERT, &info);
    const bool atEnd = info.nPos >= info.nMax - static_cast<int>(info.nPage) + 1;
    SendMessageW(list, WM_VSCROLL, atEnd ? SB_TOP : SB_PAGEDOWN, 0);
    UpdateWindow(list);
}

}  // namespace

int main()
{
    HWND lists[2], buttons[2], forms[2];
    for (int skinned = 0; skinned < 2; ++skinned) {
        forms[skinned] = MakeForm(20 + 300 * skinned, lists[skinned], buttons[skinned]);
        if (skinned) skin::SkinWindowEx(forms[skinned], skin::SkinChildrenFlag);
        UpdateWindow(forms[skinned]);
    }
    std::printf("A list box of 1,000 items, skinned and unskinned (times per call, ratio = skinned / unskinned)\n");
    bench::Report("a page down (SB_PAGEDOWN) and its repaint", "skinned", "unskinned",
                  bench::Compare([&] { PageDown(lists[1]); }, [&] { PageDown(lists[0]); }));
    int turn[2] = {0, 0};
    auto wheel = [&](int skinned) {
        SendMessageW(lists[skinned], WM_MOUSEWHEEL, MAKEWPARAM(0, (turn[skinned]++ % 2) ? WHEEL_DELTA : -WHEEL_DELTA), 0);
        UpdateWindow(lists[skinned]);
    };
    bench::Report("the wheel, one notch", "skinned", "unskinned", bench::Compare([&] { wheel(1); }, [&] { wheel(0); }));
    auto setPos = [&](int skinned) { SetScrollPos(lists[skinned], SB_VERT, (turn[skinned]++ % 2) ? 100 : 500, TRUE); };
    bench::Report("the program's SetScrollPos", "skinned", "unskinned", bench::Compare([&] { setPos(1); }, [&] { setPos(0); }));
    // A control message goes past the scroll-bar check, a message the skin does not route does not:
    // the difference is what the check costs a window without scroll information (a GetScrollInfo,
    // no property read).
    for (UINT message : {UINT{BM_GETCHECK}, UINT{WM_USER + 7}})
        bench::Report(message == BM_GETCHECK ? "unrouted message to a button" : "control message to a button",
                      "skinned", "unskinned", bench::Compare([&] { SendMessageW(buttons[1], message, 0, 0); },
                                                             [&] { SendMessageW(buttons[0], message, 0, 0); }));
    for (HWND form : forms) DestroyWindow(form);
    return 0;
}
