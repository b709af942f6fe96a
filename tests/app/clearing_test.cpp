// The clearing commands: exact command lines, order and show command through Form1 with a
// recording starter, and the real start of a program from a given directory.
#include <doctest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/clearing_commands.h"
#include "app/process_starter.h"
#include "launcher_fixture.h"
#include "support/test_window.h"

namespace {

// Written out here again on purpose: a changed character in the program must fail the test.
const std::vector<std::wstring> DeleteCache = {
    L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 2 ",
    L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 8 ",
    L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 16 ",
    L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 4351 ",
};

std::vector<std::wstring> Lines(const test::RecordingStarter& s)
{
    std::vector<std::wstring> lines;
    for (const auto& p : s.started) lines.push_back(p.commandLine);
    return lines;
}

bool AllMinimized(const test::RecordingStarter& s)
{
    return std::all_of(s.started.begin(), s.started.end(),
                       [](const test::StartedProcess& p) { return p.showCommand == SW_SHOWMINIMIZED; });
}

}  // namespace

TEST_CASE("the seven public clearing operations start one exact command line each")
{
    struct Case {
        void (app::Form1::*operation)();
        const wchar_t* line;
    };
    const Case cases[] = {
        {&app::Form1::Clear_Temp_Files, L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 8 "},
        {&app::Form1::Clear_Cookies, L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 2"},
        {&app::Form1::Clear_History, L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 1"},
        {&app::Form1::Clear_Form_Data, L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 16"},
        {&app::Form1::Clear_Saved_Passwords, L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 32"},
        {&app::Form1::Clear_All, L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 255"},
        {&app::Form1::Clear_Clear_Add_ons_Settings,
         L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 4351"},
    };
    test::Launcher l;
    for (const Case& c : cases) {
        INFO(test::Narrow(c.line));
        l.starter.started.clear();
        (l.form.*c.operation)();
        CHECK(Lines(l.starter) == std::vector<std::wstring>{c.line});
        CHECK(AllMinimized(l.starter));
    }

    SUBCASE("a failure propagates to the caller")
    {
        l.starter.started.clear();
        l.starter.failOnCall = 1;
        CHECK_THROWS_AS(l.form.Clear_All(), app::AppError);
    }
}

TEST_CASE("删除缓存 starts its four command lines in order, minimized, without waiting")
{
    test::Launcher l;
    l.browser->Load(L"http://portal.test/hall.php", L"大厅");

    SUBCASE("one click, four processes")
    {
        l.Click(l.form.Command2());
        CHECK(Lines(l.starter) == DeleteCache);
        CHECK(AllMinimized(l.starter));
        CHECK(l.errors.messages.empty());
        // The page is not reloaded afterwards.
        CHECK(l.browser->navigations.size() == 1);

        l.Click(l.form.Command2());
        CHECK(l.starter.started.size() == 8);
    }

    SUBCASE("the second start fails: the sequence stops there and the player is told")
    {
        l.starter.failOnCall = 2;
        l.Click(l.form.Command2());
        CHECK(Lines(l.starter) == std::vector<std::wstring>{DeleteCache[0], DeleteCache[1]});
        REQUIRE(l.errors.messages.size() == 1);
        CHECK(l.errors.messages[0].find(DeleteCache[1]) != std::wstring::npos);
        CHECK(l.errors.messages[0].find(L"程序将继续运行") != std::wstring::npos);
        CHECK(IsWindowVisible(l.hwnd()));
    }
}

namespace {

// Receives what probe-rundll32 (built as RunDll32.exe) reports about its start.
struct ProbeReport {
    int show;
    std::wstring path;
    std::wstring commandLine;
};
std::vector<ProbeReport> reports;

LRESULT CALLBACK ListenerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        const std::wstring text(static_cast<const wchar_t*>(data->lpData), data->cbData / sizeof(wchar_t));
        const auto a = text.find(L'\n');
        const auto b = text.find(L'\n', a + 1);
        reports.push_back({std::stoi(text.substr(0, a)), text.substr(a + 1, b - a - 1), text.substr(b + 1)});
        return TRUE;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

std::wstring ExeDirectory()
{
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir = path;
    return dir.substr(0, dir.rfind(L'\\'));
}

bool SamePath(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

}  // namespace

TEST_CASE("system programs start from their directory alone, with the exact command line")
{
    const std::wstring systemDir = ExeDirectory() + L"\\probe-system";
    REQUIRE(GetFileAttributesW((systemDir + L"\\RunDll32.exe").c_str()) != INVALID_FILE_ATTRIBUTES);
    // A planted copy in the application's folder, which a search by bare name would find first.
    struct Planted {
        std::wstring path = ExeDirectory() + L"\\RunDll32.exe";
        ~Planted() { DeleteFileW(path.c_str()); }
    } planted;
    REQUIRE(CopyFileW((systemDir + L"\\RunDll32.exe").c_str(), planted.path.c_str(), FALSE));

    test::RegisterClassOnce(L"VelmoraProbeListener", ListenerProc);
    test::Window listener(CreateWindowExW(0, L"VelmoraProbeListener", L"", 0, 0, 0, 0, 0,
                                          HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr));
    REQUIRE(listener.get() != nullptr);
    reports.clear();

    app::SystemProgramStarter starter(systemDir);
    app::StartDeleteCache(starter);
    // The four run side by side; they finish in any order.
    REQUIRE(test::PumpUntil([] { return reports.size() == 4; }, 30000));
    std::vector<std::wstring> lines;
    for (const ProbeReport& r : reports) {
        lines.push_back(r.commandLine);
        CHECK(r.show == SW_SHOWMINIMIZED);
        CHECK(SamePath(r.path, systemDir + L"\\RunDll32.exe"));
    }
    std::sort(lines.begin(), lines.end());
    std::vector<std::wstring> expected = DeleteCache;
    std::sort(expected.begin(), expected.end());
    CHECK(lines == expected);

}

TEST_CASE("a program that cannot start is reported with its command line")
{
    app::SystemProgramStarter nowhere(ExeDirectory() + L"\\no-such-folder");
    try {
        nowhere.Start(DeleteCache[0], SW_SHOWMINIMIZED);
        FAIL("started a missing program");
    } catch (const app::AppError& e) {
        CHECK(e.Message().find(DeleteCache[0]) != std::wstring::npos);
        CHECK(FAILED(e.Code()));
    }
}

TEST_CASE("the program of a command line is looked up in the system directory")
{
    wchar_t system[MAX_PATH]{};
    REQUIRE(GetSystemDirectoryW(system, MAX_PATH) > 0);
    app::SystemProgramStarter starter;
    CHECK(starter.ProgramPath(DeleteCache[0]) == std::wstring(system) + L"\\RunDll32.exe");
    CHECK(starter.ProgramPath(L"\"RunDll32.exe\" x") == std::wstring(system) + L"\\RunDll32.exe");

    SUBCASE("anything but a bare file name is refused")
    {
        for (const wchar_t* line : {L"", L" RunDll32.exe", L"..\\RunDll32.exe x", L"C:\\x\\RunDll32.exe",
                                    L"sub/RunDll32.exe", L"\"C:\\a b\\RunDll32.exe\" x"}) {
            INFO(test::Narrow(line));
            CHECK_THROWS_AS(starter.ProgramPath(line), app::AppError);
        }
    }
}
