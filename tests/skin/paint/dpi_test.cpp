// The skin at the screen's DPI: the same program runs in prefixes of 96, 144 and 192 DPI
// (VELMORA_DPI names the one it expects). Glyphs, the drop arrow and the buttons' corner grow with
// the DPI; boxes that follow the system metrics keep doing so.
#include <cstdlib>

#include "skin/paint/paint_handlers.h"

#include "pixels.h"
#include "raw_skin.h"
#include "skin/core/skin_change.h"
#include "skin/draw/dpi_scale.h"
#include "skin/draw/skin_image_tables.h"
#include "skin/support/check_combo_form.h"
#include "skin/support/control_pictures.h"

using namespace skintest;

namespace {

struct Box {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;  // inclusive; empty while right < left
    int width() const { return right < left ? 0 : right - left + 1; }
    int height() const { return bottom < top ? 0 : bottom - top + 1; }
    void add(int x, int y) { left = std::min(left, x), top = std::min(top, y), right = std::max(right, x), bottom = std::max(bottom, y); }
};

skintest::Picture Checked(HWND control, int state)
{
    SendMessageW(control, BM_SETCHECK, state, 0);
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return CaptureWindow(control);
}

// Where the control's picture changes when its check state does: the glyph the skin draws.
Box GlyphBox(HWND control, int check)
{
    const auto without = Checked(control, BST_UNCHECKED), with = Checked(control, check);
    Box box;
    for (int y = 0; y < with.height; ++y)
        for (int x = 0; x < with.width; ++x)
            if (with.at(x, y) != without.at(x, y)) box.add(x, y);
    return box;
}

// Within one pixel of the 96-DPI size times the scale.
bool Scaled(int measured, int base, double scale) { return std::abs(measured - base * scale) <= 1.0; }

}  // namespace

