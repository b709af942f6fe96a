#pragma once
// Helpers shared by the test programs: real windows, a message pump and pixel reads.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace test {

// 0xRRGGBB, the way the tests and the skin write colours.
std::uint32_t ToRgb(COLORREF c);

// Registers (once per name) a plain window class whose procedure is DefWindowProcW unless given.
const wchar_t* RegisterClassOnce(const wchar_t* name, WNDPROC proc = nullptr);

// Owns a window and destroys it on scope exit.
class Window {
public:
    Window() = default;
    explicit Window(HWND h) : hwnd_(h) {}
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    Window(Window&& o) noexcept : hwnd_(o.release()) {}
    Window& operator=(Window&& o) noexcept;
    ~Window();
    HWND get() const { return hwnd_; }
    operator HWND() const { return hwnd_; }
    HWND release();

private:
    HWND hwnd_ = nullptr;
};

// A visible top-level window of the given client size at (x, y), class registered on demand.
Window MakeTopLevel(const wchar_t* className, int x, int y, int clientW, int clientH,
                    const wchar_t* title = L"test");
Window MakeChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int x,
                 int y, int w, int h, int id = 0);

// A window's children, top of the Z-order first.
std::vector<HWND> ChildrenInZOrder(HWND parent);
// A window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);

// Dispatches messages for ms milliseconds.
void Pump(DWORD ms);
// Dispatches messages until pred() holds or timeoutMs passes; returns pred()'s last value.
bool PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs);

// Pixel of the window's whole-window area (0,0 = top-left of the frame), as 0xRRGGBB.
std::uint32_t WindowPixel(HWND hwnd, int x, int y);
// Pixel of a device context as 0xRRGGBB.
std::uint32_t DcPixel(HDC dc, int x, int y);

// Names of the window's string-named properties (atom-named ones are skipped).
std::vector<std::string> PropNames(HWND hwnd);

}  // namespace test
