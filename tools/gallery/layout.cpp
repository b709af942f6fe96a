#include "layout.h"

namespace gallery {

int Px(int pixels)
{
    static const int dpi = [] {
        HDC screen = CreateICW(L"DISPLAY", nullptr, nullptr, nullptr);
        const int value = GetDeviceCaps(screen, LOGPIXELSY);
        DeleteDC(screen);
        return value > 0 ? value : 96;
    }();
    return MulDiv(pixels, dpi, 96);
}

HWND CreateControl(HWND parent, const Control& c)
{
    return CreateWindowExW(c.exStyle, c.className, c.text, c.style, Px(c.x), Px(c.y), Px(c.w), Px(c.h), parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
}

}  // namespace gallery
