#pragma once
// Errors that escape the launcher's handlers end in one report to the player; the program then
// keeps running. Handlers throw AppError; the window procedure and the browser's event entry
// catch everything (no exception may unwind through a Win32 or COM callback frame).
#include <windows.h>

#include <string>
#include <utility>

namespace app {

class AppError {
public:
    // what: the failed operation in the player's words (Chinese); code: HRESULT, 0 when none.
    explicit AppError(std::wstring what, HRESULT code = 0) : what_(std::move(what)), code_(code) {}
    const std::wstring& What() const { return what_; }
    HRESULT Code() const { return code_; }
    // What the player reads: the failed operation, and the system's error code when there is one.
    std::wstring Message() const;

private:
    std::wstring what_;
    HRESULT code_;
};

// Throws AppError(what, hr) when hr is a failure.
void ThrowIfFailed(HRESULT hr, const wchar_t* what);
// Throws AppError(what, <last error>): for calls that report failure through GetLastError.
[[noreturn]] void ThrowLastError(const std::wstring& what);

class ErrorReport {
public:
    virtual ~ErrorReport() = default;
    // Tells the player what failed. Must not throw.
    virtual void Report(HWND owner, const std::wstring& message) noexcept = 0;
};

// The program's report: a message box owned by the launcher window.
class MessageBoxErrorReport final : public ErrorReport {
public:
    void Report(HWND owner, const std::wstring& message) noexcept override;
};

// Reports the exception being handled; call only inside a catch block.
void ReportCurrentException(ErrorReport& report, HWND owner) noexcept;

// Runs f; whatever it throws goes to the report. Returns false when f failed.
template <class F>
bool RunGuarded(ErrorReport& report, HWND owner, F&& f) noexcept
{
    try {
        std::forward<F>(f)();
        return true;
    } catch (...) {
        ReportCurrentException(report, owner);
        return false;
    }
}

}  // namespace app
