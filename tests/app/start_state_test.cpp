// The real program started the way a shortcut set to "maximized" or "minimized" starts it.
#include <winsock2.h>
#include <windows.h>

#include <doctest.h>

#include "launcher_fixture.h"

TEST_CASE("launcher.exe shows its window normal whatever show command it is started with")
{
    // Takes the login page's connection and never answers: no page completes meanwhile.
    WSADATA wsa;
    REQUIRE(WSAStartup(MAKEWORD(2, 2), &wsa) == 0);
    const SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{AF_INET, htons(LOOPBACK_PORT), {}, {}};
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    REQUIRE((bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && listen(listener, 8) == 0));
    const std::wstring path = test::ExeDirectory() + L"\\launcher-loopback.exe";
    for (WORD show : {SW_SHOWMAXIMIZED, SW_SHOWMINIMIZED}) {
        CAPTURE(show);
        std::wstring commandLine = L"\"" + path + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = show;
        PROCESS_INFORMATION program{};
        REQUIRE(CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &program));
        HWND form = nullptr;
        CHECK(test::PumpUntil([&] {
            DWORD owner = 0;
            GetWindowThreadProcessId(form = FindWindowW(L"Form", L"Velmora登入器"), &owner);
            return owner == program.dwProcessId && IsWindowVisible(form);
        }, 60000));
        test::Pump(300);  // whatever the start-up does to the window's state is done by now
        CHECK_FALSE(IsZoomed(form));
        CHECK_FALSE(IsIconic(form));
        PostMessageW(form, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(program.hProcess, 60000) != WAIT_OBJECT_0) TerminateProcess(program.hProcess, 99);
        CloseHandle(program.hProcess);
        CloseHandle(program.hThread);
    }
    closesocket(listener);
    WSACleanup();
}
