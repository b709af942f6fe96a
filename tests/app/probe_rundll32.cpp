// Stands in for RunDll32.exe: tells the listening test how it was started, then exits.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    STARTUPINFOW startup{};
    GetStartupInfoW(&startup);
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    const std::wstring report = std::to_wstring(show) + L"\n" + path + L"\n" + GetCommandLineW();
    COPYDATASTRUCT data{0, static_cast<DWORD>(report.size() * sizeof(wchar_t)), const_cast<wchar_t*>(report.data())};
    HWND listener = FindWindowExW(HWND_MESSAGE, nullptr, L"VelmoraProbeListener", nullptr);
    return listener && SendMessageW(listener, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)) ? 0 : 2;
}
