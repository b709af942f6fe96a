// soak: long use of the skinned gallery form. Real pointer input (SendInput) hovers, presses and
// releases every control of the form in turn, then clicks the common controls and the scroll bars
// of the list and the edit; most cycles go on while the last fade still runs,
// every 50th waits for all fades to end. Then the skin is taken off the whole form and put back
// on again and again. Last, push buttons are made under the pointer inside the skinned form (each
// skinned as it is made, so it starts its hot fade) and destroyed again at once. The skin's live
// GDI objects, the thread's windows and its timers must end where they started, and the private
// bytes may not grow by more than 1 MiB from input cycle 1,000 (or the middle of a shorter run) to
// the end.
//
//   soak [INPUT_CYCLES [ATTACH_CYCLES [LATE_CYCLES]]]      (defaults 10000, 1000 and 2000)
//
// Needs the pointer and the screen to itself.
#include <windows.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <random>
#include <vector>

#include "controls_window.h"
#include "gallery_form.h"
#include "process_figures.h"
#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/draw/gdi_objects.h"

namespace {

constexpr int WaitEvery = 50;           // cycles between waits for the fades to end
constexpr SIZE_T AllowedGrowth = 1 << 20;

void SendMouse(DWORD flags, POINT at = {})
{
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = flags | (flags & MOUSEEVENTF_MOVE ? MOUSEEVENTF_ABSOLUTE : 0);
    SendInput(1, &in, sizeof in);
}

void SendKey(WORD key)
{
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = key;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof in[0]);
}

bool OnScrollBar(POINT at)
{
    HWND under = WindowFromPoint(at);
    const LRESULT hit = SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
    return hit == HTVSCROLL || hit == HTHSCROLL;
}

// A point inside the control's client area, off its scroll bars: a press on a scroll bar starts
// the platform's tracking loop, which would wait for a release this program sends only later.
POINT PointIn(HWND control, std::mt19937& random)
{
    RECT r;
    GetClientRect(control, &r);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&r), 2);
    for (int tries = 0; tries < 20; ++tries) {
        const POINT at{std::uniform_int_distribution<int>(r.left + 2, std::max(r.left + 2, r.right - 3))(random),
                       std::uniform_int_distribution<int>(r.top + 2, std::max(r.top + 2, r.bottom - 3))(random)};
        if (!OnScrollBar(at)) return at;
    }
    return {r.left + 2, r.top + 2};
}

