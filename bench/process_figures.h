#pragma once
// What a long run of the skin must leave as it found it: the skin's live GDI objects, the
// thread's windows, its running timers and the process's private memory.
#include <windows.h>

#include <cstdio>
#include <utility>
#include <vector>

namespace bench {

struct Figures {
    long gdiObjects = 0;   // skin::gdi::LiveObjectCount (objects and window DCs)
    int windows = 0;       // the thread's windows and all their descendants
    int timers = 0;        // distinct (window, id) pairs whose WM_TIMER arrived while counting
    SIZE_T privateBytes = 0;
};

// Dispatches what is queued, at most limit messages (a window that never validates its paint
// would otherwise keep the loop busy for ever).
void DrainMessages(int limit = 10000);
// Dispatches messages for ms milliseconds.
void PumpFor(DWORD ms);

int CountThreadWindows();
// Pumps for ms milliseconds and counts the timers that fire meanwhile; timers slower than that
// are not seen, so ms is chosen above every period the program uses.
int CountRunningTimers(DWORD ms);
// The same, naming each timer's window class and id.
std::vector<std::pair<HWND, UINT_PTR>> RunningTimers(DWORD ms);
void PrintTimers(const std::vector<std::pair<HWND, UINT_PTR>>& timers);
// The process's private bytes: GetProcessMemoryInfo's PrivateUsage, or where the platform
// answers 0 there (Wine does), the committed private pages that VirtualQuery finds.
SIZE_T PrivateBytes();
SIZE_T CommittedPrivateBytes();

Figures Measure(DWORD timerWindowMs = 500);

// One row per figure, start beside end.
void PrintFigures(const Figures& start, const Figures& end);

}  // namespace bench
