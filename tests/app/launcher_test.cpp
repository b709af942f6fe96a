// The real program end to end: launcher-loopback.exe, built for a login page on the loopback
// address, against an HTTP server run by this test.
#include <winsock2.h>
#include <windows.h>

#include <doctest.h>

#include "launcher_fixture.h"

using test::Read;

namespace {

// Takes the next connection, reads its request up to the blank line, answers with a small page
// and returns the request line.
std::string Serve(SOCKET listener)
{
    fd_set ready{1, {listener}};
    timeval minute{60, 0};
    if (select(0, &ready, nullptr, nullptr, &minute) != 1) return "(no request in a minute)";
    const SOCKET client = accept(listener, nullptr, nullptr);
    std::string request;
    char buffer[2048];
    for (int n; request.find("\r\n\r\n") == std::string::npos && (n = recv(client, buffer, sizeof buffer, 0)) > 0;)
        request.append(buffer, n);
    const std::string page = "<html><title>Login</title>login</html>";
    const std::string reply = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                              std::to_string(page.size()) + "\r\n\r\n" + page;
    send(client, reply.data(), static_cast<int>(reply.size()), 0);
    closesocket(client);
    return request.substr(0, request.find("\r\n"));
}

std::vector<HWND> VisibleWindowsOf(DWORD processId)
{
    std::vector<HWND> found;
    for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, nullptr, nullptr)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == processId && IsWindowVisible(w)) found.push_back(w);
    }
    return found;
}

}  // namespace

TEST_CASE("launcher.exe: its window on the login page, skinned, buttons hidden; code 0 on close")
{
    WSADATA wsa;
    REQUIRE(WSAStartup(MAKEWORD(2, 2), &wsa) == 0);
    const SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{AF_INET, htons(LOOPBACK_PORT), {}, {}};
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    REQUIRE_MESSAGE((bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                     listen(listener, 8) == 0), "port ", LOOPBACK_PORT, " on 127.0.0.1 is taken");

    const std::wstring path = test::ExeDirectory() + L"\\launcher-loopback.exe";
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    struct Program : PROCESS_INFORMATION {
        ~Program()  // a failed check must not leave it running
        {
            if (WaitForSingleObject(hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(hProcess, 99);
            CloseHandle(hProcess);
            CloseHandle(hThread);
        }
    } program{};
    REQUIRE(CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &startup, &program));
    std::vector<HWND> windows;
    REQUIRE(test::PumpUntil([&] { return !(windows = VisibleWindowsOf(program.dwProcessId)).empty(); }, 60000));
    CHECK(Serve(listener) == "GET /dlq_login.php HTTP/1.1");
    test::Pump(2000);  // time for the page to complete, which must leave the buttons hidden
    // Nothing went to the error report: the window is all the player sees.
    REQUIRE(VisibleWindowsOf(program.dwProcessId) == windows);
    REQUIRE(windows.size() == 1);
    const HWND form = windows[0];
    CHECK(Read(GetClassNameW, form) == L"Form");
    CHECK(Read(GetWindowTextW, form) == L"Velmora登入器");
    CHECK_FALSE(IsZoomed(form));
    RECT client{};
    GetClientRect(form, &client);
    CHECK(test::Text(client) == "{0, 0, 843, 516}");  // 12645 x 7740 twips at 96 DPI

    // The skin is on the window and on all it holds at load: the buttons and the browser's own
    // window (window properties can be read from another process).
    const std::vector<HWND> children = test::ChildrenInZOrder(form);
    REQUIRE(children.size() == 3);
    for (HWND w : {form, children[0], children[1], children[2]}) CHECK(GetPropA(w, "PROCADDR") != nullptr);
    for (HWND button : {children[0], children[1]}) {
        CHECK_FALSE(IsWindowVisible(button));
        for (const char* face : {"0HDC", "1HDC", "2HDC", "3HDC", "0BMP", "1BMP", "2BMP", "3BMP"})
            CHECK(GetPropA(button, face) != nullptr);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        CHECK(GetWindowRgn(button, region) == COMPLEXREGION);  // rounded corners
        DeleteObject(region);
    }
    CHECK(Read(GetWindowTextW, children[0]) == L"删除缓存");
    CHECK(Read(GetWindowTextW, children[1]) == L"刷新");

    PostMessageW(form, WM_CLOSE, 0, 0);
    REQUIRE(WaitForSingleObject(program.hProcess, 60000) == WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(program.hProcess, &exitCode);
    CHECK(exitCode == 0);
    closesocket(listener);
    WSACleanup();
}

TEST_CASE("launcher.exe carries a 48 x 48 256-colour icon and its version information")
{
    const std::wstring path = test::ExeDirectory() + L"\\launcher-loopback.exe";
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    REQUIRE(module != nullptr);
    auto resource = [&](WORD id, LPCWSTR type) {
        return LockResource(LoadResource(module, FindResourceW(module, MAKEINTRESOURCEW(id), type)));
    };
    const auto* group = static_cast<const WORD*>(resource(1, RT_GROUP_ICON));
    REQUIRE(group != nullptr);
    REQUIRE(group[2] == 1);  // one image; its id ends its entry
    const auto* image = static_cast<const BITMAPINFOHEADER*>(resource(group[9], RT_ICON));
    REQUIRE(image != nullptr);
    CHECK(image->biWidth == 48);
    CHECK(image->biHeight == 96);  // colour and mask
    CHECK(image->biBitCount == 8);
    FreeLibrary(module);

    DWORD ignored = 0;
    std::vector<BYTE> data(GetFileVersionInfoSizeW(path.c_str(), &ignored));
    REQUIRE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(data.size()), data.data()));
    wchar_t* product = nullptr;
    UINT length = 0;
    REQUIRE(VerQueryValueW(data.data(), L"\\StringFileInfo\\080404b0\\ProductName",
                           reinterpret_cast<void**>(&product), &length));
    CHECK(std::wstring(product) == L"Velmora登入器");
}
