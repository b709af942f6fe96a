#pragma once
// The system's browser-data clearing command, one selector per command line. The lines are
// passed on exactly as written, trailing blanks included.
#include <array>

#include "app/process_starter.h"

namespace app {

inline constexpr wchar_t ClearTempFilesLine[] = L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 8 ";
inline constexpr wchar_t ClearCookiesLine[] = L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 2";
inline constexpr wchar_t ClearHistoryLine[] = L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 1";
inline constexpr wchar_t ClearFormDataLine[] = L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 16";
inline constexpr wchar_t ClearSavedPasswordsLine[] = L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 32";
inline constexpr wchar_t ClearAllLine[] = L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 255";
inline constexpr wchar_t ClearAddOnsSettingsLine[] = L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 4351";

// "删除缓存": cookies, temporary files, form data, add-on settings, each with a trailing blank.
inline constexpr std::array<const wchar_t*, 4> DeleteCacheLines = {
    L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 2 ",
    L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 8 ",
    L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 16 ",
    L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 4351 ",
};

// Starts one clearing command, shown minimized, not waited for. Throws AppError when it cannot
// start.
void StartClearing(ProcessStarter& starter, const wchar_t* commandLine);
// Starts the "删除缓存" lines in order; the first that cannot start ends the sequence (its
// AppError propagates), the ones already started keep running.
void StartDeleteCache(ProcessStarter& starter);

}  // namespace app
