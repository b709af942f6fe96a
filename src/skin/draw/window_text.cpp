#include "skin/draw/primitives.h"

namespace skin {

int DrawCaptionText(HDC dc, const std::wstring& text, int x, int y, int width, int height,
                    UINT format)
{
    RECT r{x, y, x + width, y + height};
    // The platform writes into the text when a caller asks for DT_MODIFYSTRING (an ellipsis
    // adds up to four characters), so it gets a copy with room for that.
    std::wstring buffer = text;
    buffer.append(4, L'\0');
    return DrawTextW(dc, buffer.data(), -1, &r, format);
}

BOOL GetWindowBounds(HWND window, WindowBounds& bounds)
{
    RECT r{};
    const BOOL ok = GetWindowRect(window, &r);
    bounds = {r.left, r.top, r.right, r.bottom, r.right - r.left, r.bottom - r.top};
    return ok;
}

std::wstring GetWindowCaption(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

}  // namespace skin