// A press on a drop-down combo box leaves its list down; Escape puts it back up.
void CloseDroppedLists(const std::vector<HWND>& combos)
{
    for (HWND combo : combos) {
        if (!SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) continue;
        SendKey(VK_ESCAPE);
        bench::PumpFor(5);
        if (SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    }
}

bool FadesRunning(const std::vector<HWND>& parts)
{
    for (HWND part : parts)
        if (skin::GetSkinProp(part, skin::prop::TimerId)) return true;
    return false;
}

void WaitForFades(const std::vector<HWND>& parts)
{
    const DWORD start = GetTickCount();
    do bench::PumpFor(20);
    while (FadesRunning(parts) && GetTickCount() - start < 5000);
}

// Cursor off the form, the leave reported (the platform does so on its own tick, up to some
// hundred milliseconds late), every fade ended.
void Settle(const std::vector<HWND>& parts)
{
    SendMouse(MOUSEEVENTF_MOVE, {GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2});
    bench::PumpFor(700);
    WaitForFades(parts);
}

// Returns whether the press reached the control: a skinned push button shows its pressed face at
// once, every other control takes the capture.
bool InputCycle(HWND target, std::mt19937& random)
{
    SendMouse(MOUSEEVENTF_MOVE, PointIn(target, random));
    bench::PumpFor(4);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    bench::PumpFor(4);
    HWND capture = GetCapture();
    const bool pressed = skin::GetSkinProp(target, skin::prop::OldState) == 2 ||
                         (capture && (capture == target || IsChild(target, capture)));
    SendMouse(MOUSEEVENTF_LEFTUP);
    bench::PumpFor(4);
    return pressed;
}

BOOL CALLBACK AddWindow(HWND window, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// A click: the press and the release go in together, as some controls (scroll bars, list and
// tree views) follow a press in a loop of their own until the release comes.
void ClickAt(POINT at)
{
    SendMouse(MOUSEEVENTF_MOVE, at);
    bench::PumpFor(4);
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof in[0]);
    bench::PumpFor(4);
}

void ClickCycle(HWND target, std::mt19937& random)
{
    ClickAt(PointIn(target, random));
}

// A press on a scroll bar the skin draws for a list or an edit (arrow, page or thumb), pressed and
// released together; every fourth cycle the wheel over it as well.
void ScrollCycle(HWND target, int cycle, std::mt19937& random)
{
    RECT r;
    GetWindowRect(target, &r);
    for (int tries = 0; tries < 40; ++tries) {
        const POINT at{std::uniform_int_distribution<int>(r.left, r.right - 1)(random),
                       std::uniform_int_distribution<int>(r.top, r.bottom - 1)(random)};
        if (!OnScrollBar(at)) continue;
        ClickAt(at);
        break;
    }
    if (cycle % 4) return;
    INPUT wheel{};
    wheel.type = INPUT_MOUSE;
    wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
    wheel.mi.mouseData = static_cast<DWORD>(cycle % 8 ? -WHEEL_DELTA : WHEEL_DELTA);
    SendInput(1, &wheel, sizeof wheel);
    bench::PumpFor(4);
}

bool Check(bool ok, const char* what)
{
    if (!ok) std::printf("FAILED: %s\n", what);
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    const int inputCycles = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int attachCycles = argc > 2 ? std::atoi(argv[2]) : 1000;
    const int lateCycles = argc > 3 ? std::atoi(argv[3]) : 2000;
    const int warmCycle = inputCycles > 2000 ? 1000 : inputCycles / 2;
    std::mt19937 random(7);

    const long gdiBeforeForm = skin::gdi::LiveObjectCount();
    gallery::Options options;
    options.openModalWindows = false;  // nobody would close what they open
    HWND form = gallery::CreateGalleryForm(GetModuleHandleW(nullptr), options);
    if (!form) return 2;
    skin::SkinWindow(form);
    gallery::ShowGalleryForm(form, SW_SHOWNORMAL);

    // Every control but the two that open modal windows and the one that adds a control.
    std::vector<HWND> parts = gallery::GalleryParts(form), targets, combos;
    for (HWND part : parts) {
        const int id = GetDlgCtrlID(part);
        if (id != gallery::OpenMessageBox && id != gallery::OpenDialog && id != gallery::AddButton)
            targets.push_back(part);
        if (id >= gallery::ComboSimple && id <= gallery::DriveList) combos.push_back(part);
    }
    // The other common controls, in a main window skinned with everything inside it.
    HWND controls = gallery::CreateControlsWindow(GetModuleHandleW(nullptr), 40, 680);
    if (!controls) return 2;
    skin::SkinWindowEx(controls, skin::SkinChildrenFlag);
    ShowWindow(controls, SW_SHOWNOACTIVATE);
    std::vector<HWND> common;
    EnumChildWindows(controls, AddWindow, reinterpret_cast<LPARAM>(&common));
    HWND focus = GetFocus();
    Settle(parts);
    const bench::Figures start = bench::Measure();

    const DWORD startTicks = GetTickCount();
    SIZE_T warm = start.privateBytes;
    int pressesSeen = 0, pressesExpected = 0;
    for (int i = 1; i <= inputCycles; ++i) {
        HWND target = targets[i % targets.size()];
        const bool pressed = InputCycle(target, random);
        const int id = GetDlgCtrlID(target);
        const bool ignoresMouse = id >= gallery::ProgressFirst && id <= gallery::ProgressLast;
        if (IsWindowEnabled(target) && !ignoresMouse) {
            ++pressesExpected;
            pressesSeen += pressed;
        }
        CloseDroppedLists(combos);
        if (i % WaitEvery == 0) WaitForFades(parts);
        if (i == warmCycle) warm = bench::PrivateBytes();
    }
    for (int i = 1; i <= inputCycles / 4; ++i) ClickCycle(common[i % common.size()], random);
    for (int i = 1; i <= inputCycles / 4; ++i)
        ScrollCycle(GetDlgItem(form, i % 2 ? gallery::ListWithEdge : gallery::EditWithEdge), i, random);
    SetForegroundWindow(form);
    const SIZE_T afterInput = bench::PrivateBytes();

    for (int i = 0; i < attachCycles; ++i) {
        skin::DetachSkin(form);
        bench::DrainMessages();
        skin::SkinWindow(form);
        skin::DetachSkin(controls);
        skin::SkinWindowEx(controls, skin::SkinChildrenFlag);
        bench::DrainMessages();
    }

    // An empty spot of the form, right of the client edges.
    POINT late{720, 350};
    ClientToScreen(form, &late);
    int lateFades = 0;
    for (int i = 0; i < lateCycles; ++i) {
        HWND button = CreateWindowExW(0, L"Button", L"Late 后加", WS_CHILD | WS_VISIBLE, 720, 350, 120, 25, form,
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
        UpdateWindow(button);  // its first paint would end the fade at once
        SendMouse(MOUSEEVENTF_MOVE, {late.x + 10 + i % 2, late.y + 10});
        bench::PumpFor(4);
        lateFades += skin::GetSkinProp(button, skin::prop::TimerId) != 0;
        DestroyWindow(button);
    }

    SetFocus(focus);
    Settle(parts);
    const bench::Figures end = bench::Measure();

    std::printf("soak: %d input cycles over %zu controls, %d attach/detach cycles, %d late buttons (%d-bit), %.0f s\n",
                inputCycles, targets.size(), attachCycles, lateCycles, static_cast<int>(sizeof(void*) * 8),
                (GetTickCount() - startTicks) / 1000.0);
    std::printf("  and %d clicks over the %zu windows of the common controls' window\n", inputCycles / 4, common.size());
    std::printf("  and %d presses on the scroll bars of the list and the edit, with the wheel every fourth\n", inputCycles / 4);
    std::printf("  presses that reached an enabled control (progress bars take none): %d of %d\n", pressesSeen, pressesExpected);
    std::printf("  late buttons destroyed while they faded in: %d of %d\n", lateFades, lateCycles);
    bench::PrintFigures(start, end);
    std::printf("  private bytes at input cycle %d: %llu; after the input cycles: %llu; growth to the end: %lld\n",
                warmCycle, static_cast<unsigned long long>(warm), static_cast<unsigned long long>(afterInput),
                static_cast<long long>(end.privateBytes) - static_cast<long long>(warm));

    DestroyWindow(form);
    DestroyWindow(controls);
    bench::DrainMessages();
    const long gdiAfterForm = skin::gdi::LiveObjectCount();
    std::printf("  GDI objects after the form is destroyed: %ld (before it was made: %ld)\n", gdiAfterForm,
                gdiBeforeForm);

    bool ok = Check(start.privateBytes != 0, "the platform answers the private bytes");
    ok = Check(pressesSeen * 10 >= pressesExpected * 9, "nine presses in ten reach their control") && ok;
    ok = Check(lateFades * 10 >= lateCycles * 9, "nine late buttons in ten start their fade") && ok;
    ok = Check(end.gdiObjects == start.gdiObjects, "GDI objects end where they started") && ok;
    ok = Check(end.windows == start.windows, "windows end where they started") && ok;
    ok = Check(end.timers == start.timers, "timers end where they started") && ok;
    ok = Check(end.privateBytes <= warm + AllowedGrowth, "private bytes grow by 1 MiB at most") && ok;
    ok = Check(gdiAfterForm == gdiBeforeForm, "GDI objects back where they were before the form") && ok;
    return ok ? 0 : 1;
}
