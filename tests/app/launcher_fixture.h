#pragma once
// Form1 as the program makes it, with a scripted browser, a recording process starter and a
// recording error report.
#include <doctest.h>

#include <cstdio>
#include <string>

#include "app/form1.h"
#include "scripted_browser.h"
#include "support/test_window.h"

namespace test {

inline constexpr wchar_t LoginUrl[] = L"http://portal.test/dlq_login.php";

struct Launcher {
    RecordingStarter starter;
    RecordingErrorReport errors;
    ScriptedBrowser* browser = nullptr;
    app::Form1 form;

    explicit Launcher(std::wstring failingBrowserCall = {})
        : form({LoginUrl, ScriptedBrowserFactory(&browser, std::move(failingBrowserCall)), &starter,
                &errors})
    {
        REQUIRE(form.Create(GetModuleHandleW(nullptr), SW_SHOWNORMAL));
        REQUIRE(browser != nullptr);
    }

    HWND hwnd() const { return form.Hwnd(); }
    int OuterWidth() const
    {
        RECT r{};
        GetWindowRect(form.Hwnd(), &r);
        return r.right - r.left;
    }
    int OuterHeight() const
    {
        RECT r{};
        GetWindowRect(form.Hwnd(), &r);
        return r.bottom - r.top;
    }
    std::wstring Caption() const
    {
        wchar_t text[256]{};
        GetWindowTextW(form.Hwnd(), text, 256);
        return text;
    }
    void Click(HWND button) const { SendMessageW(button, BM_CLICK, 0, 0); }
};

// UTF-8, for doctest's messages.
inline std::string Narrow(const std::wstring& w)
{
    std::string s(w.size() * 3, '\0');
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(),
                                      static_cast<int>(s.size()), nullptr, nullptr);
    s.resize(n > 0 ? n : 0);
    return s;
}

// A rectangle as "{left, top, right, bottom}": compared as text for readable failures.
inline std::string Text(const RECT& r)
{
    char text[64];
    std::snprintf(text, sizeof text, "{%ld, %ld, %ld, %ld}", r.left, r.top, r.right, r.bottom);
    return text;
}

}  // namespace test
