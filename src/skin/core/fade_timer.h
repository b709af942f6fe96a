#pragma once
// The command-button fade runs on window timer 1 every 15 ms; TIMERID holds the running one.
#include <windows.h>

namespace skin {

inline constexpr UINT_PTR FadeTimerId = 1;
inline constexpr UINT FadeTimerPeriodMs = 15;

// Starts the timer unless one runs; returns its id (0 if SetTimer failed).
UINT_PTR StartFadeTimer(HWND window);
// Stops a running timer; returns KillTimer's result, or 0 when none ran.
BOOL StopFadeTimer(HWND window);

}  // namespace skin
