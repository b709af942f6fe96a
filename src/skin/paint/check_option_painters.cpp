#include "skin/paint/check_option_painters.h"

#include "skin/core/window_props.h"
#include "skin/draw/dpi_scale.h"
#include "skin/draw/image_cell.h"
#include "skin/draw/owners.h"
#include "skin/draw/primitives.h"
#include "skin/draw/skin_images.h"

namespace skin {
namespace {

// Cells of the skin images, as x, y, width, height.
constexpr int kCircleCell = 13;            // OptionCircleImage: one circle per state, stacked
constexpr int kCircleMargin = 5;
constexpr int kHotStripY = 17;             // the 11 x 5 strips inside the hot and pressed circles
constexpr int kPressedStripY = 30;
constexpr int kStripX = 1, kStripW = 11, kStripH = 5;
constexpr int kDisabledGlyphX = 9;         // CheckGlyphImage: disabled glyphs 9 columns right
constexpr int kMarkW = 9, kMarkH = 8;      // check mark at (0, 0)
constexpr int kSquareX = 1, kSquareY = 9, kSquareSize = 7;
constexpr int kDotX = 2, kDotY = 18, kDotSize = 5;

// Whether to paint: not for the state OLDSTATE holds unless forced. Stores the state if so.
bool TakeState(HWND window, INT_PTR state, bool force)
{
    if (!force && GetSkinProp(window, prop::OldState) == state) return false;
    SetSkinProp(window, prop::OldState, state);
    return true;
}

int Half(int value)
{
    return RoundHalfEven(value / 2.0);
}

struct Box {
    int cx, cy, height;  // the menu check size, read on every paint; the window's height
};

Box MeasureBox(HWND window)
{
    WindowBounds bounds;
    GetWindowBounds(window, bounds);
    return {GetSystemMetrics(SM_CXMENUCHECK), GetSystemMetrics(SM_CYMENUCHECK), bounds.height};
}

int CheckState(HWND window)
{
    return static_cast<int>(SendMessageW(window, BM_GETCHECK, 0, 0));
}

// The box on its own surface: white, framed, the hot or pressed strip stretched inside when
// enabled, the mark or the indeterminate square on top, each at the window's DPI.
void ComposeCheckBox(HDC surface, int cx, int cy, INT_PTR state, bool enabled, int check,
                     const DpiScale& scale)
{
    FillSolidRect(surface, 0, 0, cx, cy, ControlColor);
    Rgb frame = DisabledFrameColor;
    if (enabled) frame = state == look::Pressed ? PressedFrameColor : FrameColor;
    const int line = scale(1);
    FrameSolidRect(surface, 0, 0, cx, cy, frame, line);
    if (enabled && (state == look::Hot || state == look::Pressed)) {
        const ImageCell s = PickImageCell(&SkinImageSet::OptionCircleImage, kStripX,
                                          state == look::Hot ? kHotStripY : kPressedStripY, kStripW,
                                          kStripH, scale.dpi);
        StretchBlt(surface, line, line, cx - 2 * line, cy - 2 * line, s.surface, s.x, s.y, s.w, s.h,
                   SRCCOPY);
    }
    const int glyphX = enabled ? 0 : kDisabledGlyphX;
    if (check == BST_CHECKED) {
        const int w = scale(kMarkW), h = scale(kMarkH);
        const ImageCell g = PickImageCell(&SkinImageSet::CheckGlyphImage, glyphX, 0, kMarkW, kMarkH, scale.dpi);
        BlitGlyph(surface, Half(cx - w), Half(cy - h), w, h, g.surface, g.x, g.y, g.w, g.h, KeyColor);
    } else if (check == BST_INDETERMINATE) {
        const int size = scale(kSquareSize);
        const ImageCell g = PickImageCell(&SkinImageSet::CheckGlyphImage, glyphX + kSquareX, kSquareY,
                                          kSquareSize, kSquareSize, scale.dpi);
        BlitGlyph(surface, Half(cx - size), Half(cy - size), size, size, g.surface, g.x, g.y, g.w, g.h,
                  KeyColor);
    }
}

}  // namespace

int PaintCheckBox(HWND window, INT_PTR state, bool force)
{
    if (!TakeState(window, state, force)) return 0;
    const Box box = MeasureBox(window);
    const int check = CheckState(window);
    OwnedSurface surface(CreateSkinSurface(box.cx, box.cy));
    HDC dc = gdi::GetWindowDC(window);
    ComposeCheckBox(surface.get(), box.cx, box.cy, state, IsWindowEnabled(window) != 0, check,
                    ScaleFor(window));
    BitBlt(dc, 0, Half(box.height - box.cy), box.cx, box.cy, surface.get(), 0, 0, SRCCOPY);
    gdi::ReleaseDC(window, dc);
    return 1;
}

int PaintOptionButton(HWND window, INT_PTR state, bool force)
{
    if (!TakeState(window, state, force)) return 0;
    const Box box = MeasureBox(window);
    const int top = Half(box.height - box.cy);
    const int check = CheckState(window);
    const bool enabled = IsWindowEnabled(window) != 0;
    const DpiScale scale = ScaleFor(window);
    // Straight into the window, so the control's background shows through the circle's corners.
    HDC dc = gdi::GetWindowDC(window);
    const INT_PTR cell = enabled ? state : look::Disabled;
    if (!enabled || (state >= look::Normal && state <= look::Pressed)) {
        const int cellY = kCircleCell * static_cast<int>(cell);
        // At 96 DPI the circle's middle stretches to the box; at another the whole circle is drawn
        // at the box's size, its ring smooth rather than in stretched steps.
        const ImageCell c = PickImageCell(&SkinImageSet::OptionCircleImage, 0, cellY, kCircleCell,
                                          kCircleCell, scale.dpi);
        if (scale.base())
            StretchSkinCell(dc, 0, top, box.cx, box.cy, c.surface, c.x, c.y, c.w, c.h, kCircleMargin,
                            kCircleMargin, kCircleMargin, kCircleMargin, KeyColor);
        else
            BlitGlyph(dc, 0, top, box.cx, box.cy, c.surface, c.x, c.y, c.w, c.h, KeyColor);
    }
    if (check == BST_CHECKED) {
        const int dot = scale(kDotSize);
        const ImageCell g = PickImageCell(&SkinImageSet::CheckGlyphImage,
                                          (enabled ? 0 : kDisabledGlyphX) + kDotX, kDotY, kDotSize,
                                          kDotSize, scale.dpi);
        BlitGlyph(dc, Half(box.cx - dot), RoundHalfEven((box.cy - dot) / 2.0 + top), dot, dot,
                  g.surface, g.x, g.y, g.w, g.h, KeyColor);
    }
    gdi::ReleaseDC(window, dc);
    return 1;
}

LRESULT PaintCheckBoxWindow(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                            LPARAM lParam)
{
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    PaintCheckBox(window, look::Normal, true);
    return result;
}

LRESULT PaintOptionButtonWindow(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                                LPARAM lParam)
{
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    PaintOptionButton(window, look::Normal, true);
    return result;
}

}  // namespace skin
