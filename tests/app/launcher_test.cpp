// The real launcher program end to end: a copy built for a login page on the loopback address,
// started as a process, against a small HTTP server run by this test.
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include <doctest.h>

#include <string>
#include <vector>

#include "app/twips.h"
#include "support/test_window.h"

namespace {

// Answers every request with a small page and remembers the request lines.
class LoopbackServer {
public:
    explicit LoopbackServer(u_short port)
    {
        WSADATA wsa;
        started_ = WSAStartup(MAKEWORD(2, 2), &wsa) == 0;
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        BOOL exclusive = TRUE;
        setsockopt(listener_, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&exclusive),
                   sizeof exclusive);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        listening_ = listener_ != INVALID_SOCKET &&
                     bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                     listen(listener_, 8) == 0;
        u_long nonBlocking = 1;
        ioctlsocket(listener_, FIONBIO, &nonBlocking);
    }
    ~LoopbackServer()
    {
        for (Client& c : clients_) closesocket(c.socket);
        if (listener_ != INVALID_SOCKET) closesocket(listener_);
        if (started_) WSACleanup();
    }
    bool Listening() const { return listening_; }

    // Takes what has arrived and answers complete requests.
    void Poll()
    {
        for (SOCKET s; (s = accept(listener_, nullptr, nullptr)) != INVALID_SOCKET;) {
            u_long nonBlocking = 1;
            ioctlsocket(s, FIONBIO, &nonBlocking);
            clients_.push_back({s, {}});
        }
        for (auto it = clients_.begin(); it != clients_.end();) {
            char buffer[2048];
            const int n = recv(it->socket, buffer, sizeof buffer, 0);
            if (n > 0) it->received.append(buffer, n);
            const auto end = it->received.find("\r\n\r\n");
            if (end != std::string::npos || n == 0) {
                if (end != std::string::npos) {
                    requests.push_back(it->received.substr(0, it->received.find("\r\n")));
                    Answer(it->socket);
                }
                closesocket(it->socket);
                it = clients_.erase(it);
            } else {
                ++it;
            }
        }
    }

    std::vector<std::string> requests;

private:
    struct Client {
        SOCKET socket;
        std::string received;
    };

    static void Answer(SOCKET s)
    {
        const std::string page = "<html><head><title>Login</title></head><body>login</body></html>";
        const std::string reply = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                                  std::to_string(page.size()) + "\r\nConnection: close\r\n\r\n" + page;
        u_long blocking = 0;
        ioctlsocket(s, FIONBIO, &blocking);
        send(s, reply.data(), static_cast<int>(reply.size()), 0);
        shutdown(s, SD_SEND);
    }

    bool started_ = false;
    bool listening_ = false;
    SOCKET listener_ = INVALID_SOCKET;
    std::vector<Client> clients_;
};

// The started program; killed if a failed check leaves it running.
struct Program {
    PROCESS_INFORMATION info{};
    ~Program()
    {
        if (info.hProcess) {
            if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info.hProcess, 99);
            CloseHandle(info.hProcess);
            CloseHandle(info.hThread);
        }
    }
};

std::wstring LauncherPath()
{
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p = path;
    return p.substr(0, p.rfind(L'\\')) + L"\\launcher-loopback.exe";
}

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND w, LPARAM l)
{
    auto* s = reinterpret_cast<WindowSearch*>(l);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == s->processId && IsWindowVisible(w)) s->found.push_back(w);
    return TRUE;
}

