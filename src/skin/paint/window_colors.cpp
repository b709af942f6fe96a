#include "skin/paint/window_colors.h"

#include "skin/core/control_kind.h"
#include "skin/draw/colors.h"
#include "skin/draw/gdi_objects.h"

namespace skin {
namespace {

thread_local HBRUSH t_brush = nullptr;

// The thread's brush in the skin's background colour, made on first use after each change of skin.
HBRUSH WindowBrush()
{
    if (!t_brush) t_brush = gdi::CreateSolidBrush(ThreadSkinColors().window);
    return t_brush;
}

}  // namespace

LRESULT OnCtlColor(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    const SkinColors& colors = ThreadSkinColors();
    if (!colors.hasWindowColors) return result;
    const auto dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, ToColorRef(colors.windowText));
    SetBkColor(dc, ToColorRef(colors.window));
    return reinterpret_cast<LRESULT>(WindowBrush());
}

LRESULT OnEraseBackground(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam)
{
    // Forms, dialogs and windows given the children flag: every window the skin treats as a form.
    if (!ThreadSkinColors().hasWindowColors || !IsContainer(window))
        return CallPrevious(previous, window, message, wParam, lParam);
    RECT client;
    GetClientRect(window, &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, WindowBrush());
    return 1;
}

HBRUSH ParentStaticBrush(HWND control, HDC dc)
{
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(control), WM_CTLCOLORSTATIC,
                                                             reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(control)));
    return brush ? brush : GetSysColorBrush(COLOR_BTNFACE);
}

void ReleaseWindowBrush()
{
    gdi::DeleteObject(t_brush);
    t_brush = nullptr;
}

}  // namespace skin
