// fuzz: hostile messages to the skinned gallery form. Each message goes to a random window of
// the form (the form, every control and label, the lists of the combo boxes), half of them drawn
// from the messages the skin routes and half from all others below WM_USER, with random wParam
// and lParam; where a message carries a pointer it gets a valid one (fuzz_messages.cpp). The
// skin comes off a window on its WM_DESTROY, so a window found without the skin is skinned
// again. Posted messages are dispatched now and then.
// At the end every window must still answer, and once the form is destroyed the skin's live GDI
// objects must be back where they were before it was made. A crash or a hang names the message
// that caused it.
//
//   fuzz [--plain] [MESSAGES [SEED]]      (defaults 1000000 and 1)
//
// --plain sends the same messages to the same form without the skin, to tell a fault of the
// skin from one of the controls themselves.
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "fuzz_messages.h"
#include "controls_window.h"
#include "gallery_form.h"
#include "process_figures.h"
#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/draw/gdi_objects.h"

namespace {

constexpr int PumpEvery = 1000;
constexpr DWORD HangSeconds = 60;

// The message being handled, for the reports of a crash or a hang.
struct Current {
    long index;
    UINT message;
    HWND target;
    WPARAM wParam;
    LPARAM lParam;
};
Current g_current{};
volatile LONG g_progress = 0;

void PrintCurrent(const char* what)
{
    wchar_t name[64] = L"?";
    GetClassNameW(g_current.target, name, 64);
    std::fprintf(stderr, "fuzz: %s at message %ld: 0x%04X to %p (%ls), wParam 0x%llx, lParam 0x%llx\n", what,
                 g_current.index, g_current.message, static_cast<void*>(g_current.target), name,
                 static_cast<unsigned long long>(g_current.wParam),
                 static_cast<unsigned long long>(g_current.lParam));
    std::fflush(stderr);
}

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* e)
{
    std::fprintf(stderr, "fuzz: exception 0x%08lX\n", e->ExceptionRecord->ExceptionCode);
    PrintCurrent("crash");
    return EXCEPTION_EXECUTE_HANDLER;
}

DWORD WINAPI Watchdog(LPVOID)
{
    LONG seen = -1;
    for (DWORD still = 0;; Sleep(1000)) {
        const LONG now = g_progress;
        still = now == seen ? still + 1 : 0;
        seen = now;
        if (still >= HangSeconds) {
            PrintCurrent("hang");
            TerminateProcess(GetCurrentProcess(), 3);
        }
    }
}

class ArgumentMaker {
public:
    // The font, device context and region are the caller's and stay valid for the whole run.
    ArgumentMaker(unsigned seed, const std::vector<HWND>& pool, HFONT font, HDC dc, HRGN region)
        : random_(seed), pool_(pool), font_(font), dc_(dc), region_(region) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    LPARAM Value()
    {
        switch (Below(10)) {
        case 0: case 1: return Below(16);
        case 2: case 3: return Below(0x10000);
        case 4: return static_cast<LPARAM>((static_cast<unsigned long long>(random_()) << 32) | random_());
        case 5: return -1 - Below(16);
        case 6: case 7: return MAKELPARAM(Below(1000) - 50, Below(700) - 50);
        case 8: return reinterpret_cast<LPARAM>(pool_[Below(static_cast<int>(pool_.size()))]);
        default: return 0;
        }
    }

