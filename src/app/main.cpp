// Velmora登入器: starts with its one window and ends when the player closes it.
#include <windows.h>
#include <ole2.h>

#include "app/browser_host.h"
#include "app/error_report.h"
#include "app/form1.h"
#include "app/message_loop.h"
#include "app/process_starter.h"

namespace {

// Set at build time (the LOGIN_URL cache option).
constexpr wchar_t LoginPageUrl[] = L"" VELMORA_LOGIN_URL;

// The browser control needs OLE (not only COM) on the window thread.
class OleSession {
public:
    OleSession() : result_(OleInitialize(nullptr)) {}
    ~OleSession()
    {
        if (SUCCEEDED(result_)) OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    HRESULT Result() const { return result_; }

private:
    HRESULT result_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    app::MessageBoxErrorReport errors;
    OleSession ole;
    if (FAILED(ole.Result())) {
        errors.Report(nullptr, app::AppError(L"无法初始化系统组件（OLE）。", ole.Result()).Message());
        return 1;
    }

    app::SystemProgramStarter starter;
    app::Form1 form({LoginPageUrl, app::WebBrowserFactory(), &starter, &errors});
    if (!form.Create(instance)) return 1;
    return app::RunMessageLoop(form);
}
