#include "skin/core/scroll_call_hooks.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cstring>

#include "skin/core/control_kind.h"
#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/paint/scroll_bar_painters.h"
#include "skin/paint/window_scroll_bars.h"

namespace skin {
namespace {

using GetScrollInfoFn = BOOL(WINAPI*)(HWND, int, LPSCROLLINFO);
using SetScrollInfoFn = int(WINAPI*)(HWND, int, LPCSCROLLINFO, BOOL);
using SetScrollPosFn = int(WINAPI*)(HWND, int, int, BOOL);
using SetScrollRangeFn = BOOL(WINAPI*)(HWND, int, int, int, BOOL);
using EnableScrollBarFn = BOOL(WINAPI*)(HWND, UINT, UINT);
using ShowScrollBarFn = BOOL(WINAPI*)(HWND, int, BOOL);

GetScrollInfoFn g_getScrollInfo;
SetScrollInfoFn g_setScrollInfo;
SetScrollPosFn g_setScrollPos;
SetScrollRangeFn g_setScrollRange;
EnableScrollBarFn g_enableScrollBar;
ShowScrollBarFn g_showScrollBar;
// Threads that have the skin started; the first patches the modules, the last restores them.
LONG g_users = 0;

// Only this thread's windows, and only while this copy of the skin runs here: another thread (or
// another copy of the skin) draws with its own images, at the window's next message.
bool DrawsHere(HWND window)
{
    return window && SkinInitialized() && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

// The window's skin-drawn bars follow the change. A skinned ScrollBar control has just drawn itself
// the system's way (it does as its position changes): the skin's picture goes over it before
// anything reaches the screen.
void AfterChange(HWND window, int bar = SB_BOTH)
{
    if (!DrawsHere(window)) return;
    if (bar != SB_CTL)
        SyncScrollBars(window);
    else if (!SkinStepsAside() && GetSkinProp(window, prop::ProcAddr) && GetControlKind(window) == ControlKind::ScrollBar)
        PaintScrollBarNow(window);
}

// While the skin tracks a thumb, the position it is dragged to is the track position, as the
// system reports it while it tracks one itself.
BOOL WINAPI SkinGetScrollInfo(HWND window, int bar, LPSCROLLINFO info)
{
    const BOOL result = g_getScrollInfo(window, bar, info);
    if (result && (info->fMask & SIF_TRACKPOS) && info->cbSize == sizeof *info && DraggedBar(window) == bar)
        info->nTrackPos = static_cast<int>(GetSkinProp(window, prop::ScrollTrack));
    return result;
}

int WINAPI SkinSetScrollInfo(HWND window, int bar, LPCSCROLLINFO info, BOOL redraw)
{
    const int result = g_setScrollInfo(window, bar, info, redraw);
    AfterChange(window, bar);
    return result;
}

int WINAPI SkinSetScrollPos(HWND window, int bar, int pos, BOOL redraw)
{
    const int result = g_setScrollPos(window, bar, pos, redraw);
    AfterChange(window, bar);
    return result;
}

BOOL WINAPI SkinSetScrollRange(HWND window, int bar, int low, int high, BOOL redraw)
{
    const BOOL result = g_setScrollRange(window, bar, low, high, redraw);
    AfterChange(window, bar);
    return result;
}

BOOL WINAPI SkinEnableScrollBar(HWND window, UINT bars, UINT arrows)
{
    const BOOL result = g_enableScrollBar(window, bars, arrows);
    AfterChange(window, static_cast<int>(bars));
    return result;
}

// Showing sets the style, which the frame change hands to the skin; hiding a bar the skin draws
// finds the style bit off already, so the skin takes that bar away itself.
BOOL WINAPI SkinShowScrollBar(HWND window, int bar, BOOL show)
{
    const BOOL result = g_showScrollBar(window, bar, show);
    if (show || !DrawsHere(window) || (bar != SB_VERT && bar != SB_HORZ && bar != SB_BOTH)) {
        AfterChange(window);
        return result;
    }
    DropScrollBars(window, bar == SB_BOTH ? VerticalBar | HorizontalBar : bar == SB_VERT ? VerticalBar : HorizontalBar);
    return result;
}

struct Redirect {
    const char* name;
    void** system;
    void* skin;
};

Redirect g_redirects[] = {
    {"GetScrollInfo", reinterpret_cast<void**>(&g_getScrollInfo), reinterpret_cast<void*>(&SkinGetScrollInfo)},
    {"SetScrollInfo", reinterpret_cast<void**>(&g_setScrollInfo), reinterpret_cast<void*>(&SkinSetScrollInfo)},
    {"SetScrollPos", reinterpret_cast<void**>(&g_setScrollPos), reinterpret_cast<void*>(&SkinSetScrollPos)},
    {"SetScrollRange", reinterpret_cast<void**>(&g_setScrollRange), reinterpret_cast<void*>(&SkinSetScrollRange)},
    {"EnableScrollBar", reinterpret_cast<void**>(&g_enableScrollBar), reinterpret_cast<void*>(&SkinEnableScrollBar)},
    {"ShowScrollBar", reinterpret_cast<void**>(&g_showScrollBar), reinterpret_cast<void*>(&SkinShowScrollBar)},
};

void WriteEntry(void** entry, void* value)
{
    DWORD protection = 0;
    if (!VirtualProtect(entry, sizeof *entry, PAGE_READWRITE, &protection)) return;
    *entry = value;
    VirtualProtect(entry, sizeof *entry, protection, &protection);
}

// Every import address entry of the module that holds one function, replaced by another.
void Retarget(HMODULE module, bool toSkin)
{
    auto* base = reinterpret_cast<BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE) return;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!imports.VirtualAddress) return;
    for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); d->Name; ++d) {
        if (_stricmp(reinterpret_cast<const char*>(base + d->Name), "user32.dll") != 0) continue;
        for (auto* entry = reinterpret_cast<void**>(base + d->FirstThunk); *entry; ++entry)
            for (const Redirect& r : g_redirects)
                if (*entry == (toSkin ? *r.system : r.skin)) WriteEntry(entry, toSkin ? r.skin : *r.system);
    }
}

void RetargetAll(bool toSkin)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, GetCurrentProcessId());
    if (snapshot == INVALID_HANDLE_VALUE) return;
    MODULEENTRY32W module{};
    module.dwSize = sizeof module;
    for (BOOL more = Module32FirstW(snapshot, &module); more; more = Module32NextW(snapshot, &module))
        Retarget(module.hModule, toSkin);
    CloseHandle(snapshot);
}

}  // namespace

void StartScrollCallHooks()
{
    if (InterlockedIncrement(&g_users) != 1) return;
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    for (Redirect& r : g_redirects) *r.system = reinterpret_cast<void*>(GetProcAddress(user32, r.name));
    RetargetAll(true);
}

void StopScrollCallHooks()
{
    if (InterlockedDecrement(&g_users) == 0) RetargetAll(false);
}

}  // namespace skin
