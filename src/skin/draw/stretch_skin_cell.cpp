#include "skin/draw/dpi_scale.h"
#include "skin/draw/owners.h"
#include "skin/draw/primitives.h"

namespace skin {
namespace {

// One of the nine pieces: where it goes on the scratch surface and where it comes from.
struct Piece {
    bool drawn;
    bool stretched;  // corners are copied 1:1 (at 96 DPI), edges and centre stretched
    int x, y, w, h;
    int srcX, srcY, srcW, srcH;
};

// Composes the cell from up to nine pieces in a fixed order, so that when the destination is
// smaller than two opposite margins the later pieces overwrite the earlier ones. The sizes are
// not guarded: zero or negative sizes go to the platform as they are (mirrored copies where
// the signs differ), and no stretch mode is set, so the context's default applies.
// l, t, r, b are the margins in the source; dl, dt, dr, db the same margins on the destination.
void ComposeNineGrid(HDC scratch, int dw, int dh, HDC src, int sx, int sy, int sw, int sh,
                     int l, int t, int r, int b, int dl, int dt, int dr, int db)
{
    const Piece pieces[] = {
        {l > 0 && t > 0, false, 0, 0, dl, dt, sx, sy, l, t},
        {r > 0 && t > 0, false, dw - dr, 0, dr, dt, sx + sw - r, sy, r, t},
        {l > 0 && b > 0, false, 0, dh - db, dl, db, sx, sy + sh - b, l, b},
        {r > 0 && b > 0, false, dw - dr, dh - db, dr, db, sx + sw - r, sy + sh - b, r, b},
        {l > 0, true, 0, dt, dl, dh - dt - db, sx, sy + t, l, sh - t - b},
        {r > 0, true, dw - dr, dt, dr, dh - dt - db, sx + sw - r, sy + t, r, sh - t - b},
        {t > 0, true, dl, 0, dw - dl - dr, dt, sx + l, sy, sw - l - r, t},
        {b > 0, true, dl, dh - db, dw - dl - dr, db, sx + l, sy + sh - b, sw - l - r, b},
        {true, true, dl, dt, dw - dl - dr, dh - dt - db, sx + l, sy + t, sw - l - r, sh - t - b},
    };
    for (const Piece& p : pieces) {
        if (!p.drawn) continue;
        if (p.stretched || p.w != p.srcW || p.h != p.srcH)
            StretchBlt(scratch, p.x, p.y, p.w, p.h, src, p.srcX, p.srcY, p.srcW, p.srcH, SRCCOPY);
        else
            BitBlt(scratch, p.x, p.y, p.w, p.h, src, p.srcX, p.srcY, SRCCOPY);
    }
}

}  // namespace

void ComposeSkinCell(HDC surface, int width, int height, HDC src, int sx, int sy, int sw, int sh,
                     int left, int top, int right, int bottom, UINT dpi)
{
    if (width == 0 || height == 0 || sw == 0 || sh == 0) return;
    if (left <= 0 && top <= 0 && right <= 0 && bottom <= 0) {
        StretchBlt(surface, 0, 0, width, height, src, sx + left, sy + top, sw - right,
                   sh - bottom, SRCCOPY);
    } else {
        const DpiScale scale{dpi};
        // Enlarged corners keep their pixels' colours: nearest neighbour, as the glyphs.
        if (!scale.base()) SetStretchBltMode(surface, COLORONCOLOR);
        ComposeNineGrid(surface, width, height, src, sx, sy, sw, sh, left, top, right, bottom,
                        scale(left), scale(top), scale(right), scale(bottom));
    }
}

int StretchSkinCell(HDC dst, int dx, int dy, int dw, int dh,
                    HDC src, int sx, int sy, int sw, int sh,
                    int left, int top, int right, int bottom,
                    std::optional<Rgb> transparent, UINT dpi)
{
    if (dw == 0 || dh == 0 || sw == 0 || sh == 0) return 0;

    // Composed off-screen and copied once, so the destination never shows half a cell.
    OwnedSurface scratch(CreateSkinSurface(dw, dh));
    ComposeSkinCell(scratch.get(), dw, dh, src, sx, sy, sw, sh, left, top, right, bottom, dpi);

    if (!transparent) return BitBlt(dst, dx, dy, dw, dh, scratch.get(), 0, 0, SRCCOPY);
    BlitTransparent(dst, dx, dy, dw, dh, scratch.get(), 0, 0, *transparent);
    return 1;
}

}  // namespace skin
