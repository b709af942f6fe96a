#include "app/error_report.h"

#include <cstdio>
#include <new>

namespace app {

namespace {
constexpr wchar_t ReportTitle[] = L"Velmora登入器";
}

std::wstring AppError::Message() const
{
    std::wstring text = what_;
    if (code_ != 0) {
        wchar_t code[32];
        std::swprintf(code, 32, L"（错误代码 0x%08lX）", static_cast<unsigned long>(code_));
        text += code;
    }
    return text;
}

void ThrowIfFailed(HRESULT hr, const wchar_t* what)
{
    if (FAILED(hr)) throw AppError(what, hr);
}

void ThrowLastError(const std::wstring& what)
{
    const DWORD err = GetLastError();
    throw AppError(what, err ? HRESULT_FROM_WIN32(err) : E_FAIL);
}

void ReportCurrentException(ErrorReport& report, HWND owner) noexcept
{
    try {
        try {
            throw;
        } catch (const AppError& e) {
            report.Report(owner, e.Message() + L"\n程序将继续运行。");
        } catch (const std::bad_alloc&) {
            report.Report(owner, L"内存不足，操作未能完成。\n程序将继续运行。");
        } catch (...) {
            report.Report(owner, L"发生了未知错误，操作未能完成。\n程序将继续运行。");
        }
    } catch (...) {
        // Building the message itself failed (out of memory): say the least that can be said.
        report.Report(owner, std::wstring());
    }
}

void MessageBoxErrorReport::Report(HWND owner, const std::wstring& message) noexcept
{
    const wchar_t* text = message.empty() ? L"操作未能完成。" : message.c_str();
    MessageBoxW(owner && IsWindow(owner) ? owner : nullptr, text, ReportTitle,
                MB_OK | MB_ICONERROR);
}

}  // namespace app