    // Fills wParam and lParam for the message to the target.
    void Make(UINT m, HWND target, WPARAM& w, LPARAM& l)
    {
        w = static_cast<WPARAM>(Value());
        l = Value();
        std::fill(std::begin(buffer_), std::end(buffer_), 0);
        std::fill(std::begin(buffer2_), std::end(buffer2_), 0);
        const auto buffer = reinterpret_cast<LPARAM>(buffer_);
        switch (fuzz::ShapeOf(m)) {
        case fuzz::Shape::Plain: case fuzz::Shape::Left: break;
        case fuzz::Shape::Buffer: l = buffer; break;
        case fuzz::Shape::BothBuffers: w = static_cast<WPARAM>(buffer); l = reinterpret_cast<LPARAM>(buffer2_); break;
        case fuzz::Shape::Text: l = RandomText(); break;
        case fuzz::Shape::TextOut: w = Below(sizeof buffer_ / sizeof(wchar_t)); l = buffer; break;
        case fuzz::Shape::ItemTextOut: l = buffer; break;
        case fuzz::Shape::LineOut:
            *reinterpret_cast<WORD*>(buffer_) = sizeof buffer_ / sizeof(wchar_t) - 1;
            l = buffer;
            break;
        case fuzz::Shape::BoundedArray: w = Below(257); l = buffer; break;
        case fuzz::Shape::SizedRecord: *reinterpret_cast<DWORD*>(buffer_) = RecordSize(m); l = buffer; break;
        case fuzz::Shape::Font: w = reinterpret_cast<WPARAM>(Font()); break;
        case fuzz::Shape::Dc: w = Below(4) ? reinterpret_cast<WPARAM>(dc_) : 0; break;
        case fuzz::Shape::Region: w = std::array<WPARAM, 3>{1, 0, reinterpret_cast<WPARAM>(region_)}[Below(3)]; break;
        case fuzz::Shape::Key: w = Key(); break;
        case fuzz::Shape::RedrawOn: w |= 1; break;
        case fuzz::Shape::Margins: l = MAKELPARAM(Below(41), Below(41)); break;
        case fuzz::Shape::NcCalcSize: l = NcCalcSize(target); break;
        case fuzz::Shape::WindowPos: l = WindowPos(target); break;
        }
        SharpenRouted(m, target, w, l);
    }

private:
    // The routed messages get arguments that lead into the skin's paths more often.
    void SharpenRouted(UINT m, HWND target, WPARAM& w, LPARAM& l)
    {
        const bool often = Below(4) != 0;
        switch (m) {
        case WM_NCPAINT: if (often) w = 1; break;
        case WM_PAINT: if (often) w = 0; break;  // the skin's own paths paint in BeginPaint
        case WM_TIMER: if (Below(2)) w = 1; break;
        case WM_ACTIVATE: case WM_ENTERIDLE: case WM_CTLCOLORLISTBOX:
        case WM_SETFOCUS: case WM_KILLFOCUS:
            if (Below(2)) (m == WM_SETFOCUS || m == WM_KILLFOCUS ? reinterpret_cast<LPARAM&>(w) : l) = PoolHandle();
            break;
        case WM_MOUSEMOVE: case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
            if (often) {
                RECT r;
                GetClientRect(target, &r);
                l = MAKELPARAM(Below(r.right + 8) - 4, Below(r.bottom + 8) - 4);
                w &= 0xFF;
            }
            break;
        default: break;
        }
    }

    LPARAM PoolHandle() { return reinterpret_cast<LPARAM>(pool_[Below(static_cast<int>(pool_.size()))]); }

    LPARAM RandomText()
    {
        const int n = Below(31);
        for (int i = 0; i < n; ++i)
            text_[i] = Below(4) ? static_cast<wchar_t>(L' ' + Below(95)) : static_cast<wchar_t>(0x4E00 + Below(0x5000));
        text_[n] = 0;
        return reinterpret_cast<LPARAM>(text_);
    }

    HGDIOBJ Font()
    {
        switch (Below(4)) {
        case 0: return nullptr;
        case 1: return font_;
        case 2: return GetStockObject(DEFAULT_GUI_FONT);
        default: return GetStockObject(SYSTEM_FONT);
        }
    }

    WPARAM Key()
    {
        if (Below(5) < 2) return VK_SPACE;
        // F10 and the Applications key open menus in modal loops.
        WPARAM key;
        do key = Below(256);
        while (key == VK_F10 || key == VK_APPS);
        return key;
    }

    static DWORD RecordSize(UINT m)
    {
        if (m == CB_GETCOMBOBOXINFO) return sizeof(COMBOBOXINFO);
        if (m == SBM_GETSCROLLBARINFO) return sizeof(SCROLLBARINFO);
        return sizeof(TITLEBARINFOEX);
    }

