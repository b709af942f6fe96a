// A form of 100 push buttons: skinning it against creating it, resizing its buttons skinned
// against unskinned, and creating them in a form skinned already (each is skinned as it is made)
// against creating them and then skinning each. Each round creates fresh hidden forms, so the
// measurements of a round see the same machine. Prints medians per form and their ratios.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "skin/core/skinner.h"
#include "skin/draw/gdi_objects.h"
#include "timing.h"

namespace {

constexpr int Buttons = 100;

HWND MakeForm(std::vector<HWND>& buttons, bool skinFirst = false)
{
    static const ATOM atom = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"Form";
        return RegisterClassExW(&wc);
    }();
    (void)atom;
    HWND form = CreateWindowExW(0, L"Form", L"bench", WS_OVERLAPPEDWINDOW, 0, 0, 900, 400,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (skinFirst) skin::SkinWindow(form);
    buttons.clear();
    for (int i = 0; i < Buttons; ++i)
        buttons.push_back(CreateWindowExW(0, L"Button", L"刷新", WS_CHILD | WS_VISIBLE,
                                          (i % 10) * 85, (i / 10) * 30, 80, 25, form, nullptr,
                                          GetModuleHandleW(nullptr), nullptr));
    return form;
}

template <class F>
double Time(F&& f)
{
    const double start = bench::Now();
    f();
    return bench::Now() - start;
}

void ResizeAll(const std::vector<HWND>& buttons, int round)
{
    const int grow = round % 2 ? 10 : 0;
    for (HWND b : buttons)
        SetWindowPos(b, nullptr, 0, 0, 80 + grow, 25 + grow / 2, SWP_NOMOVE | SWP_NOZORDER);
}

void Report(const char* what, const char* nameA, const char* nameB, const std::vector<double>& a,
            const std::vector<double>& b)
{
    bench::Report(what, nameA, nameB, {bench::Median(a), bench::Median(b)});
}

}  // namespace

int main()
{
    std::printf("A hidden form of %d push buttons (times per form, ratio = first / second)\n",
                Buttons);
    const long baseline = skin::gdi::LiveObjectCount();
    std::vector<double> create, skinning, plainResize, skinnedResize, createInSkinned, createThenSkin;
    std::vector<HWND> buttons;
    for (int round = 0; round < 9; ++round) {
        HWND form = nullptr;
        create.push_back(Time([&] { form = MakeForm(buttons); }));
        plainResize.push_back(Time([&] { ResizeAll(buttons, round); }));
        skinning.push_back(Time([&] { skin::SkinWindow(form); }));
        skinnedResize.push_back(Time([&] { ResizeAll(buttons, round + 1); }));
        DestroyWindow(form);

        createInSkinned.push_back(Time([&] { form = MakeForm(buttons, true); }));
        DestroyWindow(form);
        createThenSkin.push_back(Time([&] {
            form = MakeForm(buttons);
            for (HWND b : buttons) skin::SkinWindow(b);
        }));
        DestroyWindow(form);
    }
    Report("skin a form of 100 buttons", "SkinWindow", "creating the form", skinning, create);
    Report("resize 100 buttons", "skinned", "unskinned", skinnedResize, plainResize);
    Report("create 100 buttons, each skinned", "in a skinned form", "then SkinWindow each",
           createInSkinned, createThenSkin);
    std::printf("GDI objects left after the rounds: %ld\n",
                skin::gdi::LiveObjectCount() - baseline);
    return 0;
}
