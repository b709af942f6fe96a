#pragma once
// Form1 as the program makes it, with a scripted browser, a recording process starter and a
// recording error report.
#include <memory>

#include "app/form1.h"
#include "support/test_window.h"

namespace test {

inline constexpr wchar_t LoginUrl[] = L"http://portal.test/dlq_login.php";

// Reports the address, title and Name the test sets; the operation named in `failing` throws.
// Records the key messages it looks at first ("b256:65 " is WM_KEYDOWN 'A') and consumes Tab.
struct ScriptedBrowser final : app::Browser {
    struct Object final : app::BrowserObject { std::wstring name; std::wstring Name() override { return name; } };
    std::wstring url, title, name = L"Microsoft Web Browser Control", failing;
    std::vector<std::wstring> navigations;
    std::vector<RECT> placements;
    app::BrowserEvents& events;
    test::Window page;
    inline static int live = 0;
    inline static std::string keys;

    ScriptedBrowser(HWND parent, const RECT& r, app::BrowserEvents& e)
        : events(e), page(MakeChild(parent, L"Static", L"", 0, r.left, r.top, r.right - r.left, r.bottom - r.top)) { ++live; }
    ~ScriptedBrowser() override { --live; }
    void Complete(const std::wstring& source)  // a document completed in the browser object named `source`
    {
        Object o;
        o.name = source;
        events.DocumentComplete(o);
    }
    void Load(const wchar_t* address, const wchar_t* pageTitle)
    {
        url = address;
        title = pageTitle;
        Complete(name);
    }
    std::wstring Fail(const wchar_t* operation, const std::wstring& value)
    {
        if (failing == operation) throw app::AppError(failing + L" 失败");
        return value;
    }
    void Navigate(const std::wstring& a) override { navigations.push_back(Fail(L"Navigate", a)); }
    std::wstring LocationURL() override { return Fail(L"LocationURL", url); }
    std::wstring LocationName() override { return Fail(L"LocationName", title); }
    std::wstring Name() override { return Fail(L"Name", name); }
    void Place(const RECT& r) override
    {
        placements.push_back(r);
        MoveWindow(page, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    }
    HWND Window() override { return page; }
    bool TranslateAccelerator(MSG& m) override
    {
        keys += 'b' + std::to_string(m.message) + ':' + std::to_string(m.wParam) + ' ';
        return m.wParam == VK_TAB;
    }
};

// Records every start; the start numbered failOnCall (from 1) throws.
struct RecordingStarter final : app::ProcessStarter {
    std::vector<std::wstring> lines;
    std::vector<int> shows;
    int failOnCall = 0;
    void Reset(int failOn = 0) { lines.clear(); shows.clear(); failOnCall = failOn; }
    void Start(const std::wstring& line, int show) override
    {
        lines.push_back(line);
        shows.push_back(show);
        if (int(lines.size()) == failOnCall) throw app::AppError(L"无法启动程序：" + line, E_FAIL);
    }
};

struct RecordingErrors final : app::ErrorReport {
    std::vector<std::wstring> messages;
    void Report(HWND, const std::wstring& m) noexcept override { messages.push_back(m); }
    bool Only(const std::wstring& error) const { return messages.size() == 1 && messages[0].find(error) != std::wstring::npos; }
};

struct Launcher {
    RecordingStarter starter;
    RecordingErrors errors;
    ScriptedBrowser* browser = nullptr;
    std::wstring skinFolder;
    app::Form1 form{{LoginUrl, [this](HWND p, const RECT& r, app::BrowserEvents& e) {
                         return std::unique_ptr<app::Browser>(browser = new ScriptedBrowser(p, r, e));
                     }, &starter, &errors, skinFolder}};
    explicit Launcher(std::wstring skin = {}) : skinFolder(std::move(skin)) { REQUIRE(form.Create(GetModuleHandleW(nullptr))); }
    HWND hwnd() const { return form.Hwnd(); }
};

// A window's text or class name: Read(GetWindowTextW, w), Read(GetClassNameW, w).
inline std::wstring Read(int(WINAPI* get)(HWND, LPWSTR, int), HWND w)
{
    wchar_t text[256]{};
    return std::wstring(text, get(w, text, 256));
}

}  // namespace test
