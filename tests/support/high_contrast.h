#pragma once
// High contrast on demand. Wine always answers "off" and cannot turn it on, so the program's own
// import of SystemParametersInfoW (which the statically linked skin calls through) is pointed at a
// stand-in that answers "on" while `on` says so.
#include <windows.h>

#include "support/test_window.h"

namespace test {

// Points every slot of the program's import address table that holds `from` at `to`; how many.
inline int PatchImport(const void* from, const void* to)
{
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const DWORD imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    int patched = 0;
    for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports); d->Name; ++d)
        for (auto* slot = reinterpret_cast<ULONG_PTR*>(base + d->FirstThunk); *slot; ++slot)
            if (*slot == ULONG_PTR(from)) {
                DWORD old;
                VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
                *slot = ULONG_PTR(to);
                VirtualProtect(slot, sizeof *slot, old, &old);
                ++patched;
            }
    return patched;
}

struct HighContrast {
    inline static bool on = false;
    inline static const auto real =
        reinterpret_cast<decltype(&SystemParametersInfoW)>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32"), "SystemParametersInfoW")));
    static BOOL WINAPI Answer(UINT action, UINT size, void* data, UINT flags)
    {
        const BOOL done = real(action, size, data, flags);
        if (done && on && action == SPI_GETHIGHCONTRAST) static_cast<HIGHCONTRASTW*>(data)->dwFlags |= HCF_HIGHCONTRASTON;
        return done;
    }
    HighContrast() { REQUIRE(PatchImport(reinterpret_cast<void*>(real), reinterpret_cast<void*>(&Answer)) == 1); }
    ~HighContrast()
    {
        on = false;
        PatchImport(reinterpret_cast<void*>(&Answer), reinterpret_cast<void*>(real));
    }
    // Turns it on or off and tells the window as the system would, with one of the messages it sends.
    static void Set(bool value, HWND window, UINT message, WPARAM wParam = 0)
    {
        on = value;
        SendMessageW(window, message, wParam, 0);
    }
};

}  // namespace test
