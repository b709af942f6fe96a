#pragma once
// Surfaces filled with known pixels, brightness, and a check for GDI objects left behind.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "skin/draw/gdi_objects.h"
#include "skin/draw/primitives.h"
#include "support/test_window.h"

namespace drawtest {

using skin::Rgb;

// A skin surface whose pixel (x, y) is colour(x, y); deleted on scope exit.
class Surface {
public:
    Surface(int w, int h, const std::function<Rgb(int, int)>& colour)
        : dc_(skin::CreateSkinSurface(w, h)), w_(w), h_(h)
    {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) SetPixel(dc_, x, y, skin::ToColorRef(colour(x, y)));
    }
    Surface(int w, int h, Rgb fill) : Surface(w, h, [fill](int, int) { return fill; }) {}
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    ~Surface() { skin::DeleteSkinSurface(dc_); }

    HDC dc() const { return dc_; }
    Rgb at(int x, int y) const { return test::DcPixel(dc_, x, y); }
    std::vector<Rgb> pixels() const
    {
        std::vector<Rgb> all;
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x) all.push_back(at(x, y));
        return all;
    }

private:
    HDC dc_;
    int w_, h_;
};

// A colour different at every position of a small surface (x, y < 40).
inline Rgb Unique(int x, int y)
{
    return (Rgb(20 + 5 * x) << 16) | (Rgb(10 + 5 * y) << 8) | 0x80;
}

// Perceived brightness, for comparing shades of one hue.
inline int Luma(Rgb c)
{
    return 299 * int((c >> 16) & 0xFF) + 587 * int((c >> 8) & 0xFF) + 114 * int(c & 0xFF);
}

// Remembers which of the skin's GDI objects were alive when it was made; LeftBehind lists those
// made since and still alive.
class LeakCheck {
public:
    LeakCheck() : before_(skin::gdi::LiveObjects()), created_(skin::gdi::CreatedObjectCount()) {}

    std::vector<HGDIOBJ> LeftBehind() const
    {
        std::vector<HGDIOBJ> left;
        for (HGDIOBJ h : skin::gdi::LiveObjects())
            if (std::find(before_.begin(), before_.end(), h) == before_.end()) left.push_back(h);
        return left;
    }
    long Created() const { return skin::gdi::CreatedObjectCount() - created_; }

private:
    std::vector<HGDIOBJ> before_;
    long created_;
};

}  // namespace drawtest
