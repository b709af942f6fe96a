#include <ole2.h>
#include <olectl.h>

#include "skin/draw/display_reference.h"
#include "skin/draw/primitives.h"

namespace skin {
namespace {

// A memory DC with a work bitmap of the block's size and, for the colour surfaces, the blit's
// palette realised in the background. Release puts back what was replaced and deletes both.
class WorkSurface {
public:
    WorkSurface(HDC display, HBITMAP bitmap, HPALETTE palette, bool restorePaletteForced)
        : dc_(gdi::CreateCompatibleDC(display)), bitmap_(bitmap), forced_(restorePaletteForced)
    {
        oldBitmap_ = SelectObject(dc_, bitmap_);
        if (palette) {
            oldPalette_ = SelectPalette(dc_, palette, TRUE);
            RealizePalette(dc_);
        }
    }
    WorkSurface(const WorkSurface&) = delete;
    WorkSurface& operator=(const WorkSurface&) = delete;
    ~WorkSurface() { Release(); }

    HDC dc() const { return dc_; }

    void Release()
    {
        if (dc_) {
            SelectObject(dc_, oldBitmap_);
            gdi::DeleteObject(bitmap_);
            if (oldPalette_) {
                SelectPalette(dc_, oldPalette_, forced_);
                RealizePalette(dc_);
            }
            gdi::DeleteDC(dc_);
        } else if (bitmap_) {
            gdi::DeleteObject(bitmap_);
        }
        dc_ = nullptr;
        bitmap_ = nullptr;
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
    bool forced_;
    HGDIOBJ oldBitmap_ = nullptr;
    HPALETTE oldPalette_ = nullptr;
};

COLORREF TranslateKey(Rgb key, HPALETTE palette)
{
    // With a palette the platform answers a palette-relative colour (0x02BBGGRR); only the
    // colour itself is compared, so the top byte goes.
    COLORREF translated = ToColorRef(key);
    OleTranslateColor(ToColorRef(key), palette, &translated);
    return translated & 0xFFFFFF;
}

}  // namespace

void BlitTransparent(HDC dst, int dx, int dy, int width, int height,
                     HDC src, int sx, int sy, Rgb key, HPALETTE palette)
{
    DisplayContext display;
    OwnedPalette ownPalette(palette ? nullptr : gdi::CreateHalftonePalette(display.get()));
    if (!palette) palette = ownPalette.get();
    const COLORREF keyColor = TranslateKey(key, palette);

    WorkSurface background(display.get(), CreateDisplayBitmap(display, width, height), palette, false);
    BitBlt(background.dc(), 0, 0, width, height, dst, dx, dy, SRCCOPY);

    WorkSurface source(display.get(), CreateDisplayBitmap(display, width, height), palette, true);
    SetBkColor(source.dc(), GetBkColor(src));
    SetTextColor(source.dc(), GetTextColor(src));
    BitBlt(source.dc(), 0, 0, width, height, src, sx, sy, SRCCOPY);

    WorkSurface mask(display.get(), gdi::CreateBitmap(width, height, 1, 1), nullptr, false);

    // Colour to monochrome: pixels of the background colour become 1, all others 0.
    SetBkColor(source.dc(), keyColor);
    SetTextColor(source.dc(), ToColorRef(White));
    BitBlt(mask.dc(), 0, 0, width, height, source.dc(), 0, 0, SRCCOPY);

    // Monochrome to colour maps 1 to the background colour (white) and 0 to the text colour
    // (black); destination AND NOT mask turns the key pixels black and keeps the rest.
    SetTextColor(source.dc(), ToColorRef(Black));
    SetBkColor(source.dc(), ToColorRef(White));
    BitBlt(source.dc(), 0, 0, width, height, mask.dc(), 0, 0, 0x00220326);

    // The background context keeps its default colours, so the mask keeps the background where
    // the source is the key colour and clears it elsewhere; OR then fills in the source.
    BitBlt(background.dc(), 0, 0, width, height, mask.dc(), 0, 0, SRCAND);
    BitBlt(background.dc(), 0, 0, width, height, source.dc(), 0, 0, SRCPAINT);
    BitBlt(dst, dx, dy, width, height, background.dc(), 0, 0, SRCCOPY);

    source.Release();
    background.Release();
    mask.Release();
}

}  // namespace skin
