#pragma once
// The launcher's one top-level window: the browser over the whole window, "刷新" and "删除缓存"
// near its top right corner (hidden until the player has left the login page), and the public
// clearing operations. The browser, the process starter and the error report are handed in, so
// tests can script and record them.
#include <windows.h>

#include <memory>
#include <string>

#include "app/browser.h"
#include "app/error_report.h"
#include "app/process_starter.h"
#include "app/twips.h"
#include "app/ui_font.h"

namespace app {

struct Form1Parts {
    std::wstring loginPageUrl;
    BrowserFactory makeBrowser;
    ProcessStarter* starter;
    ErrorReport* errors;
    // A skin folder to load before the skin goes on the window (empty: none); the program names
    // the folder "skin" beside launcher.exe (SkinFolderBesideProgram).
    std::wstring skinFolder = {};
};

// The folder "skin" beside the running program.
std::wstring SkinFolderBesideProgram();

class Form1 final : private BrowserEvents {
public:
    explicit Form1(Form1Parts parts);
    ~Form1() override;  // closes the window if it is still open
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Creates the window with its controls, runs the load handler and shows the window in the
    // normal state, whatever show command the program was started with. False when the window
    // could not be created (the reason has been reported).
    bool Create(HINSTANCE instance);

    HWND Hwnd() const { return hwnd_; }
    HWND Command1() const { return command1_; }
    HWND Command2() const { return command2_; }
    Browser* WebBrowser1() const { return browser_.get(); }
    const TwipScale& Scale() const { return scale_; }

    // Lets the browser see keyboard messages for its own windows first (tab between fields and the
    // like).
    bool PreTranslateMessage(MSG& message);

    // Each starts one clearing command; throws AppError when it cannot start.
    void Clear_Temp_Files();
    void Clear_Cookies();
    void Clear_History();
    void Clear_Form_Data();
    void Clear_Saved_Passwords();
    void Clear_All();
    void Clear_Clear_Add_ons_Settings();

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    LRESULT OnCreate();
    LRESULT OnSize();
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnClose();
    LRESULT OnDestroy();
    LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);

    void LoadSkinFolder();
    void Load();
    void Unload();
    void Command1_Click();
    void Command2_Click();
    void DocumentComplete(BrowserObject& source) noexcept override;
    void WebBrowser1_DocumentComplete(BrowserObject& source);

    // Outer size of the window in twips.
    float Width() const;
    float Height() const;
    void LayOutBrowser();
    void LayOutButtons();
    void MoveControl(HWND control, const TwipRect& twips);
    HWND CreateButton(const wchar_t* caption, const TwipRect& twips, int id);

    Form1Parts parts_;
    TwipScale scale_;
    MessageFont font_;
    HWND hwnd_ = nullptr;
    HWND command2_ = nullptr;
    HWND command1_ = nullptr;
    std::unique_ptr<Browser> browser_;
    TwipRect command2Rect_;
    TwipRect command1Rect_;
    bool createRan_ = false;
    bool loaded_ = false;
    unsigned resizes_ = 0;
};

}  // namespace app
