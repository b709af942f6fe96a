// Stands in for RunDll32.exe in the clearing tests: tells the listening test window how it was
// started (show command, its own path, its command line) and exits.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    HWND listener = FindWindowW(L"VelmoraProbeListener", nullptr);
    if (!listener) return 2;

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);

    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    const std::wstring report = std::to_wstring(show) + L"\n" + path + L"\n" + GetCommandLineW();
    COPYDATASTRUCT data{};
    data.cbData = static_cast<DWORD>(report.size() * sizeof(wchar_t));
    data.lpData = const_cast<wchar_t*>(report.data());
    SendMessageW(listener, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    return 0;
}