    LPARAM NcCalcSize(HWND target)
    {
        auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(buffer_);
        for (RECT& r : params->rgrc) GetWindowRect(target, &r);
        params->lppos = reinterpret_cast<WINDOWPOS*>(buffer2_);
        params->lppos->hwnd = target;
        return reinterpret_cast<LPARAM>(params);
    }

    LPARAM WindowPos(HWND target)
    {
        auto* pos = reinterpret_cast<WINDOWPOS*>(buffer_);
        pos->hwnd = target;
        pos->x = Below(850) - 50;
        pos->y = Below(650) - 50;
        pos->cx = Below(800);
        pos->cy = Below(600);
        pos->flags = Below(0x10000);
        return reinterpret_cast<LPARAM>(pos);
    }

    std::mt19937 random_;
    const std::vector<HWND>& pool_;
    HFONT font_;
    HDC dc_;
    HRGN region_;
    alignas(16) unsigned char buffer_[8192]{};
    alignas(16) unsigned char buffer2_[8192]{};
    wchar_t text_[32]{};
};

BOOL CALLBACK AddWindow(HWND window, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

bool Skinned(HWND window)
{
    return skin::GetSkinProp(window, skin::prop::ProcAddr) != 0;
}

// The form, everything in it, and the drop-down lists of its combo boxes, which live outside
// it; each list is dropped once so that the skin takes it on as it is drawn.
std::vector<HWND> Targets(HWND form)
{
    std::vector<HWND> targets{form};
    EnumChildWindows(form, AddWindow, reinterpret_cast<LPARAM>(&targets));
    for (int id = gallery::ComboSimple; id <= gallery::DriveList; ++id) {
        HWND combo = GetDlgItem(form, id);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (!GetComboBoxInfo(combo, &info) || IsChild(combo, info.hwndList)) continue;
        SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
        UpdateWindow(info.hwndList);
        SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
        targets.push_back(info.hwndList);
    }
    return targets;
}

// What programs do to scroll bars without a message: the skin follows these calls.
void ChangeScrollBars(HWND target, ArgumentMaker& args)
{
    const int bar = args.Below(4);  // SB_HORZ, SB_VERT, SB_CTL or SB_BOTH
    const SCROLLINFO info{sizeof info, static_cast<UINT>(args.Below(0x20)), args.Below(40) - 10, args.Below(400),
                          static_cast<UINT>(args.Below(80)), args.Below(400), 0};
    switch (args.Below(4)) {
    case 0: SetScrollInfo(target, bar, &info, args.Below(2)); break;
    case 1: SetScrollPos(target, bar, args.Below(400), args.Below(2)); break;
    case 2: ShowScrollBar(target, bar, args.Below(2)); break;
    default: EnableScrollBar(target, bar, args.Below(4)); break;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const bool plain = argc > 1 && std::string(argv[1]) == "--plain";
    if (plain) --argc, ++argv;
    const long messages = argc > 1 ? std::atol(argv[1]) : 1000000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 1;
    SetUnhandledExceptionFilter(ReportCrash);
    CloseHandle(CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr));

    const long gdiBeforeForm = skin::gdi::LiveObjectCount();
    gallery::Options options;
    options.openModalWindows = false;  // nobody would close what they open
    HWND form = gallery::CreateGalleryForm(GetModuleHandleW(nullptr), options);
    if (!form) return 2;
    if (!plain) skin::SkinWindow(form);
    gallery::ShowGalleryForm(form, SW_SHOWNORMAL);
    std::vector<HWND> targets = Targets(form);
    // The other common controls, in a main window skinned with everything inside it.
    HWND controls = gallery::CreateControlsWindow(GetModuleHandleW(nullptr), 60, 660);
    if (!controls) return 2;
    if (!plain) skin::SkinWindowEx(controls, skin::SkinChildrenFlag);
    ShowWindow(controls, SW_SHOWNOACTIVATE);
    targets.push_back(controls);
    EnumChildWindows(controls, AddWindow, reinterpret_cast<LPARAM>(&targets));
    // The toolbar destroys itself on some of these messages (WM_CTLCOLORLISTBOX among them), with
    // or without the skin: it is drawn, hovered and clicked in the soak instead.
    targets.erase(std::find(targets.begin(), targets.end(), GetDlgItem(GetDlgItem(controls, gallery::Rebar), gallery::Toolbar)));
    for (HWND t : targets)
        if (!plain && !Skinned(t)) skin::SkinWindow(t);
    bench::PumpFor(2000);  // the focus fade ends
    const bench::Figures start = bench::Measure();

    const std::vector<UINT>& routed = fuzz::RoutedMessages();
    const auto font = reinterpret_cast<HFONT>(SendMessageW(GetDlgItem(form, gallery::ButtonNormal), WM_GETFONT, 0, 0));
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 200, 200);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HRGN region = CreateRectRgn(0, 0, 40, 20);
    ArgumentMaker args(seed, targets, font, dc, region);
    const DWORD startTicks = GetTickCount();
    long routedSent = 0, reskinned = 0;
    std::vector<HWND> lost;
    for (long i = 0; i < messages; ++i) {
        HWND target = targets[args.Below(static_cast<int>(targets.size()))];
        if (args.Below(32) == 0) {
            ChangeScrollBars(target, args);
            continue;
        }
        const bool fromRouted = args.Below(2);
        UINT m;
        if (fromRouted) {
            m = routed[args.Below(static_cast<int>(routed.size()))];
        } else {
            do m = args.Below(WM_USER);
            while (fuzz::ShapeOf(m) == fuzz::Shape::Left);
        }
        WPARAM w;
        LPARAM l;
        args.Make(m, target, w, l);
        if (fuzz::ClicksUnreachableOption(target, m, w) || fuzz::WaitsForRelease(target, m)) {
            --i;
            continue;
        }
        routedSent += fromRouted;
        g_current = {i, m, target, w, l};
        SendMessageW(target, m, w, l);
        InterlockedIncrement(&g_progress);

        if (!IsWindow(target)) {
            PrintCurrent("window gone");
            lost.push_back(target);
            targets.erase(std::find(targets.begin(), targets.end(), target));
            if (targets.empty()) break;
        } else if (!plain && !Skinned(target)) {
            skin::SkinWindow(target);
            ++reskinned;
        }
        if (i % PumpEvery == PumpEvery - 1) bench::DrainMessages(PumpEvery);
        if (i % 100000 == 99999) std::printf("  %ld messages\n", i + 1), std::fflush(stdout);
    }
    const double seconds = (GetTickCount() - startTicks) / 1000.0;

    ReleaseCapture();
    bench::PumpFor(2000);  // running fades end
    const bench::Figures end = bench::Measure();
    int answering = 0, skinned = 0;
    for (HWND t : targets) {
        DWORD_PTR result;
        answering += SendMessageTimeoutW(t, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result) != 0;
        skinned += Skinned(t);
    }

    std::printf("fuzz: %ld messages (%ld of the skin's routed ones), seed %u, %zu windows%s, %.0f s (%d-bit)\n",
                messages, routedSent, seed, targets.size() + lost.size(), plain ? " without the skin" : "", seconds,
                static_cast<int>(sizeof(void*) * 8));
    std::printf("  skinned again after WM_DESTROY: %ld times; windows lost: %zu\n", reskinned, lost.size());
    std::printf("  answering at the end: %d of %zu; skinned: %d\n", answering, targets.size(), skinned);
    bench::PrintFigures(start, end);
    if (end.timers) bench::PrintTimers(bench::RunningTimers(500));

    DestroyWindow(form);
    DestroyWindow(controls);
    bench::DrainMessages();
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    DeleteObject(region);
    const long gdiAfterForm = skin::gdi::LiveObjectCount();
    std::printf("  GDI objects after the form is destroyed: %ld (before it was made: %ld); skinned windows: %ld\n",
                gdiAfterForm, gdiBeforeForm, skin::SkinnedWindowCount());

    const bool ok = lost.empty() && answering == static_cast<int>(targets.size()) && gdiAfterForm == gdiBeforeForm &&
                    (plain || skinned == static_cast<int>(targets.size()));
    if (!ok) std::printf("FAILED\n");
    return ok ? 0 : 1;
}
