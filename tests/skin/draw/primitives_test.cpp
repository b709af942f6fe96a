// The small primitives: fills and outlines, the focus box, caption text, window bounds and
// text, the signed halves of a message parameter and the rounding of halves.
#include <doctest.h>

#include <string>

#include "draw_test_support.h"

using drawtest::Surface;
using skin::Rgb;

namespace {

constexpr Rgb Paper = 0xFFFFFF;

// A font that has the Chinese characters, selected into a surface for as long as it lives.
class CaptionFont {
public:
    explicit CaptionFont(HDC dc)
        : dc_(dc),
          font_(CreateFontW(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                            NONANTIALIASED_QUALITY, 0, L"SimSun")),
          old_(SelectObject(dc, font_))
    {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
    }
    ~CaptionFont()
    {
        SelectObject(dc_, old_);
        DeleteObject(font_);
    }

private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ old_;
};

int CountDifferent(const Surface& a, const Surface& b)
{
    const auto pa = a.pixels(), pb = b.pixels();
    int n = 0;
    for (size_t i = 0; i < pa.size(); ++i) n += pa[i] != pb[i];
    return n;
}

}  // namespace

TEST_CASE("solid fills, outlines and the focus box")
{
    Surface s(12, 12, Paper);
    SUBCASE("FillSolidRect fills x, y, width, height and nothing else")
    {
        CHECK(skin::FillSolidRect(s.dc(), 2, 3, 4, 5, 0x336699) != 0);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x)
                CHECK(s.at(x, y) == ((x >= 2 && x < 6 && y >= 3 && y < 8) ? 0x336699u : Paper));
    }
    SUBCASE("FrameSolidRect draws a one-pixel outline just inside the rectangle")
    {
        CHECK(skin::FrameSolidRect(s.dc(), 2, 3, 4, 5, skin::FrameColor) != 0);
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 12; ++x) {
                const bool inside = x >= 2 && x < 6 && y >= 3 && y < 8;
                const bool edge = x == 2 || x == 5 || y == 3 || y == 7;
                CHECK(s.at(x, y) == (inside && edge ? skin::FrameColor : Paper));
            }
        }
    }
    SUBCASE("DrawFocusBox drawn twice leaves no trace")
    {
        Surface blank(12, 12, Paper);
        CHECK(skin::DrawFocusBox(s.dc(), 1, 1, 10, 10) != 0);
        CHECK(CountDifferent(s, blank) > 0);
        CHECK(s.at(5, 5) == Paper);
        skin::DrawFocusBox(s.dc(), 1, 1, 10, 10);
        CHECK(CountDifferent(s, blank) == 0);
    }
}

