// The real program end to end: launcher-loopback.exe, built for a login page on the loopback address.
#include "launcher_fixture.h"

TEST_CASE("launcher.exe: its one window on the login page, skinned, buttons hidden, nothing reported; code 0 on close") {
    wchar_t path[MAX_PATH]{};
    std::wstring program(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    program = program.substr(0, program.rfind(L'\\')) + L"\\launcher-loopback.exe";
    // Started as a shortcut set to "normal", "maximized" or "minimized" starts it: it shows normal.
    for (WORD show : {SW_SHOWNORMAL, SW_SHOWMAXIMIZED, SW_SHOWMINIMIZED}) {
        CAPTURE(show);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = show;
        struct Process : PROCESS_INFORMATION {
            ~Process()  // a failed check must not leave it running
            {
                if (WaitForSingleObject(hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(hProcess, 99);
                CloseHandle(hProcess);
                CloseHandle(hThread);
            }
        } process{};
        REQUIRE(CreateProcessW(program.c_str(), program.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
        HWND form = nullptr;
        REQUIRE(test::PumpUntil([&] {
            DWORD owner = 0;
            GetWindowThreadProcessId(form = FindWindowW(L"Form", L"Velmora登入器"), &owner);
            return owner == process.dwProcessId;
        }, 60000));
        test::Pump(2000);  // time for the login page to load (nothing answers it here), which must leave the buttons hidden
        CHECK(FindWindowW(L"#32770", L"Velmora登入器") == nullptr);  // nothing went to the error report
        // Skinned with all it holds at load (window properties can be read from another process).
        const std::vector<HWND> children = test::ChildrenInZOrder(form);
        REQUIRE(children.size() == 3);
        for (HWND w : {form, children[0], children[1], children[2]}) CHECK(GetPropA(w, "PROCADDR") != nullptr);
        CHECK((IsWindowVisible(form) && !IsWindowVisible(children[0]) && !IsWindowVisible(children[1]) && !IsZoomed(form) && !IsIconic(form)));
        PostMessageW(form, WM_CLOSE, 0, 0);
        REQUIRE(WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0);
        DWORD exitCode = 1;
        CHECK((GetExitCodeProcess(process.hProcess, &exitCode) && exitCode == 0));
    }
}
