// The clearing commands through Form1 with a recording starter, then really started from a
// stand-in system directory.
#include <doctest.h>

#include <algorithm>

#include "app/clearing_commands.h"
#include "app/process_starter.h"
#include "launcher_fixture.h"

namespace {

// Written out again on purpose: a changed character in the program must fail here.
const std::vector<std::wstring> DeleteCache = {
    L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 2 ", L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 8 ",
    L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 16 ", L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 4351 "};

// What probe-rundll32 reports: "<show command>\n<its path>\n<its command line>".
std::vector<std::wstring> reports;

LRESULT CALLBACK Listen(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_COPYDATA) return DefWindowProcW(hwnd, message, wParam, lParam);
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    reports.emplace_back(static_cast<const wchar_t*>(data->lpData), data->cbData / sizeof(wchar_t));
    return TRUE;
}

}  // namespace

TEST_CASE("each public clearing operation starts its exact line, minimized")
{
    const std::pair<void (app::Form1::*)(), const wchar_t*> rows[] = {
        {&app::Form1::Clear_Temp_Files, L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 8 "},
        {&app::Form1::Clear_Cookies, L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 2"},
        {&app::Form1::Clear_History, L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 1"},
        {&app::Form1::Clear_Form_Data, L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 16"},
        {&app::Form1::Clear_Saved_Passwords, L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 32"},
        {&app::Form1::Clear_All, L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 255"},
        {&app::Form1::Clear_Clear_Add_ons_Settings, L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess 4351"},
    };
    test::Launcher l;
    for (auto [operation, line] : rows) {
        INFO("[", test::Narrow(line), "]");
        l.starter = {};
        (l.form.*operation)();
        CHECK(l.starter.lines == std::vector<std::wstring>{line});
        CHECK(l.starter.shows == std::vector<int>{SW_SHOWMINIMIZED});
    }
    l.starter = {};
    l.starter.failOnCall = 1;
    CHECK_THROWS_AS(l.form.Clear_All(), app::AppError);
}

TEST_CASE("删除缓存 starts its four lines in order, minimized; a failed start ends the sequence")
{
    test::Launcher l;
    l.browser->Load(L"http://portal.test/hall.php", L"大厅");
    SendMessageW(l.form.Command2(), BM_CLICK, 0, 0);
    CHECK(l.starter.lines == DeleteCache);
    CHECK(l.starter.shows == std::vector<int>(4, SW_SHOWMINIMIZED));
    CHECK(l.errors.messages.empty());

    l.starter = {};
    l.starter.failOnCall = 2;
    SendMessageW(l.form.Command2(), BM_CLICK, 0, 0);
    CHECK(l.starter.lines == std::vector<std::wstring>{DeleteCache[0], DeleteCache[1]});
    CHECK(l.Reported(DeleteCache[1]));
}

TEST_CASE("the real start runs the system directory's program, never a planted one, with the exact line")
{
    const std::wstring systemDir = test::ExeDirectory() + L"\\probe-system";
    struct Planted {  // where a search by bare name would look first
        std::wstring path = test::ExeDirectory() + L"\\RunDll32.exe";
        ~Planted() { DeleteFileW(path.c_str()); }
    } planted;
    REQUIRE(CopyFileW((systemDir + L"\\RunDll32.exe").c_str(), planted.path.c_str(), FALSE));
    test::RegisterClassOnce(L"VelmoraProbeListener", Listen);
    test::Window listener(CreateWindowExW(0, L"VelmoraProbeListener", L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                          nullptr, GetModuleHandleW(nullptr), nullptr));
    reports.clear();
    app::SystemProgramStarter starter(systemDir);
    app::StartDeleteCache(starter);
    REQUIRE(test::PumpUntil([] { return reports.size() == 4; }, 30000));
    std::vector<std::wstring> expected;
    for (const std::wstring& line : DeleteCache)
        expected.push_back(std::to_wstring(SW_SHOWMINIMIZED) + L"\n" + systemDir + L"\\RunDll32.exe\n" + line);
    // The four run side by side and report in any order.
    std::sort(reports.begin(), reports.end());
    std::sort(expected.begin(), expected.end());
    for (size_t i = 0; i < 4; ++i) CHECK(test::Narrow(reports[i]) == test::Narrow(expected[i]));
}

TEST_CASE("programs are looked up by bare name in the system directory alone")
{
    wchar_t system[MAX_PATH]{};
    REQUIRE(GetSystemDirectoryW(system, MAX_PATH) > 0);
    const std::wstring rundll32 = std::wstring(system) + L"\\RunDll32.exe";
    app::SystemProgramStarter starter;
    CHECK(starter.ProgramPath(DeleteCache[0]) == rundll32);
    CHECK(starter.ProgramPath(L"\"RunDll32.exe\" x") == rundll32);
    for (const wchar_t* line : {L"", L" RunDll32.exe", L"..\\RunDll32.exe x", L"C:\\x\\RunDll32.exe",
                                L"sub/RunDll32.exe", L"\"C:\\a b\\RunDll32.exe\" x"}) {
        INFO("[", test::Narrow(line), "]");
        CHECK_THROWS_AS(starter.ProgramPath(line), app::AppError);
    }
    app::SystemProgramStarter nowhere(test::ExeDirectory() + L"\\none");
    CHECK_THROWS_AS(nowhere.Start(DeleteCache[0], SW_SHOWMINIMIZED), app::AppError);
}
