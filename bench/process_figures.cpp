#include "process_figures.h"

#include <psapi.h>

#include <set>
#include <utility>

#include "skin/draw/gdi_objects.h"

namespace bench {
namespace {

BOOL CALLBACK CountWindow(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountTree(HWND window, LPARAM count)
{
    CountWindow(window, count);
    EnumChildWindows(window, CountWindow, count);  // reaches every descendant
    return TRUE;
}

}  // namespace

void DrainMessages(int limit)
{
    MSG message;
    while (limit-- > 0 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

void PumpFor(DWORD ms)
{
    const DWORD start = GetTickCount();
    do {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
        DrainMessages();
    } while (GetTickCount() - start < ms);
}

int CountThreadWindows()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTree, reinterpret_cast<LPARAM>(&count));
    return count;
}

int CountRunningTimers(DWORD ms)
{
    return static_cast<int>(RunningTimers(ms).size());
}

std::vector<std::pair<HWND, UINT_PTR>> RunningTimers(DWORD ms)
{
    std::set<std::pair<HWND, UINT_PTR>> seen;
    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < ms) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
        for (int n = 0; n < 10000 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++n) {
            if (message.message == WM_TIMER) seen.insert({message.hwnd, message.wParam});
            DispatchMessageW(&message);
        }
    }
    return {seen.begin(), seen.end()};
}

void PrintTimers(const std::vector<std::pair<HWND, UINT_PTR>>& timers)
{
    for (const auto& [window, id] : timers) {
        wchar_t name[64] = L"";
        GetClassNameW(window, name, 64);
        std::printf("  timer %llu of %p (%ls)\n", static_cast<unsigned long long>(id),
                    static_cast<void*>(window), name);
    }
}

SIZE_T CommittedPrivateBytes()
{
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION region;
    for (auto* at = static_cast<char*>(nullptr); VirtualQuery(at, &region, sizeof region); at += region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
        if (region.RegionSize == 0) break;
    }
    return total;
}

SIZE_T PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof counters) &&
        counters.PrivateUsage)
        return counters.PrivateUsage;
    return CommittedPrivateBytes();
}

Figures Measure(DWORD timerWindowMs)
{
    Figures f;
    f.timers = CountRunningTimers(timerWindowMs);
    f.gdiObjects = skin::gdi::LiveObjectCount();
    f.windows = CountThreadWindows();
    f.privateBytes = PrivateBytes();
    return f;
}

void PrintFigures(const Figures& start, const Figures& end)
{
    std::printf("  %-16s %12s %12s\n", "", "start", "end");
    std::printf("  %-16s %12ld %12ld\n", "GDI objects", start.gdiObjects, end.gdiObjects);
    std::printf("  %-16s %12d %12d\n", "windows", start.windows, end.windows);
    std::printf("  %-16s %12d %12d\n", "timers", start.timers, end.timers);
    std::printf("  %-16s %12llu %12llu\n", "private bytes",
                static_cast<unsigned long long>(start.privateBytes),
                static_cast<unsigned long long>(end.privateBytes));
}

}  // namespace bench
