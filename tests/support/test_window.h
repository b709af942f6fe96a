#pragma once
// Helpers shared by the test programs: real windows, a message pump and pixel reads.
#include <doctest.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace test {

inline std::uint32_t DcPixel(HDC dc, int x, int y)  // 0xRRGGBB as the tests and the skin write colours; 0x1000000 off the surface
{
    const COLORREF c = GetPixel(dc, x, y);
    return c == CLR_INVALID ? 0x1000000 : (GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c));
}
inline std::uint32_t WindowPixel(HWND w, int x, int y)  // (0, 0) is the top-left of the frame
{
    HDC dc = GetWindowDC(w);
    const std::uint32_t c = DcPixel(dc, x, y);
    ReleaseDC(w, dc);
    return c;
}

// Registers a class once per name; its procedure is DefWindowProcW unless given.
inline const wchar_t* RegisterClassOnce(const wchar_t* name, WNDPROC proc = DefWindowProcW)
{
    static std::set<std::wstring> registered;
    const WNDCLASSEXW wc{sizeof wc, CS_DBLCLKS, proc, 0, 0, GetModuleHandleW(nullptr), nullptr, LoadCursorW(nullptr, IDC_ARROW),
                         HBRUSH(COLOR_BTNFACE + 1), nullptr, name, nullptr};
    if (registered.insert(name).second) RegisterClassExW(&wc);
    return name;
}

struct Window {  // owns a window and destroys it on scope exit
    explicit Window(HWND h = nullptr) : hwnd(h) {}
    Window(Window&& o) noexcept : hwnd(o.release()) {}
    ~Window() { DestroyWindow(hwnd); }
    operator HWND() const { return hwnd; }
    HWND release() { return std::exchange(hwnd, nullptr); }
    HWND hwnd;
};

// A shown top-level window of the given client size at (x, y); a visible child.
inline Window MakeTopLevel(const wchar_t* cls, int x, int y, int w, int h, const wchar_t* title = L"test")
{
    RECT r{0, 0, w, h};
    AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, FALSE, 0);
    Window win(CreateWindowExW(0, RegisterClassOnce(cls), title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, x, y,
                               r.right - r.left, r.bottom - r.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    UpdateWindow(win);
    return win;
}
inline HWND MakeChild(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h)
{
    return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

inline std::vector<HWND> ChildrenInZOrder(HWND parent)  // top of the Z-order first
{
    std::vector<HWND> children;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
    return children;
}
inline RECT RectInParent(HWND w)
{
    RECT r{};
    GetWindowRect(w, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Dispatches messages until pred() holds or timeoutMs passes; returns pred()'s last value.
inline bool PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs)
{
    for (const DWORD start = GetTickCount();; MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT)) {
        for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&msg);
        if (pred() || GetTickCount() - start >= timeoutMs) return pred();
    }
}
inline void Pump(DWORD ms) { PumpUntil([] { return false; }, ms); }

// A path in the temporary folder; a file there written with these bytes.
inline std::wstring TempPath(const std::wstring& name)
{
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    return dir + name;
}
inline void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD n = 0;
    WriteFile(f, bytes.data(), DWORD(bytes.size()), &n, nullptr);
    CloseHandle(f);
}

}  // namespace test

// Rectangles compare and print in checks.
inline bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b); }
inline std::ostream& operator<<(std::ostream& os, const RECT& r)
{
    return os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
