#include "scripted_browser.h"

#include "support/test_window.h"

namespace test {

namespace {

class ScriptedObject final : public app::BrowserObject {
public:
    explicit ScriptedObject(std::wstring name) : name_(std::move(name)) {}
    std::wstring Name() override { return name_; }

private:
    std::wstring name_;
};

}  // namespace

ScriptedBrowser::ScriptedBrowser(HWND parent, const RECT& pixels, app::BrowserEvents& events)
    : siblingsAtCreation(ChildrenInZOrder(parent)), events_(events)
{
    window_ = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, pixels.left, pixels.top,
                              pixels.right - pixels.left, pixels.bottom - pixels.top, parent,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    ++live;
}

ScriptedBrowser::~ScriptedBrowser()
{
    if (IsWindow(window_)) DestroyWindow(window_);
    --live;
}

void ScriptedBrowser::Complete(const std::wstring& objectName)
{
    ScriptedObject source(objectName);
    events_.DocumentComplete(source);
}

void ScriptedBrowser::Load(const std::wstring& address, const std::wstring& pageTitle)
{
    url = address;
    title = pageTitle;
    Complete();
}

void ScriptedBrowser::FailIf(const wchar_t* operation) const
{
    if (failing == operation) throw app::AppError(std::wstring(L"测试浏览器：") + operation + L" 失败");
}

void ScriptedBrowser::Navigate(const std::wstring& address)
{
    FailIf(L"Navigate");
    navigations.push_back(address);
}

std::wstring ScriptedBrowser::LocationURL()
{
    FailIf(L"LocationURL");
    return url;
}

std::wstring ScriptedBrowser::LocationName()
{
    FailIf(L"LocationName");
    return title;
}

std::wstring ScriptedBrowser::Name()
{
    FailIf(L"Name");
    return name;
}

void ScriptedBrowser::Place(const RECT& pixels)
{
    FailIf(L"Place");
    placements.push_back(pixels);
    MoveWindow(window_, pixels.left, pixels.top, pixels.right - pixels.left,
               pixels.bottom - pixels.top, TRUE);
}

app::BrowserFactory ScriptedBrowserFactory(ScriptedBrowser** created, std::wstring failing)
{
    return [created, failing](HWND parent, const RECT& pixels,
                              app::BrowserEvents& events) -> std::unique_ptr<app::Browser> {
        auto browser = std::make_unique<ScriptedBrowser>(parent, pixels, events);
        browser->failing = failing;
        *created = browser.get();
        return browser;
    };
}

void RecordingStarter::Start(const std::wstring& commandLine, int showCommand)
{
    started.push_back({commandLine, showCommand});
    if (static_cast<int>(started.size()) == failOnCall)
        throw app::AppError(L"无法启动程序：" + commandLine, HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
}

}  // namespace test
