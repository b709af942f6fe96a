#include "skin/paint/arrow_button.h"

#include <optional>
#include <utility>

#include "skin/core/window_props.h"
#include "skin/draw/image_cell.h"
#include "skin/draw/owners.h"
#include "skin/draw/primitives.h"
#include "skin/draw/skin_images.h"

namespace skin {
namespace {

// DropButtonImage cells, as x, y, width, height: the hot and pressed faces (normal is plain
// white) and the arrow, enabled above disabled.
constexpr int kFaceW = 4, kFaceH = 18, kHotFaceX = 0, kPressedFaceX = 4;
constexpr int kArrowX = 8, kArrowW = 7, kArrowH = 4;
// The faces stretch with these margins: left 2, top 1, right 1, bottom 1.
constexpr int kFaceLeft = 2, kFaceTop = 1, kFaceRight = 1, kFaceBottom = 1;

// The image holds the arrow pointing down; the other directions are that glyph (the cell g)
// turned, pixel by pixel (it has 28 at 96 DPI), onto the target at (x, y), key pixels left out.
void TurnArrow(const ImageCell& g, Arrow arrow, HDC target, int x0, int y0, bool skipKey)
{
    const COLORREF key = ToColorRef(KeyColor);
    for (int y = 0; y < g.h; ++y) {
        for (int x = 0; x < g.w; ++x) {
            const COLORREF pixel = GetPixel(g.surface, g.x + x, g.y + y);
            if (skipKey && pixel == key) continue;
            switch (arrow) {
            case Arrow::Up: SetPixelV(target, x0 + x, y0 + g.h - 1 - y, pixel); break;
            case Arrow::Left: SetPixelV(target, x0 + g.h - 1 - y, y0 + x, pixel); break;
            case Arrow::Right: SetPixelV(target, x0 + y, y0 + x, pixel); break;
            case Arrow::Down: SetPixelV(target, x0 + x, y0 + y, pixel); break;
            }
        }
    }
}

}  // namespace

void DrawArrowButton(HDC dc, int x, int y, int w, int h, INT_PTR state, bool enabled, Arrow arrow,
                     const DpiScale& scale)
{
    constexpr auto image = &SkinImageSet::DropButtonImage;
    if (state == look::Hot || state == look::Pressed) {
        const ImageCell c = PickImageCell(image, state == look::Hot ? kHotFaceX : kPressedFaceX, 0,
                                          kFaceW, kFaceH, scale.dpi);
        StretchSkinCell(dc, x, y, w, h, c.surface, c.x, c.y, c.w, c.h, c(kFaceLeft), c(kFaceTop),
                        c(kFaceRight), c(kFaceBottom), std::nullopt, c.dpi);
    } else {
        FillSolidRect(dc, x, y, w, h, ControlColor);
    }
    const ImageCell g = PickImageCell(image, kArrowX, enabled ? 0 : kArrowH, kArrowW, kArrowH, scale.dpi);
    int aw = scale(kArrowW), ah = scale(kArrowH);
    if (arrow == Arrow::Down)
        return BlitGlyph(dc, x + RoundHalfEven((w - aw) / 2.0), y + RoundHalfEven((h - ah) / 2.0), aw, ah,
                         g.surface, g.x, g.y, g.w, g.h, KeyColor);
    const bool across = arrow == Arrow::Left || arrow == Arrow::Right;
    if (across) std::swap(aw, ah);
    const int gx = x + RoundHalfEven((w - aw) / 2.0), gy = y + RoundHalfEven((h - ah) / 2.0);
    // At its own size the turned glyph goes straight onto the button; larger, it is turned on a
    // surface of its own first and scaled from there.
    if (scale.base()) return TurnArrow(g, arrow, dc, gx, gy, true);
    const int tw = across ? g.h : g.w, th = across ? g.w : g.h;
    OwnedSurface turned(CreateSkinSurface(tw, th));
    if (!turned) return;
    TurnArrow(g, arrow, turned.get(), 0, 0, false);
    BlitGlyph(dc, gx, gy, aw, ah, turned.get(), 0, 0, tw, th, KeyColor);
}

}  // namespace skin