// The process's visible top-level windows.
std::vector<HWND> VisibleWindowsOf(DWORD processId)
{
    WindowSearch search{processId, {}};
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring ClassOf(HWND w)
{
    wchar_t name[32]{};
    GetClassNameW(w, name, 32);
    return name;
}

HWND FindFormOf(DWORD processId)
{
    for (HWND w : VisibleWindowsOf(processId))
        if (ClassOf(w) == L"Form") return w;
    return nullptr;
}

std::wstring TextOf(HWND w)
{
    wchar_t text[128]{};
    GetWindowTextW(w, text, 128);
    return text;
}

std::vector<HWND> ButtonsOf(HWND form)
{
    std::vector<HWND> buttons;
    for (HWND c = GetWindow(form, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (ClassOf(c) == L"Button") buttons.push_back(c);
    return buttons;
}

// launcher-loopback.exe started against the test's server, up to its window on the screen.
struct RunningLauncher {
    LoopbackServer server{LOOPBACK_PORT};
    Program program;
    HWND form = nullptr;

    RunningLauncher()
    {
        REQUIRE_MESSAGE(server.Listening(), "port " << LOOPBACK_PORT << " on 127.0.0.1 is taken");
        const std::wstring path = LauncherPath();
        std::wstring commandLine = L"\"" + path + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        REQUIRE(CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, nullptr, &startup, &program.info));
        REQUIRE(test::PumpUntil(
            [&] {
                server.Poll();
                form = FindFormOf(program.info.dwProcessId);
                return form != nullptr;
            },
            60000));
    }

    // Closes the window as the player would and returns the program's exit code.
    DWORD Close()
    {
        PostMessageW(form, WM_CLOSE, 0, 0);
        REQUIRE(WaitForSingleObject(program.info.hProcess, 60000) == WAIT_OBJECT_0);
        DWORD exitCode = 1;
        GetExitCodeProcess(program.info.hProcess, &exitCode);
        return exitCode;
    }
};

}  // namespace

TEST_CASE("launcher.exe opens its window on the login page and ends with code 0 on close")
{
    RunningLauncher launcher;
    LoopbackServer& server = launcher.server;
    HWND form = launcher.form;

    CHECK(TextOf(form) == L"Velmora登入器");
    CHECK_FALSE(IsZoomed(form));
    const app::TwipScale scale = app::ScreenTwipScale();
    RECT client{};
    GetClientRect(form, &client);
    CHECK(client.right == app::TwipsToPixels(12645.0f, scale.x));
    CHECK(client.bottom == app::TwipsToPixels(7740.0f, scale.y));

    // The browser asks for the login page as soon as the program has started.
    REQUIRE(test::PumpUntil(
        [&] {
            server.Poll();
            return !server.requests.empty();
        },
        60000));
    CHECK(server.requests[0] == "GET /dlq_login.php HTTP/1.1");

    // Give the page time to complete; the login page must leave the buttons hidden.
    test::PumpUntil([&] { server.Poll(); return false; }, 2000);
    const std::vector<HWND> buttons = ButtonsOf(form);
    REQUIRE(buttons.size() == 2);
    CHECK(TextOf(buttons[0]) == L"删除缓存");
    CHECK(TextOf(buttons[1]) == L"刷新");
    for (HWND b : buttons) CHECK_FALSE(IsWindowVisible(b));
    // Nothing went to the error report: the window is all the player sees.
    CHECK(VisibleWindowsOf(launcher.program.info.dwProcessId) == std::vector<HWND>{form});

    CHECK(launcher.Close() == 0);
}

TEST_CASE("launcher.exe skins its window and every window in it, and still ends with code 0")
{
    RunningLauncher launcher;
    // Window properties can be read from another process.
    CHECK(GetPropA(launcher.form, "PROCADDR") != nullptr);
    // Everything the window holds when its load handler runs: the buttons and the browser's
    // own window. The browser makes its document windows later, as the page loads.
    std::vector<HWND> children;
    for (HWND c = GetWindow(launcher.form, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        children.push_back(c);
    REQUIRE(children.size() == 3);
    for (HWND c : children) {
        const std::wstring cls = ClassOf(c);
        CAPTURE(std::string(cls.begin(), cls.end()));
        CHECK(GetPropA(c, "PROCADDR") != nullptr);
    }

    for (HWND b : ButtonsOf(launcher.form)) {
        for (const char* face : {"0HDC", "1HDC", "2HDC", "3HDC", "0BMP", "1BMP", "2BMP", "3BMP"})
            CHECK(GetPropA(b, face) != nullptr);
        HRGN rgn = CreateRectRgn(0, 0, 0, 0);
        CHECK(GetWindowRgn(b, rgn) == COMPLEXREGION);
        RECT box{}, window{};
        GetRgnBox(rgn, &box);
        GetWindowRect(b, &window);
        CHECK(box.right == window.right - window.left);
        CHECK(box.bottom == window.bottom - window.top);
        DeleteObject(rgn);
    }

    CHECK(launcher.Close() == 0);
}

TEST_CASE("launcher.exe carries a 48 x 48 256-colour icon and its version information")
{
    const std::wstring path = LauncherPath();

    SUBCASE("icon")
    {
        HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        REQUIRE(module != nullptr);
        HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(1), RT_GROUP_ICON);
        REQUIRE(group != nullptr);
        const auto* dir = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
        REQUIRE(dir != nullptr);
        const WORD count = *reinterpret_cast<const WORD*>(dir + 4);
        REQUIRE(count == 1);
        const BYTE* entry = dir + 6;  // width, height, colours, reserved, planes, bits, size, id
        CHECK(entry[0] == 48);
        CHECK(entry[1] == 48);
        CHECK(*reinterpret_cast<const WORD*>(entry + 6) == 8);
        const WORD id = *reinterpret_cast<const WORD*>(entry + 12);
        HRSRC image = FindResourceW(module, MAKEINTRESOURCEW(id), RT_ICON);
        REQUIRE(image != nullptr);
        const auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, image)));
        CHECK(header->biWidth == 48);
        CHECK(header->biHeight == 96);  // colour and mask
        CHECK(header->biBitCount == 8);
        FreeLibrary(module);
    }

    SUBCASE("version information")
    {
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
        REQUIRE(size > 0);
        std::vector<BYTE> data(size);
        REQUIRE(GetFileVersionInfoW(path.c_str(), 0, size, data.data()));
        wchar_t* product = nullptr;
        UINT length = 0;
        REQUIRE(VerQueryValueW(data.data(), L"\\StringFileInfo\\080404b0\\ProductName",
                               reinterpret_cast<void**>(&product), &length));
        CHECK(std::wstring(product) == L"Velmora登入器");
        VS_FIXEDFILEINFO* fixed = nullptr;
        REQUIRE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
        CHECK(fixed->dwSignature == 0xFEEF04BD);
        CHECK(fixed->dwFileType == VFT_APP);
    }
}
