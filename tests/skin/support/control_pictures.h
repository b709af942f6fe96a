#pragma once
// Standard controls under the skin's class names, and pictures of windows and DCs read back.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "support/test_window.h"

namespace skintest {

// Registers name as a copy of the system class base, with proc in place of base's procedure when
// given. Returns base's procedure.
inline WNDPROC Superclass(const wchar_t* base, const wchar_t* name, WNDPROC proc = nullptr)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    GetClassInfoExW(nullptr, base, &wc);
    const WNDPROC baseProc = wc.lpfnWndProc;
    wc.lpfnWndProc = proc ? proc : baseProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
    return baseProc;
}

struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  // 0xRRGGBB, rows from the top
    std::uint32_t at(int x, int y) const { return pixels[y * width + x]; }
};

inline Picture Capture(HDC dc, int width, int height)
{
    Picture p{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) p.pixels.push_back(test::DcPixel(dc, x, y));
    return p;
}

// The whole window, frame included. With a marker colour the window is painted in it and then sent
// the message, so that the picture shows what that message alone painted.
inline Picture CaptureWindow(HWND window, COLORREF marker = CLR_INVALID, UINT message = 0, WPARAM wParam = 0,
                             LPARAM lParam = 0)
{
    RECT r;
    GetWindowRect(window, &r);
    const RECT all{0, 0, r.right - r.left, r.bottom - r.top};
    HDC dc = GetWindowDC(window);
    SetDCBrushColor(dc, marker);
    if (marker != CLR_INVALID) FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    if (message) SendMessageW(window, message, wParam, lParam);
    Picture p = Capture(dc, all.right, all.bottom);
    ReleaseDC(window, dc);
    return p;
}

// A header 20 pixels high with items of these captions and widths, added as wide-character items.
inline HWND MakeHeader(HWND parent, const wchar_t* cls, int width, const std::vector<std::pair<std::wstring, int>>& items,
                       HFONT font = nullptr)
{
    HWND header = test::MakeChild(parent, cls, L"", HDS_BUTTONS, 10, 10, width, 20);
    SendMessageW(header, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    for (const auto& [caption, cx] : items) {
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH;
        item.cxy = cx;
        item.pszText = const_cast<wchar_t*>(caption.c_str());
        SendMessageW(header, HDM_INSERTITEMW, 0xFFFF, reinterpret_cast<LPARAM>(&item));
    }
    return header;
}

}  // namespace skintest