TEST_CASE("glyphs, the drop arrow and the buttons' corner are drawn at the screen's DPI; a check glyph picture at 2x "
          "is drawn pixel for pixel at 192 DPI, reduced at 96") {
    const char* expected = std::getenv("VELMORA_DPI");
    const UINT dpi = skin::WindowDpi(nullptr);
    REQUIRE(dpi == UINT(expected ? std::atoi(expected) : 96));
    const double scale = dpi / 96.0;
    CheckComboForm f;
    const int w = int(100 * scale), h = int(25 * scale);
    test::Window button(test::MakeChild(f.form, L"Button", L"Normal 普通", BS_PUSHBUTTON, 10, 150, w, h));
    SendMessageW(button, WM_SETFONT, SendMessageW(f.list, WM_GETFONT, 0, 0), TRUE);
    REQUIRE(FaceOf(button, 0));  // skinned as it was made, inside the skinned form
    test::Pump(50);

    const Box mark = GlyphBox(f.check, BST_CHECKED), square = GlyphBox(f.check, BST_INDETERMINATE), dot = GlyphBox(f.o2, BST_CHECKED);
    CHECK((Scaled(mark.width(), 9, scale) && Scaled(mark.height(), 8, scale)));
    CHECK((Scaled(square.width(), 7, scale) && Scaled(square.height(), 7, scale)));
    CHECK((Scaled(dot.width(), 5, scale) && Scaled(dot.height(), 5, scale)));
    // Each centred, within a pixel, in the box of the system's size (the check box 5 higher than the box).
    CHECK(std::abs(mark.left + mark.right + 1 - f.cx) <= 2);
    CHECK(std::abs(square.top + square.bottom + 1 - (f.cy + 5)) <= 2);

    // The drop button's normal face is white: what is not is the arrow, the frame aside.
    const auto combo = CaptureWindow(f.list);
    const int frame = skin::DpiScale{dpi}(1), buttonLeft = combo.width - frame - GetSystemMetrics(SM_CXVSCROLL) - 1;
    Box arrow;
    for (int y = frame; y < combo.height - frame; ++y)
        for (int x = buttonLeft; x < combo.width - frame; ++x)
            if (combo.at(x, y) != 0xFFFFFF) arrow.add(x, y);
    CHECK((Scaled(arrow.width(), 7, scale) && Scaled(arrow.height(), 4, scale)));
    for (int i = 0; i < frame; ++i) CHECK(combo.at(i, combo.height / 2) == 0x54A5D5);  // the frame as wide as scaled

    // The region is the button's rounded rectangle with a corner ellipse of 3 at 96 DPI.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    REQUIRE(GetWindowRgn(button, region) != ERROR);
    auto roundedBy = [&](int e) {  // EqualRgn would compare how the regions are stored
        HRGN candidate = CreateRoundRectRgn(0, 0, w + 1, h + 1, e, e);
        bool same = true;
        for (int y = 0; y <= h; ++y)
            for (int x = 0; x <= w; ++x) same &= !PtInRegion(region, x, y) == !PtInRegion(candidate, x, y);
        DeleteObject(candidate);
        return same;
    };
    bool scaled = false;  // several ellipses give the same pixels
    for (int e = 1; e <= 12; ++e) scaled |= Scaled(e, 3, scale) && roundedBy(e);
    CHECK(scaled);
    CHECK((scale < 2 || !roundedBy(3)));  // at twice the DPI visibly rounder than at 96
    DeleteObject(region);

    // The caption is whole: its dark pixels span the text's width.
    HDC face = FaceOf(button, 0);
    SIZE text{};
    GetTextExtentPoint32W(face, L"Normal 普通", 9, &text);
    Box caption;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((test::DcPixel(face, x, y) & 0xFF) < 0x40) caption.add(x, y);
    CHECK(caption.width() >= text.cx * 9 / 10);
    CHECK(caption.width() <= text.cx);

    // A new DPI (which Wine never sends): faces and region are made anew.
    SetWindowRgn(button, nullptr, FALSE);
    PatBlt(face, 0, 0, w, h, BLACKNESS);
    SendMessageW(button, skin::DpiChangedAfterParentMessage, 0, 0);
    CHECK(WindowRegion(button) != ERROR);
    CHECK(test::DcPixel(face, w / 2, 1) != 0);

    // A check glyph picture at 2x: its own pixels at 192 DPI, reduced by majority at 96. The
    // built-in skin with CheckGlyphImage doubled, and two of the check mark's 2 x 2 blocks
    // touched by one pixel each: a coloured one and a key one.
    const std::wstring folder = test::TempPath(L"velmora 2x");
    skin::SkinImageSet set;
    skin::BuildSkinImageSet(set);
    REQUIRE(WriteRawSkin(folder, set, skin::BuiltInColors));
    skin::ReleaseSkinImageSet(set);
    const skin::SkinImageTable& glyphs = skin::SkinImageTables[2];
    ::Picture large{2 * glyphs.width, 2 * glyphs.height, {}};
    for (int y = 0; y < large.height; ++y)
        for (int x = 0; x < large.width; ++x) large.pixels.push_back(glyphs.pixels[y / 2 * glyphs.width + x / 2]);
    large.pixels[16] = 0x00FF00;  // the top left of the mark's top right pixel
    large.pixels[0] = 0xFF0000;   // the top left of the key at its top left
    REQUIRE(WriteBmp(folder + L"\\CheckGlyphImage.bmp", large));

    const auto unchecked = Checked(f.check, BST_UNCHECKED), builtIn = Checked(f.check, BST_CHECKED);
    REQUIRE(skin::SkinLoadFolderW(folder.c_str()) == 1);
    const auto shown = Checked(f.check, BST_CHECKED);
    if (dpi == 192) {  // 1:1 from the picture, the key showing what lies beneath
        REQUIRE((mark.width() == 18 && mark.height() == 16));
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 18; ++x) {
                const skin::Rgb p = large.at(x, y);
                CHECK(shown.at(mark.left + x, mark.top + y) == (p == skin::BuiltInColors.key ? unchecked.at(mark.left + x, mark.top + y) : p));
            }
    }
    CHECK((shown.pixels == builtIn.pixels) == (dpi == 96));
    CHECK(skin::SkinUseBuiltIn() == 1);
    CHECK(Checked(f.check, BST_CHECKED).pixels == builtIn.pixels);
}
