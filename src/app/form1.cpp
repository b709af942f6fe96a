#include "app/form1.h"

#include <utility>

#include "app/form1_design.h"
#include "app/right_key.h"
#include "skin/core/skin_change.h"
#include "skin/core/skinner.h"

namespace app {

namespace {

constexpr DWORD FormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

void RegisterFormClass(HINSTANCE instance, WNDPROC proc)
{
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(instance, design::ClassName, &wc)) return;
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    // Resource 1 is the program's icon; a program without one (a test) gets the default.
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = design::ClassName;
    if (!RegisterClassExW(&wc)) ThrowLastError(L"无法注册主窗口类。");
}

}  // namespace

Form1::Form1(Form1Parts parts)
    : parts_(std::move(parts)),
      scale_(ScreenTwipScale()),
      command2Rect_(design::Command2),
      command1Rect_(design::Command1)
{
}

Form1::~Form1()
{
    // Closing runs the unload handler, so the hooks go with the window.
    if (hwnd_ && IsWindow(hwnd_)) SendMessageW(hwnd_, WM_CLOSE, 0, 0);
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

bool Form1::Create(HINSTANCE instance)
{
    const bool registered =
        RunGuarded(*parts_.errors, nullptr, [&] { RegisterFormClass(instance, WindowProc); });
    if (!registered) return false;

    RECT outer = TwipsToPixels({0.0f, 0.0f, design::ClientWidth, design::ClientHeight}, scale_);
    AdjustWindowRectEx(&outer, FormStyle, FALSE, 0);
    const HWND created = CreateWindowExW(0, design::ClassName, design::Caption, FormStyle,
                                         CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                                         outer.bottom - outer.top, nullptr, nullptr, instance, this);
    if (!created) {
        // A failing create handler has told the player already.
        if (!createRan_)
            RunGuarded(*parts_.errors, nullptr, [] { ThrowLastError(L"无法创建主窗口。"); });
        return false;
    }

    RunGuarded(*parts_.errors, hwnd_, [&] { Load(); });
    loaded_ = true;
    const unsigned resizesBefore = resizes_;
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    // A program's first ShowWindow may take the launching shortcut's show command (maximized,
    // minimized) instead; the window starts normal all the same.
    if (IsZoomed(hwnd_) || IsIconic(hwnd_)) ShowWindow(hwnd_, SW_SHOWNORMAL);
    // Showing a window whose size has not changed need not send WM_SIZE; the first resize
    // belongs to the first show all the same.
    if (resizes_ == resizesBefore) {
        RECT client{};
        GetClientRect(hwnd_, &client);
        SendMessageW(hwnd_, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    }
    UpdateWindow(hwnd_);
    return true;
}

bool Form1::PreTranslateMessage(MSG& message)
{
    if (!browser_ || message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    // Keys for the buttons or the window itself are not the page's (F5 on "刷新" must not reload it).
    const HWND page = browser_->Window();
    if (!page || (message.hwnd != page && !IsChild(page, message.hwnd))) return false;
    bool consumed = false;
    RunGuarded(*parts_.errors, hwnd_, [&] { consumed = browser_->TranslateAccelerator(message); });
    return consumed;
}

LRESULT CALLBACK Form1::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!form) return DefWindowProcW(hwnd, message, wParam, lParam);

    // No exception may unwind into the window manager: this is where handlers' errors end.
    LRESULT result = 0;
    if (RunGuarded(*form->parts_.errors, hwnd,
                   [&] { result = form->OnMessage(message, wParam, lParam); }))
        return result;
    return message == WM_CREATE ? -1 : 0;
}

LRESULT Form1::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate();
    case WM_SIZE:
        return OnSize();
    case WM_COMMAND:
        return OnCommand(wParam, lParam);
    case WM_CLOSE:
        return OnClose();
    case WM_DESTROY:
        return OnDestroy();
    case WM_NCDESTROY:
        return OnNcDestroy(wParam, lParam);
    default:
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

HWND Form1::CreateButton(const wchar_t* caption, const TwipRect& twips, int id)
{
    const RECT r = TwipsToPixels(twips, scale_);
    HWND button = CreateWindowExW(
        0, L"Button", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | BS_PUSHBUTTON,
        r.left, r.top, r.right - r.left, r.bottom - r.top, hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE)), nullptr);
    if (!button) ThrowLastError(std::wstring(L"无法创建按钮“") + caption + L"”。");
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    return button;
}

