#include "skin/paint/border_painting.h"

#include "skin/core/control_kind.h"
#include "skin/core/window_props.h"
#include "skin/draw/dpi_scale.h"
#include "skin/draw/gdi_objects.h"
#include "skin/draw/primitives.h"
#include "skin/paint/paint_handlers.h"
#include "skin/paint/progress_painters.h"
#include "skin/paint/window_scroll_bars.h"

namespace skin {
namespace {

Rgb FromColorRef(COLORREF c)
{
    return (Rgb{GetRValue(c)} << 16) | (Rgb{GetGValue(c)} << 8) | GetBValue(c);
}

}  // namespace

int GetBorderThickness(HWND window, int& bx, int& by)
{
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    int gx = (outer.right - outer.left) - (client.right - client.left);
    int gy = (outer.bottom - outer.top) - (client.bottom - client.top);
    // The scroll bars the skin draws are off the style but take their room all the same.
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    const INT_PTR taken = GetSkinProp(window, prop::ScrollBars);
    if ((style & WS_VSCROLL) || (taken & VerticalBar)) gx -= GetSystemMetrics(SM_CXVSCROLL);
    if ((style & WS_HSCROLL) || (taken & HorizontalBar)) gy -= GetSystemMetrics(SM_CYHSCROLL);
    bx = RoundHalfEven(gx / 2.0);
    by = RoundHalfEven(gy / 2.0);
    return 1;
}

void DrawClientEdge(HWND window)
{
    int bx = 0, by = 0;
    GetBorderThickness(window, bx, by);
    WindowBounds bounds;
    GetWindowBounds(window, bounds);
    HDC windowDc = gdi::GetWindowDC(window);
    HDC clientDc = gdi::GetDC(window);

    const int frame = ScaleFor(window)(1);
    FrameSolidRect(windowDc, 0, 0, bounds.width, bounds.height,
                   IsWindowEnabled(window) ? FrameColor : DisabledFrameColor, frame);
    // Every ring ends on the second column and row from the right and bottom (width w - 1 - d),
    // so the deeper rings only add their left and top sides, and bx serves the vertical sides
    // as well: that is the skin's look, kept on purpose.
    const Rgb background = FromColorRef(GetBkColor(clientDc));
    for (int d = frame; d <= bx; ++d)
        FrameSolidRect(windowDc, d, d, bounds.width - 1 - d, bounds.height - 1 - d, background);

    gdi::ReleaseDC(window, clientDc);
    gdi::ReleaseDC(window, windowDc);
}

LRESULT OnNcPaint(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (GetControlKind(window)) {
    case ControlKind::ProgressBar:
        // The skin paints the whole bar; its own procedure would draw its edge over the frame.
        return PaintProgressFrame(window);
    case ControlKind::DataList:
        // Framed by the skin when it paints its client area.
        return CallPrevious(previous, window, message, wParam, lParam);
    default: {
        const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
        if (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) DrawClientEdge(window);
        return result;
    }
    }
}

}  // namespace skin
