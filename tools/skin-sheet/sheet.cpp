#include "sheet.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int Margin = 16;
constexpr int Gap = 24;
constexpr int LabelHeight = 40;  // two lines of the GUI font
constexpr skin::Rgb Background = 0xF4F4F4;
constexpr skin::Rgb GridColor = 0xA8A8A8;
constexpr skin::Rgb CellColor = 0x000000;

// A white 32-bit DIB section the sheet is drawn into: pixels directly, labels with GDI.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height)
    {
        const BITMAPINFO info = TopDown32(width, height);
        dc_ = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        dib_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<std::uint32_t*>(bits);
        old_ = SelectObject(dc_, dib_);
        std::fill(bits_, bits_ + static_cast<size_t>(width) * height, Background);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas()
    {
        SelectObject(dc_, old_);
        DeleteObject(dib_);
        DeleteDC(dc_);
    }

    void Fill(int x, int y, int w, int h, skin::Rgb c)
    {
        for (int j = std::max(y, 0); j < std::min(y + h, height_); ++j)
            for (int i = std::max(x, 0); i < std::min(x + w, width_); ++i)
                bits_[static_cast<size_t>(j) * width_ + i] = c;
    }

    void Text(int x, int y, const std::wstring& text)
    {
        GdiFlush();
        HGDIOBJ oldFont = SelectObject(dc_, GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, RGB(0, 0, 0));
        RECT r{x, y, width_, y + LabelHeight};
        DrawTextW(dc_, text.c_str(), -1, &r, DT_LEFT | DT_NOPREFIX | DT_NOCLIP);
        SelectObject(dc_, oldFont);
        GdiFlush();
    }

    Picture Take() const
    {
        Picture p{width_, height_, {}};
        p.pixels.assign(bits_, bits_ + static_cast<size_t>(width_) * height_);
        for (auto& c : p.pixels) c &= 0xFFFFFF;
        return p;
    }

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP dib_ = nullptr;
    HGDIOBJ old_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

// Pixel (x, y) of the image becomes a (scale - 1) square; the lines between them are the grid.
void DrawImage(Canvas& canvas, int ox, int oy, const SheetImage& image, int scale)
{
    const Picture& p = image.picture;
    canvas.Fill(ox, oy, p.width * scale + 1, p.height * scale + 1, GridColor);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            canvas.Fill(ox + x * scale + 1, oy + y * scale + 1, scale - 1, scale - 1, p.at(x, y));
    for (const RECT& c : image.cells) {
        const int l = ox + c.left * scale, t = oy + c.top * scale;
        const int r = ox + c.right * scale, b = oy + c.bottom * scale;
        canvas.Fill(l, t, r - l + 1, 1, CellColor);
        canvas.Fill(l, b, r - l + 1, 1, CellColor);
        canvas.Fill(l, t, 1, b - t + 1, CellColor);
        canvas.Fill(r, t, 1, b - t + 1, CellColor);
    }
}

// Width of the widest line of the label in the GUI font.
int LabelWidth(const std::wstring& label)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, label.c_str(), -1, &r, DT_CALCRECT | DT_LEFT | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    DeleteDC(dc);
    return r.right;
}

}  // namespace

Picture ComposeSheet(const std::vector<SheetImage>& images, int scale)
{
    std::vector<int> columns;
    int width = 2 * Margin - Gap, tallest = 0;
    for (const SheetImage& image : images) {
        columns.push_back(std::max(image.picture.width * scale + 1, LabelWidth(image.label)));
        width += columns.back() + Gap;
        tallest = std::max(tallest, image.picture.height * scale + 1);
    }
    const int height = 2 * Margin + LabelHeight + tallest;

    Canvas canvas(width, height);
    int x = Margin;
    for (size_t i = 0; i < images.size(); ++i) {
        DrawImage(canvas, x, Margin + LabelHeight, images[i], scale);
        canvas.Text(x, Margin, images[i].label);
        x += columns[i] + Gap;
    }
    return canvas.Take();
}
