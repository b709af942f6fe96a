#include <algorithm>
#include <vector>

#include "skin/draw/display_reference.h"
#include "skin/draw/gdi_objects.h"
#include "skin/draw/owners.h"
#include "skin/draw/primitives.h"

namespace skin {
namespace {

// A 32-bit DIB section of the size in a memory DC of its own, its pixels (0xAARRGGBB) readable
// and writable in place.
class PixelSurface {
public:
    PixelSurface(int width, int height)
        : dc_(gdi::CreateCompatibleDC(DisplayContext().get())), width_(width), height_(height)
    {
        void* bits = nullptr;
        bitmap_ = gdi::CreateDibSection32(dc_, width, height, &bits);
        pixels_ = static_cast<DWORD*>(bits);
        if (dc_ && bitmap_) old_ = SelectObject(dc_, bitmap_);
    }
    PixelSurface(const PixelSurface&) = delete;
    PixelSurface& operator=(const PixelSurface&) = delete;
    ~PixelSurface()
    {
        if (old_) SelectObject(dc_, old_);
        gdi::DeleteObject(bitmap_);
        gdi::DeleteDC(dc_);
    }

    bool ok() const { return pixels_ && old_; }
    HDC dc() const { return dc_; }
    // Pixel (x, y) from the top-left; the section keeps its bottom row first.
    DWORD& at(int x, int y) const { return pixels_[(height_ - 1 - y) * width_ + x]; }

private:
    HDC dc_;
    int width_, height_;
    HBITMAP bitmap_ = nullptr;
    DWORD* pixels_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

// n source pixels and m result pixels along one axis, on a common grid of n * m steps: source
// pixel i spans m steps, result pixel j spans n. How many steps the two share.
int Overlap(int i, int j, int n, int m)
{
    const int lo = std::max(i * m, j * n), hi = std::min((i + 1) * m, (j + 1) * n);
    return std::max(0, hi - lo);
}

}  // namespace

void BlitGlyph(HDC dst, int dx, int dy, int dw, int dh, HDC src, int sx, int sy, int sw, int sh,
               Rgb key)
{
    if (dw == sw && dh == sh) return BlitTransparent(dst, dx, dy, dw, dh, src, sx, sy, key);
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    PixelSurface source(sw, sh), result(dw, dh);
    if (!source.ok() || !result.ok()) return;
    GdiFlush();
    BitBlt(source.dc(), 0, 0, sw, sh, src, sx, sy, SRCCOPY);
    GdiFlush();

    // Area averaging: each result pixel sums the source pixels under it, weighted by how much of
    // it each covers; key pixels add to the area only, which makes the edges partly transparent.
    for (int y = 0; y < dh; ++y) {
        for (int x = 0; x < dw; ++x) {
            long long r = 0, g = 0, b = 0, opaque = 0, area = 0;
            for (int v = y * sh / dh; v < sh && v * dh < (y + 1) * sh; ++v) {
                const int wy = Overlap(v, y, sh, dh);
                for (int u = x * sw / dw; u < sw && u * dw < (x + 1) * sw; ++u) {
                    const long long weight = static_cast<long long>(wy) * Overlap(u, x, sw, dw);
                    const DWORD pixel = source.at(u, v) & 0xFFFFFF;
                    area += weight;
                    if (pixel == key) continue;
                    opaque += weight;
                    r += weight * ((pixel >> 16) & 0xFF);
                    g += weight * ((pixel >> 8) & 0xFF);
                    b += weight * (pixel & 0xFF);
                }
            }
            // Premultiplied, as AlphaBlend takes per-pixel alpha.
            auto part = [area](long long sum) { return static_cast<DWORD>((sum + area / 2) / area); };
            result.at(x, y) = area ? part(opaque * 255) << 24 | part(r) << 16 | part(g) << 8 | part(b) : 0;
        }
    }
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dst, dx, dy, dw, dh, result.dc(), 0, 0, dw, dh, blend);
}

}  // namespace skin