// The controls in the order they are stored with the window's design.
LRESULT Form1::OnCreate()
{
    createRan_ = true;
    command2_ = CreateButton(design::Command2Caption, command2Rect_, design::Command2Id);
    command1_ = CreateButton(design::Command1Caption, command1Rect_, design::Command1Id);
    browser_ = parts_.makeBrowser(hwnd_, TwipsToPixels(design::WebBrowser1, scale_), *this);
    if (!browser_) throw AppError(L"无法创建网页浏览器控件。");
    // The buttons sit above the page; the browser must not paint over them.
    if (HWND page = browser_->Window()) {
        SetWindowLongPtrW(page, GWL_STYLE, GetWindowLongPtrW(page, GWL_STYLE) | WS_CLIPSIBLINGS);
        SetWindowPos(page, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return 0;
}

std::wstring SkinFolderBesideProgram()
{
    std::wstring path(MAX_PATH, L'\0');
    for (DWORD n; (n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) >= path.size();)
        path.resize(path.size() * 2);
    path.resize(path.find_last_of(L'\\') + 1);
    return path + L"skin";
}

// The portal's own look, when it ships one. A folder that is there but refused is reported, and the
// built-in skin, still in use, goes on the window.
void Form1::LoadSkinFolder()
{
    const std::wstring& folder = parts_.skinFolder;
    if (folder.empty() || GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    if (skin::SkinLoadFolderW(folder.c_str())) return;
    std::wstring why(static_cast<size_t>(skin::SkinGetLastErrorW(nullptr, 0)) + 1, L'\0');
    why.resize(static_cast<size_t>(skin::SkinGetLastErrorW(why.data(), static_cast<LONG>(why.size()))));
    throw AppError(L"无法加载皮肤文件夹，已改用内置皮肤：\n" + why);
}

// Load handler: runs once the window and its controls exist, before the window is shown.
void Form1::Load()
{
    RunGuarded(*parts_.errors, hwnd_, [&] { LoadSkinFolder(); });
    // The skin goes on first, so that it finds the window and every child it has now.
    skin::SkinWindow(hwnd_);

    RightKey::InstallHooks(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE)));
    // Hidden until the player has left the login page.
    ShowWindow(command1_, SW_HIDE);
    ShowWindow(command2_, SW_HIDE);
    LayOutBrowser();
    browser_->Navigate(parts_.loginPageUrl);
}

// Resize handler: also while minimized or maximized, and whether or not the buttons show.
LRESULT Form1::OnSize()
{
    if (!loaded_) return 0;  // the first resize comes when the loaded window is shown
    ++resizes_;
    LayOutBrowser();
    LayOutButtons();
    return 0;
}

LRESULT Form1::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED && lParam) {
        if (LOWORD(wParam) == design::Command1Id) Command1_Click();
        if (LOWORD(wParam) == design::Command2Id) Command2_Click();
    }
    return 0;
}

// The unload handler never cancels the close.
LRESULT Form1::OnClose()
{
    Unload();
    DestroyWindow(hwnd_);
    return 0;
}

void Form1::Unload()
{
    RightKey::RemoveHooks();
}

LRESULT Form1::OnDestroy()
{
    browser_.reset();
    PostQuitMessage(0);  // the program ends with its only window
    return 0;
}

LRESULT Form1::OnNcDestroy(WPARAM wParam, LPARAM lParam)
{
    HWND hwnd = hwnd_;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    hwnd_ = command1_ = command2_ = nullptr;
    return DefWindowProcW(hwnd, WM_NCDESTROY, wParam, lParam);
}

// "刷新": a new navigation to exactly the address the browser reports, query string and all.
void Form1::Command1_Click()
{
    browser_->Navigate(browser_->LocationURL());
}

float Form1::Width() const
{
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return static_cast<float>(r.right - r.left) * scale_.x;
}

float Form1::Height() const
{
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return static_cast<float>(r.bottom - r.top) * scale_.y;
}

// The browser takes the window's outer size, so its right and bottom parts lie outside the client
// area and are clipped.
void Form1::LayOutBrowser()
{
    browser_->Place(TwipsToPixels({0.0f, 0.0f, Width(), Height()}, scale_));
}

// A window narrower than the distances gives negative left edges; they are applied as they are.
void Form1::LayOutButtons()
{
    command1Rect_.left = Width() - design::Command1FromRight;
    MoveControl(command1_, command1Rect_);
    command2Rect_.left = Width() - design::Command2FromRight;
    MoveControl(command2_, command2Rect_);
}

void Form1::MoveControl(HWND control, const TwipRect& twips)
{
    const RECT r = TwipsToPixels(twips, scale_);
    SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace app
