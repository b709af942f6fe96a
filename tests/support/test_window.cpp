#include "support/test_window.h"

#include <set>
#include <string>

namespace test {

std::uint32_t ToRgb(COLORREF c)
{
    return (std::uint32_t{GetRValue(c)} << 16) | (std::uint32_t{GetGValue(c)} << 8) | GetBValue(c);
}

const wchar_t* RegisterClassOnce(const wchar_t* name, WNDPROC proc)
{
    static std::set<std::wstring> registered;
    if (registered.insert(name).second) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = proc ? proc : DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = name;
        RegisterClassExW(&wc);
    }
    return name;
}

Window& Window::operator=(Window&& o) noexcept
{
    if (this != &o) {
        if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
        hwnd_ = o.release();
    }
    return *this;
}

Window::~Window()
{
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

HWND Window::release()
{
    HWND h = hwnd_;
    hwnd_ = nullptr;
    return h;
}

Window MakeTopLevel(const wchar_t* className, int x, int y, int clientW, int clientH,
                    const wchar_t* title)
{
    RegisterClassOnce(className);
    RECT r{0, 0, clientW, clientH};
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    AdjustWindowRectEx(&r, style, FALSE, 0);
    HWND h = CreateWindowExW(0, className, title, style, x, y, r.right - r.left, r.bottom - r.top,
                             nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(h, SW_SHOWNORMAL);
    UpdateWindow(h);
    return Window(h);
}

Window MakeChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int x,
                 int y, int w, int h, int id)
{
    HWND c = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleW(nullptr), nullptr);
    return Window(c);
}

std::vector<HWND> ChildrenInZOrder(HWND parent)
{
    std::vector<HWND> children;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
    return children;
}

RECT RectInParent(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void Pump(DWORD ms)
{
    PumpUntil([] { return false; }, ms);
}

bool PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (pred()) return true;
        if (GetTickCount() - start >= timeoutMs) return pred();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

std::uint32_t WindowPixel(HWND hwnd, int x, int y)
{
    HDC dc = GetWindowDC(hwnd);
    const std::uint32_t c = DcPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return c;
}

std::uint32_t DcPixel(HDC dc, int x, int y)
{
    return ToRgb(GetPixel(dc, x, y));
}

namespace {

BOOL CALLBACK CollectPropName(HWND, LPSTR name, HANDLE, ULONG_PTR data)
{
    // Atom-named properties arrive as small integers in place of a string.
    if (reinterpret_cast<ULONG_PTR>(name) > 0xFFFF)
        reinterpret_cast<std::vector<std::string>*>(data)->push_back(name);
    return TRUE;
}

}  // namespace

std::vector<std::string> PropNames(HWND hwnd)
{
    std::vector<std::string> names;
    EnumPropsExA(hwnd, CollectPropName, reinterpret_cast<LPARAM>(&names));
    return names;
}

}  // namespace test
