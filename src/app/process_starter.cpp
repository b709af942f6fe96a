#include "app/process_starter.h"

#include <windows.h>

#include <utility>

#include "app/error_report.h"

namespace app {

namespace {

std::wstring SystemDirectory()
{
    wchar_t path[MAX_PATH];
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) ThrowLastError(L"无法找到系统目录。");
    return std::wstring(path, length);
}

std::wstring FirstWord(const std::wstring& commandLine)
{
    if (!commandLine.empty() && commandLine[0] == L'"') {
        const auto close = commandLine.find(L'"', 1);
        return commandLine.substr(1, close == std::wstring::npos ? close : close - 1);
    }
    return commandLine.substr(0, commandLine.find_first_of(L" \t"));
}

}  // namespace

SystemProgramStarter::SystemProgramStarter() = default;

SystemProgramStarter::SystemProgramStarter(std::wstring directory)
    : directory_(std::move(directory))
{
}

std::wstring SystemProgramStarter::ProgramPath(const std::wstring& commandLine) const
{
    const std::wstring program = FirstWord(commandLine);
    if (program.empty() || program.find_first_of(L"\\/:") != std::wstring::npos)
        throw AppError(L"无法启动程序：" + commandLine + L"（程序名无效）");
    return (directory_.empty() ? SystemDirectory() : directory_) + L'\\' + program;
}

void SystemProgramStarter::Start(const std::wstring& commandLine, int showCommand)
{
    const std::wstring program = ProgramPath(commandLine);
    const std::wstring directory = program.substr(0, program.rfind(L'\\'));
    std::wstring line = commandLine;  // CreateProcessW may write into its command line

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION process{};
    // The program's own folder as the current one: what it loads by bare name comes from there
    // too, not from wherever the launcher was started.
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &process))
        ThrowLastError(L"无法启动程序：" + commandLine);
    // Never waited for: the handles are not needed.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace app
