// What check boxes and option buttons cost under the skin: a mouse move over a resting check box
// (a forced repaint each time) against the same message to one without the skin, and the refresh
// pass after a release on a form of 20 check boxes and 20 option buttons against one forced
// PaintCheckBox. Prints times per call side by side and their ratios.
#include <windows.h>

#include <cstdio>

#include "skin/core/skinner.h"
#include "skin/paint/check_option_painters.h"
#include "timing.h"

namespace {

void RegisterKind(const wchar_t* name, const wchar_t* base)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    GetClassInfoExW(nullptr, base, &wc);
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

HWND MakeWindow(const wchar_t* cls, DWORD style, int x, int y, int w, int h, HWND parent)
{
    return CreateWindowExW(0, cls, L"Option", style | WS_VISIBLE, x, y, w, h, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

int main()
{
    RegisterKind(L"ThunderRT6FormDC", L"#32770");
    RegisterKind(L"ThunderRT6CheckBox", L"Button");
    RegisterKind(L"ThunderRT6OptionButton", L"Button");
    HWND form = MakeWindow(L"ThunderRT6FormDC", WS_OVERLAPPEDWINDOW, 0, 0, 560, 300, nullptr);
    HWND other = MakeWindow(L"ThunderRT6FormDC", WS_OVERLAPPEDWINDOW, 600, 0, 200, 100, nullptr);
    HWND plain = MakeWindow(L"ThunderRT6CheckBox", WS_CHILD | BS_AUTOCHECKBOX, 10, 10, 120, 20, other);
    HWND first = nullptr;
    for (int i = 0; i < 40; ++i) {
        const bool check = i < 20;
        HWND w = MakeWindow(check ? L"ThunderRT6CheckBox" : L"ThunderRT6OptionButton",
                            WS_CHILD | (check ? BS_AUTOCHECKBOX : BS_AUTORADIOBUTTON),
                            10 + 135 * (i / 10), 10 + 25 * (i % 10), 120, 20, form);
        if (!first) first = w;
    }
    skin::SkinWindow(form);
    SetCursorPos(1000, 900);

    std::printf("Check boxes and option buttons (times per call, ratio = first / second)\n");
    const LPARAM at = MAKELPARAM(5, 10);
    bench::Report("WM_MOUSEMOVE over a resting check box", "skinned check box", "plain check box",
                  bench::Compare([&] { SendMessageW(first, WM_MOUSEMOVE, 0, at); },
                                 [&] { SendMessageW(plain, WM_MOUSEMOVE, 0, at); }));
    bench::Report("WM_MOUSEMOVE vs the repaint in it", "skinned check box", "one PaintCheckBox",
                  bench::Compare([&] { SendMessageW(first, WM_MOUSEMOVE, 0, at); },
                                 [&] { skin::PaintCheckBox(first, 0, true); }));
    bench::Report("refresh pass, 20 + 20 on the form", "WM_LBUTTONUP on form", "one PaintCheckBox",
                  bench::Compare([&] { SendMessageW(form, WM_LBUTTONUP, 0, 0); },
                                 [&] { skin::PaintCheckBox(first, 0, true); }));

    DestroyWindow(other);
    DestroyWindow(form);
    return 0;
}
