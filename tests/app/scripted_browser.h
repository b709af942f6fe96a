#pragma once
// A browser the tests script: it shows whatever address, title and Name they set, records every
// navigation and placement, fails on request, and raises DocumentComplete when told to.
#include <windows.h>

#include <string>
#include <vector>

#include "app/browser.h"
#include "app/error_report.h"
#include "app/process_starter.h"

namespace test {

class ScriptedBrowser final : public app::Browser {
public:
    ScriptedBrowser(HWND parent, const RECT& pixels, app::BrowserEvents& events);
    ~ScriptedBrowser() override;

    // What the control reports.
    std::wstring url;
    std::wstring title;
    std::wstring name = L"Microsoft Web Browser Control";
    // The operation ("Navigate", "LocationURL", "LocationName", "Name", "Place") that throws.
    std::wstring failing;

    std::vector<std::wstring> navigations;
    std::vector<RECT> placements;
    // The parent's children when the browser was created, in Z-order.
    std::vector<HWND> siblingsAtCreation;
    inline static int live = 0;

    // A document completed in the browser object whose Name is objectName; the default is the
    // control's own Name.
    void Complete(const std::wstring& objectName);
    void Complete() { Complete(name); }
    // Moves to an address with a title and completes it, as a page load would.
    void Load(const std::wstring& address, const std::wstring& pageTitle);

    void Navigate(const std::wstring& address) override;
    std::wstring LocationURL() override;
    std::wstring LocationName() override;
    std::wstring Name() override;
    void Place(const RECT& pixels) override;
    HWND Window() override { return window_; }
    bool TranslateAccelerator(MSG&) override { return false; }

private:
    void FailIf(const wchar_t* operation) const;

    app::BrowserEvents& events_;
    HWND window_;
};

// Creates ScriptedBrowsers, failing in the given operation from the start, and remembers the last.
app::BrowserFactory ScriptedBrowserFactory(ScriptedBrowser** created, std::wstring failing = {});

struct StartedProcess {
    std::wstring commandLine;
    int showCommand;
};

// Records what it is asked to start; the call numbered failOnCall (1-based) throws instead.
class RecordingStarter final : public app::ProcessStarter {
public:
    std::vector<StartedProcess> started;  // failed attempts included
    int failOnCall = 0;
    void Start(const std::wstring& commandLine, int showCommand) override;
};

class RecordingErrorReport final : public app::ErrorReport {
public:
    std::vector<std::wstring> messages;
    void Report(HWND, const std::wstring& message) noexcept override { messages.push_back(message); }
};

}  // namespace test
