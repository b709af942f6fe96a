#include "skin/draw/dpi_scale.h"

#include "skin/draw/primitives.h"

namespace skin {
namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

GetDpiForWindowFn FindGetDpiForWindow()
{
    HMODULE user = GetModuleHandleW(L"user32.dll");
    // Through the generic function type: GetProcAddress's own type says nothing of the function.
    const auto found = reinterpret_cast<void (*)()>(GetProcAddress(user, "GetDpiForWindow"));
    return reinterpret_cast<GetDpiForWindowFn>(found);
}

// The system DPI is fixed for the life of the process (a change takes a new sign-in). An
// information context, not the screen's DC: that one would stay in the window manager's cache.
UINT ScreenDpi()
{
    HDC screen = CreateICW(L"DISPLAY", nullptr, nullptr, nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) DeleteDC(screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : BaseDpi;
}

}  // namespace

UINT WindowDpi(HWND window)
{
    static const GetDpiForWindowFn getDpiForWindow = FindGetDpiForWindow();
    if (getDpiForWindow && window)
        if (const UINT dpi = getDpiForWindow(window)) return dpi;
    static const UINT screenDpi = ScreenDpi();
    return screenDpi;
}

int DpiScale::operator()(int pixels) const
{
    if (dpi == BaseDpi) return pixels;
    const int scaled = RoundHalfEven(pixels * static_cast<double>(dpi) / BaseDpi);
    return pixels > 0 && scaled < 1 ? 1 : scaled;
}

}  // namespace skin
