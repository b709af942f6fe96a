#pragma once
// The platform's web-browser control hosted in a window, behind the Browser interface.
// Needs OleInitialize on the calling thread.
#include <windows.h>
#include <exdisp.h>
#include <ocidl.h>

#include <memory>

#include "app/browser.h"
#include "app/com_ptr.h"

namespace app {

class BrowserSite;

class BrowserHost final : public Browser {
public:
    // Creates the control, activates it in place in parent at pixels and connects its events
    // (the interface eventsId; tests name one the control lacks, which fails the last step).
    // Throws AppError when any step fails (what was set up is taken down again).
    BrowserHost(HWND parent, const RECT& pixels, BrowserEvents& events,
                REFIID eventsId = DIID_DWebBrowserEvents2);
    ~BrowserHost() override;
    BrowserHost(const BrowserHost&) = delete;
    BrowserHost& operator=(const BrowserHost&) = delete;

    void Navigate(const std::wstring& url) override;
    std::wstring LocationURL() override;
    std::wstring LocationName() override;
    std::wstring Name() override;
    void Place(const RECT& pixels) override;
    HWND Window() override;
    bool TranslateAccelerator(MSG& message) override;
    // The control itself, for a look at its connections.
    IWebBrowser2* Control() const { return browser_.Get(); }

private:
    void SetUp(HWND parent, const RECT& pixels, REFIID eventsId);
    void TearDown() noexcept;

    BrowserSite* site_;
    ComPtr<IOleObject> object_;
    ComPtr<IOleInPlaceObject> inPlace_;
    ComPtr<IWebBrowser2> browser_;
    ComPtr<IConnectionPoint> eventSource_;
    DWORD adviseCookie_ = 0;
    bool clientSiteSet_ = false;
};

BrowserFactory WebBrowserFactory();

}  // namespace app
