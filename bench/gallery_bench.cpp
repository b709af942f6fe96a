// The gallery's two windows painted whole, skinned against unskinned, and single interactions
// on the common controls (hover, press, drag step), each with what it repaints, against the same
// on the unskinned controls. Both pairs are shown side by side, as painting needs a visible window.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "controls_window.h"
#include "gallery_form.h"
#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "timing.h"

namespace {

void RepaintWhole(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

HWND Control(HWND window, int id)
{
    return id == gallery::Toolbar ? GetDlgItem(GetDlgItem(window, gallery::Rebar), id) : GetDlgItem(window, id);
}

// One step of an interaction on the window's controls: the message, then the repaint it asked for.
struct Step {
    const char* what;
    int id;
    UINT message;
    WPARAM wParam[2];  // alternating, so that every call changes something
    LPARAM lParam[2];
};

const Step Steps[] = {
    {"hover: the pointer to another tab", gallery::Tabs, WM_MOUSEMOVE, {0, 0}, {MAKELPARAM(20, 10), MAKELPARAM(120, 10)}},
    {"hover: scroll-bar arrow, then thumb", gallery::ScrollVertical, WM_MOUSEMOVE, {0, 0}, {MAKELPARAM(8, 5), MAKELPARAM(8, 70)}},
    {"press: another tab selected", gallery::Tabs, TCM_SETCURSEL, {0, 2}, {0, 0}},
    {"drag step: track bar thumb moved", gallery::Track, TBM_SETPOS, {TRUE, TRUE}, {2, 8}},
    {"drag step: scroll-bar position", gallery::ScrollHorizontal, SBM_SETPOS, {20, 60}, {TRUE, TRUE}},
    {"hover: toolbar button", gallery::Toolbar, WM_MOUSEMOVE, {0, 0}, {MAKELPARAM(10, 10), MAKELPARAM(90, 10)}},
};

}  // namespace

int main()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    gallery::Options options;
    options.openModalWindows = false;
    HWND forms[2], controls[2];
    for (int skinned = 0; skinned < 2; ++skinned) {
        forms[skinned] = gallery::CreateGalleryForm(instance, options);
        controls[skinned] = gallery::CreateControlsWindow(instance, 20 + skinned * 40, 640 + skinned * 20);
        if (!forms[skinned] || !controls[skinned]) return 2;
        if (skinned) {
            skin::SkinWindow(forms[skinned]);
            skin::SkinWindowEx(controls[skinned], skin::SkinChildrenFlag);
        }
        SetWindowPos(forms[skinned], nullptr, 20 + skinned * 40, 20 + skinned * 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ShowWindow(forms[skinned], SW_SHOWNOACTIVATE);
        ShowWindow(controls[skinned], SW_SHOWNOACTIVATE);
    }
    std::printf("The gallery's windows, skinned and unskinned (times per call, ratio = skinned / unskinned)\n");
    bench::Report("repaint the form whole", "skinned", "unskinned",
                  bench::Compare([&] { RepaintWhole(forms[1]); }, [&] { RepaintWhole(forms[0]); }, 9));
    bench::Report("repaint the controls window whole", "skinned", "unskinned",
                  bench::Compare([&] { RepaintWhole(controls[1]); }, [&] { RepaintWhole(controls[0]); }, 9));
    double slowest = 0;
    for (const Step& step : Steps) {
        int turn[2] = {0, 0};
        auto run = [&](int skinned) {
            HWND control = Control(controls[skinned], step.id);
            const int i = turn[skinned]++ % 2;
            SendMessageW(control, step.message, step.wParam[i], step.lParam[i]);
            UpdateWindow(control);
        };
        const bench::Comparison c = bench::Compare([&] { run(1); }, [&] { run(0); }, 9);
        bench::Report(step.what, "skinned", "unskinned", c);
        slowest = std::max(slowest, c.a);
    }
    std::printf("slowest skinned interaction: %.2f ms (a frame is 16 ms)\n", slowest * 1e3);
    for (int i = 0; i < 2; ++i) DestroyWindow(forms[i]), DestroyWindow(controls[i]);
    return 0;
}
