// Velmora登入器: starts with its one window and ends when the player closes it.
#include <windows.h>

#include "app/browser_host.h"
#include "app/error_report.h"
#include "app/form1.h"
#include "app/message_loop.h"
#include "app/ole_session.h"
#include "app/process_starter.h"

namespace {

// Set at build time (the LOGIN_URL cache option).
constexpr wchar_t LoginPageUrl[] = L"" VELMORA_LOGIN_URL;

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    app::MessageBoxErrorReport errors;
    app::OleSession ole(errors);
    if (!ole.Ready()) return 1;

    app::SystemProgramStarter starter;
    app::Form1 form({LoginPageUrl, app::WebBrowserFactory(), &starter, &errors,
                     app::SkinFolderBesideProgram()});
    if (!form.Create(instance)) return 1;
    return app::RunMessageLoop(form);
}
