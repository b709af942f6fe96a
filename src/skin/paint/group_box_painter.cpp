// A group box: a frame in the frame colour with the corners of the button faces, the caption over
// its top line on the background the parent gives static controls. The inside is left as it is,
// as the system's group box leaves it: the controls of the group and the parent show through.
#include "skin/paint/common_control_painters.h"

#include <algorithm>
#include <string>

#include "skin/core/window_props.h"
#include "skin/draw/dpi_scale.h"
#include "skin/draw/gdi_objects.h"
#include "skin/draw/primitives.h"
#include "skin/paint/window_colors.h"

namespace skin {
namespace {

constexpr int kCornerEllipse = 3;  // as the rounded region of a command button
constexpr int kCaptionLeft = 8;    // where the system's group box puts its caption
constexpr int kCaptionPad = 2;     // background on either side of the caption, over the line

void FrameRounded(HDC dc, int top, int w, int h, Rgb color, const DpiScale& scale)
{
    const int corner = scale(kCornerEllipse), thickness = scale(1);
    HRGN region = gdi::CreateRoundRectRgn(0, top, w + 1, h + 1, corner, corner);
    HBRUSH brush = gdi::CreateSolidBrush(color);
    FrameRgn(dc, region, brush, thickness, thickness);
    gdi::DeleteObject(brush);
    gdi::DeleteObject(region);
}

}  // namespace

LRESULT PaintGroupBox(HWND box)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(box, &ps);
    RECT client;
    GetClientRect(box, &client);
    const DpiScale scale = ScaleFor(box);
    const bool enabled = IsWindowEnabled(box) != 0;
    const auto font = reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0));
    const HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    // The parent decides the caption's background and colour, as it does for the control itself.
    const HBRUSH brush = ParentStaticBrush(box, dc);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);

    // The line runs through the middle of the caption.
    FrameRounded(dc, metrics.tmHeight / 2, client.right, client.bottom,
                 enabled ? FrameColor : DisabledFrameColor, scale);
    const std::wstring caption = GetWindowCaption(box);
    if (!caption.empty()) {
        RECT text{scale(kCaptionLeft), 0, client.right - scale(kCaptionLeft), metrics.tmHeight};
        DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
        text.right = std::min<LONG>(text.right, client.right - scale(kCaptionLeft));
        const int pad = scale(kCaptionPad);
        RECT back{text.left - pad, 0, text.right + pad, metrics.tmHeight};
        FillRect(dc, &back, brush);
        SetBkMode(dc, TRANSPARENT);
        if (!enabled) SetTextColor(dc, ToColorRef(CaptionColors[look::Disabled]));
        DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_END_ELLIPSIS);
    }
    if (oldFont) SelectObject(dc, oldFont);
    EndPaint(box, &ps);
    return 0;
}

}  // namespace skin