TEST_CASE("DrawCaptionText draws wide text with the caller's format")
{
    const int w = 90, h = 24;
    SUBCASE("a long Chinese caption is cut with an ellipsis, in its own characters")
    {
        const std::wstring caption = L"删除缓存删除缓存删除缓存删除缓存删除缓存";
        Surface drawn(w, h, Paper);
        CaptionFont f1(drawn.dc());
        CHECK(skin::DrawCaptionText(drawn.dc(), caption, 0, 0, w, h, skin::CaptionTextFormat) > 0);

        // What the platform makes of the caption in that box, drawn again without cutting.
        std::wstring cut = caption + std::wstring(4, L'\0');
        Surface scratch(w, h, Paper);
        CaptionFont f0(scratch.dc());
        RECT r{0, 0, w, h};
        DrawTextW(scratch.dc(), cut.data(), -1, &r, skin::CaptionTextFormat | DT_MODIFYSTRING);
        cut = cut.c_str();
        CHECK(cut.size() < caption.size());
        CHECK(cut.substr(0, 2) == L"删除");
        CHECK(cut.find(L"...") != std::wstring::npos);
        Surface expected(w, h, Paper);
        CaptionFont f2(expected.dc());
        DrawTextW(expected.dc(), cut.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        CHECK(CountDifferent(drawn, expected) == 0);
        CHECK(CountDifferent(drawn, Surface(w, h, Paper)) > 20);

        // The same caption through the ANSI code page of a Western system: question marks.
        char ansi[64]{};
        WideCharToMultiByte(1252, 0, caption.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
        Surface lost(w, h, Paper);
        CaptionFont f3(lost.dc());
        RECT r2{0, 0, w, h};
        DrawTextA(lost.dc(), ansi, -1, &r2, skin::CaptionTextFormat);
        CHECK(CountDifferent(drawn, lost) > 0);
    }
    SUBCASE("without DT_NOPREFIX an ampersand underlines the next character")
    {
        Surface plain(w, h, Paper), prefixed(w, h, Paper), literal(w, h, Paper);
        CaptionFont f1(plain.dc()), f2(prefixed.dc()), f3(literal.dc());
        skin::DrawCaptionText(plain.dc(), L"刷新", 0, 0, w, h, skin::CaptionTextFormat);
        skin::DrawCaptionText(prefixed.dc(), L"&刷新", 0, 0, w, h, skin::CaptionTextFormat);
        skin::DrawCaptionText(literal.dc(), L"&刷新", 0, 0, w, h,
                              skin::CaptionTextFormat | DT_NOPREFIX);
        // The underline adds dark pixels below the same glyphs; a literal "&" moves them.
        int added = 0, removed = 0;
        const auto a = plain.pixels(), b = prefixed.pixels();
        for (size_t i = 0; i < a.size(); ++i) {
            added += a[i] == Paper && b[i] != Paper;
            removed += a[i] != Paper && b[i] == Paper;
        }
        CHECK(added > 0);
        CHECK(removed == 0);
        CHECK(CountDifferent(literal, prefixed) > 0);
    }
}

TEST_CASE("window bounds and caption")
{
    test::Window win = test::MakeTopLevel(L"DrawPrimitivesWindow", 40, 50, 200, 100, L"");
    SUBCASE("the caption of a window without text is empty")
    {
        CHECK(skin::GetWindowCaption(win) == L"");
    }
    SUBCASE("a Chinese caption comes back unchanged, a long one whole")
    {
        SetWindowTextW(win, L"Velmora登入器");
        CHECK(skin::GetWindowCaption(win) == L"Velmora登入器");
        const std::wstring longText(700, L'缓');
        SetWindowTextW(win, longText.c_str());
        CHECK(skin::GetWindowCaption(win) == longText);
    }
    SUBCASE("bounds are the window rectangle, frame included, with its size")
    {
        RECT r{};
        GetWindowRect(win, &r);
        skin::WindowBounds b;
        CHECK(skin::GetWindowBounds(win, b) != 0);
        CHECK(b.left == r.left);
        CHECK(b.top == r.top);
        CHECK(b.right == r.right);
        CHECK(b.bottom == r.bottom);
        CHECK(b.width == r.right - r.left);
        CHECK(b.height == r.bottom - r.top);
        CHECK(b.width > 200);
    }
    SUBCASE("a window that is gone gives 0 and empty bounds")
    {
        HWND gone = win.get();
        DestroyWindow(win.release());
        skin::WindowBounds b{1, 2, 3, 4, 5, 6};
        CHECK(skin::GetWindowBounds(gone, b) == 0);
        CHECK(b.width == 0);
        CHECK(b.height == 0);
        CHECK(skin::GetWindowCaption(gone) == L"");
    }
}

TEST_CASE("the halves of a message parameter are signed")
{
    CHECK(skin::SignedLoWord(static_cast<LPARAM>(0xFFFF0005u)) == 5);
    CHECK(skin::SignedHiWord(static_cast<LPARAM>(0xFFFF0005u)) == -1);
    CHECK(skin::SignedLoWord(static_cast<LPARAM>(0x8000FFFFu)) == -1);
    CHECK(skin::SignedHiWord(static_cast<LPARAM>(0x8000FFFFu)) == -32768);
    CHECK(skin::SignedLoWord(static_cast<LPARAM>(0x7FFF8000u)) == -32768);
    CHECK(skin::SignedHiWord(static_cast<LPARAM>(0x7FFF8000u)) == 32767);
    CHECK(skin::SignedLoWord(MAKELPARAM(120, 45)) == 120);
    CHECK(skin::SignedHiWord(MAKELPARAM(120, 45)) == 45);
}

TEST_CASE("halves round to the even neighbour, everything else to the nearest")
{
    CHECK(skin::RoundHalfEven(2.5) == 2);
    CHECK(skin::RoundHalfEven(3.5) == 4);
    CHECK(skin::RoundHalfEven(1.5) == 2);
    CHECK(skin::RoundHalfEven(0.5) == 0);
    CHECK(skin::RoundHalfEven(-0.5) == 0);
    CHECK(skin::RoundHalfEven(-1.5) == -2);
    CHECK(skin::RoundHalfEven(-2.5) == -2);
    CHECK(skin::RoundHalfEven(-3.5) == -4);
    CHECK(skin::RoundHalfEven(2.4999) == 2);
    CHECK(skin::RoundHalfEven(2.5001) == 3);
    CHECK(skin::RoundHalfEven(-2.6) == -3);
    CHECK(skin::RoundHalfEven(37.0) == 37);
    CHECK(skin::RoundHalfEven(75 / 2.0) == 38);
    CHECK(skin::RoundHalfEven(1e12) == 2147483647);
}
