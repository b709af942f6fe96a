// Form1's reaction to a completed document: the caption follows the page title, and the first
// page that is not the login page turns the window into its portal look for good.
#include <string>

#include "app/form1.h"
#include "app/form1_design.h"

namespace app {

void Form1::DocumentComplete(BrowserObject& source) noexcept
{
    // Called from the browser's event sink: errors end here, not in the control.
    RunGuarded(*parts_.errors, hwnd_, [&] { WebBrowser1_DocumentComplete(source); });
}

void Form1::WebBrowser1_DocumentComplete(BrowserObject& source)
{
    if (!hwnd_ || !browser_) return;
    // Values, not identities, are compared: a frame whose browser has the same Name counts too.
    if (source.Name() != browser_->Name()) return;

    // A title that is only an address is not shown; the test is case-sensitive on purpose.
    if (browser_->LocationName().find(L"http://") == std::wstring::npos)
        SetWindowTextW(hwnd_, browser_->LocationName().c_str());

    // Any difference from the login address, letter case and query included, means the player
    // has left the login page.
    if (browser_->LocationURL() == parts_.loginPageUrl) return;

    // One way only: nothing hides the buttons or restores the window again.
    ShowWindow(hwnd_, SW_MAXIMIZE);  // also runs the resize handler
    LayOutBrowser();
    ShowWindow(command1_, SW_SHOW);
    ShowWindow(command2_, SW_SHOW);
    LayOutButtons();  // with the width after maximizing
}

}  // namespace app
