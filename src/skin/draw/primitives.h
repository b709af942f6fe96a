#pragma once
// The drawing primitives every skin painter is built from. Rectangles are passed as
// x, y, width, height. Colours are 0xRRGGBB (see colors.h). Nothing here keeps state between
// calls, and every object a primitive creates is released before it returns, except the
// surface CreateSkinSurface hands to its caller.
#include <windows.h>

#include <optional>
#include <string>

#include "skin/draw/colors.h"

namespace skin {

// DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS: every caption the skin draws.
inline constexpr UINT CaptionTextFormat = 0x8025;

// A window rectangle in screen coordinates, frame included.
struct WindowBounds {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width = 0, height = 0;
};

// A memory DC compatible with the display holding a display-compatible bitmap of the size;
// null when any creation fails (nothing is left behind then). The DC owns its bitmap.
HDC CreateSkinSurface(int width, int height);
// Deletes the surface's DC, then the bitmap that was selected into it. Null is ignored.
void DeleteSkinSurface(HDC surface);

// Nine-grid stretch of the source cell (sx, sy, sw, sh) onto (dx, dy, dw, dh): corners keep
// their size, edges stretch along their length, the centre both ways. Composed off-screen and
// copied once; with a transparent colour the copy leaves key-coloured pixels undrawn.
// Returns 0 (and draws nothing) when any of the four sizes is zero. At another DPI than 96 the
// margins on the destination grow with it (the corners stretched too).
int StretchSkinCell(HDC dst, int dx, int dy, int dw, int dh,
                    HDC src, int sx, int sy, int sw, int sh,
                    int left, int top, int right, int bottom,
                    std::optional<Rgb> transparent = std::nullopt, UINT dpi = 96);

// The composition StretchSkinCell makes on its scratch surface, made straight onto an
// off-screen surface of exactly width x height: the same pixels as StretchSkinCell at (0, 0),
// without the scratch surface and the copy. Draws nothing when any of the sizes is zero.
void ComposeSkinCell(HDC surface, int width, int height, HDC src, int sx, int sy, int sw, int sh,
                     int left, int top, int right, int bottom, UINT dpi = 96);

// Copies a width x height block, leaving the destination unchanged where the source pixel is
// the key colour. Uses its own halftone palette when none is passed.
void BlitTransparent(HDC dst, int dx, int dy, int width, int height,
                     HDC src, int sx, int sy, Rgb key, HPALETTE palette = nullptr);

// Draws the source block (sx, sy, sw, sh) at dw x dh, leaving the destination unchanged where the
// source is the key colour. At its own size it is BlitTransparent; enlarged, each pixel of the
// result takes the colours of the source area it covers, and as much opacity as that area has
// pixels that are not the key colour: at whole factors every pixel is one source pixel (crisp),
// in between the edges blend into what lies beneath, with no trace of the key colour.
void BlitGlyph(HDC dst, int dx, int dy, int dw, int dh, HDC src, int sx, int sy, int sw, int sh,
               Rgb key);

int FillSolidRect(HDC dc, int x, int y, int width, int height, Rgb color);
// A frame of the given thickness inside the rectangle.
int FrameSolidRect(HDC dc, int x, int y, int width, int height, Rgb color, int thickness = 1);
BOOL DrawFocusBox(HDC dc, int x, int y, int width, int height);

// DrawTextW with length -1 and the format as given (an ampersand underlines the next
// character unless DT_NOPREFIX is set). Font, colour and mode are the caller's.
int DrawCaptionText(HDC dc, const std::wstring& text, int x, int y, int width, int height,
                    UINT format);

BOOL GetWindowBounds(HWND window, WindowBounds& bounds);
std::wstring GetWindowCaption(HWND window);

// The halves of a message parameter as signed 16-bit numbers (a coordinate of -1 stays -1).
int SignedLoWord(LPARAM value);
int SignedHiWord(LPARAM value);

// Nearest integer, exact halves to the even neighbour (2.5 -> 2, 3.5 -> 4): every "half of"
// and every scaled pixel count in the skin goes through here.
int RoundHalfEven(double value);

}  // namespace skin
