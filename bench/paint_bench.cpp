// What the skinned header and progress bar cost per message against the same controls unskinned.
// Prints times per call side by side and their ratios.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>

#include "skin/core/skinner.h"
#include "bench_window.h"
#include "timing.h"

namespace {

HWND MakeHeader(HWND parent, int y)
{
    HWND header = CreateWindowExW(0, WC_HEADERW, L"", WS_CHILD | WS_VISIBLE | HDS_BUTTONS, 0, y, 400, 20, parent,
                                  nullptr, nullptr, nullptr);
    for (int i = 0; i < 8; ++i) {
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.cxy = 50;
        item.fmt = HDF_STRING | HDF_CENTER;
        item.pszText = const_cast<wchar_t*>(L"刷新");
        SendMessageW(header, HDM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    return header;
}

HWND MakeProgressBar(HWND parent, int y)
{
    HWND bar = CreateWindowExW(0, L"ProgressBarWndClass", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 0, y, 200, 16,
                               parent, nullptr, nullptr, nullptr);
    SendMessageW(bar, PBM_SETRANGE32, 0, 30000);
    return bar;
}

}  // namespace

int main()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW progress{};
    progress.cbSize = sizeof progress;
    GetClassInfoExW(nullptr, PROGRESS_CLASSW, &progress);
    progress.hInstance = GetModuleHandleW(nullptr);
    progress.lpszClassName = L"ProgressBarWndClass";
    RegisterClassExW(&progress);

    HWND parent = bench::MakeParentWindow();
    SetWindowPos(parent, nullptr, 0, 0, 450, 200, SWP_NOMOVE | SWP_NOZORDER);
    HWND plainHeader = MakeHeader(parent, 0), skinnedHeader = MakeHeader(parent, 30);
    HWND plainBar = MakeProgressBar(parent, 60), skinnedBar = MakeProgressBar(parent, 90);
    skin::SkinWindow(skinnedHeader);
    skin::SkinWindow(skinnedBar);
    SetCursorPos(1000, 900);
    UpdateWindow(parent);

    std::printf("Header tracking and progress bars (times per call, ratio = first / second)\n");

    // Across the items: every move finds another item, so two items are repainted.
    int across = 0;
    auto moveAcross = [&](HWND header) {
        across = (across + 3) % 8;
        SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(across * 50 + 25, 10));
    };
    bench::Report("WM_MOUSEMOVE across an 8-item header", "skinned header", "plain header",
                  bench::Compare([&] { moveAcross(skinnedHeader); }, [&] { moveAcross(plainHeader); }));
    // Within one item: the hit test only.
    int within = 0;
    auto moveWithin = [&](HWND header) {
        within = (within + 1) % 20;
        SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(360 + within, 10));
    };
    bench::Report("WM_MOUSEMOVE within the last item", "skinned header", "plain header",
                  bench::Compare([&] { moveWithin(skinnedHeader); }, [&] { moveWithin(plainHeader); }));
    // The same moves with the header's pending repaint done at once.
    bench::Report("WM_MOUSEMOVE across + UpdateWindow", "skinned header", "plain header",
                  bench::Compare([&] { moveAcross(skinnedHeader), UpdateWindow(skinnedHeader); },
                                 [&] { moveAcross(plainHeader), UpdateWindow(plainHeader); }));

    int position = 0;
    auto step = [&](HWND bar) {
        position = (position + 977) % 30000;
        SendMessageW(bar, PBM_SETPOS, position, 0);
        UpdateWindow(bar);
    };
    bench::Report("PBM_SETPOS + repaint of a progress bar", "skinned bar", "plain bar",
                  bench::Compare([&] { step(skinnedBar); }, [&] { step(plainBar); }));
    bench::Report("WM_NCPAINT of a progress bar", "skinned bar", "plain bar",
                  bench::Compare([&] { SendMessageW(skinnedBar, WM_NCPAINT, 1, 0); },
                                 [&] { SendMessageW(plainBar, WM_NCPAINT, 1, 0); }));

    DestroyWindow(parent);
    return 0;
}
