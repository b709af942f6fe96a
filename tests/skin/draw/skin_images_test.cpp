// The five skin images as built: the stated pixels as tables, the shading schemes as properties.
#include <doctest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "skin/draw/colors.h"
#include "skin/draw/skin_images.h"
#include "support/test_window.h"

using skin::Rgb;

namespace {

enum Img { Face, Drop, Glyph, Circle, Header };
HDC skin::SkinImageSet::*const Surfaces[] = {
    &skin::SkinImageSet::ButtonFaceImage, &skin::SkinImageSet::DropButtonImage,
    &skin::SkinImageSet::CheckGlyphImage, &skin::SkinImageSet::OptionCircleImage,
    &skin::SkinImageSet::HeaderItemImage};

// A pixel of the set every test reads, built once for the whole program.
Rgb Px(Img i, int x, int y)
{
    static const skin::SkinImageSet set = [] {
        skin::SkinImageSet built;
        skin::BuildSkinImageSet(built);
        return built;
    }();
    const COLORREF c = GetPixel(set.*Surfaces[i], x, y);
    return c == CLR_INVALID ? 0x1000000 : test::ToRgb(c);  // outside the image: no colour
}

int Luma(Rgb c)
{
    return 299 * int(c >> 16 & 0xFF) + 587 * int(c >> 8 & 0xFF) + 114 * int(c & 0xFF);
}

// Stated pixels "RRGGBB RRGGBB ..." from (x, y) rightwards (R) or down (D); a mismatch shows both.
enum Dir { R, D };
struct Run { Img image; int x, y; Dir dir; std::string colours; };

std::string Times(int n, const std::string& colour)
{
    std::string s = colour;
    while (--n > 0) s += " " + colour;
    return s;
}

void CheckRun(const Run& r)
{
    std::string found;
    for (int i = 0; i < int(r.colours.size() + 1) / 7; ++i) {
        char s[9];
        const Rgb c = Px(r.image, r.x + (r.dir == R) * i, r.y + (r.dir == D) * i);
        std::snprintf(s, sizeof s, i ? " %06X" : "%06X", unsigned(c));
        found += s;
    }
    CHECK_MESSAGE(found == r.colours.substr(0, found.size()),
                  "image " << r.image << " from (" << r.x << ", " << r.y << ")");
}

const Run Runs[] = {
    // ButtonFaceImage: cell c starts at row 21c. The telling rows.
    {Face, 0, 1, R, "69B2E2 7EC0E7 E7F3FB FFFFFF E7F3FB 7EC0E7 69B2E2"},
    {Face, 0, 2, R, "2995D7 ECF6FC FFFFFF FFFFFF FFFFFF ECF6FC 2995D7"},
    {Face, 0, 3, R, "1B8FD5 F5FAFD F1F8FC F1F8FC F1F8FC F5FAFD 1B8FD5"},
    {Face, 0, 10, R, "1B8FD5 E3F0FB D7EAF9 D7EAF9 D7EAF9 E3F0FB 1B8FD5"},
    {Face, 0, 17, R, "1B8FD5 C9DEF0 B1D0EA B1D0EA B1D0EA C9DEF0 1B8FD5"},
    {Face, 0, 19, R, "64B0E2 68B2E1 BBD8EE CCE0F1 BBD8EE 68B2E1 62AFE1"},
    {Face, 0, 21 + 2, R, "2995D7 3DBCF9 8DDAFE C6EDFF 8DDAFE 3DBCF9 2995D7"},
    {Face, 0, 21 + 10, R, "1B8FD5 4AC2FB B9E4FC D9EDFB B9E4FC 4AC2FB 1B8FD5"},
    {Face, 0, 21 + 19, R, "64B0E2 25A1E5 33B5F6 3FBBF8 33B6F6 24A1E5 62AFE1"},
    {Face, 0, 42 + 2, R, "2995D7 2EB6F8 6FC9F8 86CCF3 6DC8F8 2CB5F7 2995D7"},
    {Face, 0, 42 + 10, R, "1B8FD5 3FBDFB AADAF8 C5E4F9 AADAF8 3FBDFB 1B8FD5"},
    {Face, 0, 42 + 18, R, "2895D7 36B9FA 86D7FE AEE4FD 88D7FE 36BAFA 2895D7"},
    {Face, 0, 63 + 0, R, "F2F7FB AFD5EF 8FC7EA 87C3E8 8FC7EA AFD5EF F2F7FB"},
    {Face, 0, 63 + 2, R, "8EC6E9 EFF7FB F8FBFD F8FBFD F8FBFD EFF7FB 8EC6E9"},
    {Face, 0, 63 + 10, R, "87C3E8 EBF4FB E5F1FA E5F1FA E5F1FA EBF4FB 87C3E8"},
    {Face, 0, 63 + 20, R, "F2F6FB A9D2EE 8EC6EA 87C3E8 8EC6EA A9D2EE F2F6FB"},
    // The centre column of each cell; the hot highlight column at row 17.
    {Face, 1, 21 + 17, R, "39BAF8"},
    {Face, 3, 0, D, "1B8FD5 FFFFFF FFFFFF F1F8FC EEF6FB EAF4FB E6F2FB E2F0FA DEEEFA DAECF9 D7EAF9 "
                    "CCE2F5 C8DFF3 C3DCF1 BED8EF B8D5ED B4D2EB B1D0EA B0CFE9 CCE0F1 1B8FD5"},
    {Face, 3, 21, D, "1B8FD5 4CC3FB C6EDFF D2EEFC DFF2FC E4F2FC E2F2FC E0F1FB DDF0FB DBEEFB D9EDFB "
                     "CBE4F7 C7E1F5 C2DEF3 BCDBF2 B7D7F1 AFD5EF A7D4F2 99D2F3 3FBBF8 1B8FD5"},
    {Face, 3, 42, D, "1B8FD5 39BCFB 86CCF3 9FD4F3 ABD7F3 B3D9F3 B7DBF3 BCDDF5 BFE1F6 C3E2F8 C5E4F9 "
                     "CFEBFB D1ECFB D4EDFC D6EEFC D6EFFC D1EEFC C3EAFD AEE4FD 40C1FD 1B8FD5"},
    {Face, 3, 63, D, "87C3E8 F8FBFD F8FBFD F2F7FB F0F7FB EEF6FB ECF5FB EAF4FB E8F3FB E6F2FA E5F1FA "
                     "DFEDF8 DDEBF7 DBEAF6 D8E7F5 D5E6F4 D3E4F3 D2E3F3 D1E3F2 DFEBF6 87C3E8"},
    // DropButtonImage: hot face in columns 0-3, pressed face in columns 4-7.
    {Drop, 0, 0, D, Times(18, "4EA0D1")}, {Drop, 4, 0, D, Times(18, "4EA0D1")},
    {Drop, 0, 0, R, "4EA0D1 E8F9FF E8F9FF E8F9FF 4EA0D1 BEE1F3 BEE1F3 BEE1F3"},
    {Drop, 0, 17, R, "4EA0D1 C0E1F3 C0E1F3 C0E1F3 4EA0D1 E6F8FE E6F8FE E6F8FE"},
    {Drop, 4, 1, R, "4EA0D1 C0E1F3 61B5E2 C0E1F3"},
    {Drop, 4, 9, R, "4EA0D1 D3EDF9 91D1EF D3EDF9"},
    {Drop, 2, 1, R, "C1EEFD"}, {Drop, 2, 9, R, "91D1EF"}, {Drop, 2, 16, R, "65B8E3"},
    // OptionCircleImage: cell c starts at row 13c; row 0 between the key corners, row 6.
    {Circle, 3, 0, R, "BCCFE7 95B3D9 86A8D3 83A6D2 86A8D3 95B3D9 BCCFE7"},
    {Circle, 3, 13, R, "BCCFE7 95B3D9 86A8D3 83A6D2 86A8D3 95B3D9 BCCFE7"},
    {Circle, 3, 26, R, "A4BCDD 7699CA 678BC2 6489C1 678BC2 7699CA A4BCDD"},
    {Circle, 3, 39, R, "DDE7F3 CAD9EC C2D3E9 C1D2E8 C2D3E9 CAD9EC DDE7F3"},
    {Circle, 0, 6, R, "83A6D2 F3F7FA FDFEFE FFFFFF FFFFFF FFFFFF FFFFFF FFFFFF FFFFFF FFFFFF "
                      "FDFEFE F3F7FA 83A6D2"},
    {Circle, 0, 19, R, "83A6D2 C4EAF8 C5EBF8 C7ECF9 C9EDF9 CCEEFA CFEEFA D0F0FA D4F1FA D6F1FB "
                       "D9F2FB DBF4FC 83A6D2"},
    {Circle, 0, 32, R, "6489C1 ADE1F5 AEE2F5 B1E2F5 B4E5F7 B8E6F7 BCE7F8 BFEAF9 C3ECF9 C8EDF9 "
                       "CDEFFA CFEFFA 6489C1"},
    {Circle, 0, 45, R, "C1D2E8 F9FBFC FEFEFE FFFFFF FFFFFF FFFFFF FFFFFF FFFFFF FFFFFF FFFFFF "
                       "FEFEFE F9FBFC C1D2E8"},
    // HeaderItemImage: cell c is columns 3c to 3c + 2.
    {Header, 0, 0, R, "EAF5FE EAF5FE EAF5FE BDE6FD D3EEFE BDE6FD 97D7FB 97D7FB 97D7FB"},
    {Header, 0, 9, R, "EDF5FB D3E5F6 7AB0D9 5EC2FA AFE1FD 4BA2DB 5EC2FA B0E7FF 4BA2DB"},
    {Header, 0, 18, R, "D3E5F6 D3E5F6 D3E5F6 73CCFB A8DDFC 73CCFB A8E3FD C8F2FF A8E3FD"},
    {Header, 0, 19, R, Times(9, "C0DAF2")},
    {Header, 2, 9, D, Times(2, "7AB0D9")}, {Header, 3, 5, D, Times(13, "5EC2FA")},
    {Header, 6, 3, D, Times(10, "5EC2FA")}, {Header, 5, 9, D, Times(2, "4BA2DB")},
    {Header, 8, 9, D, Times(2, "4BA2DB")}, {Header, 7, 1, D, "9FDCFF"},
    {Header, 7, 16, D, Times(3, "C8F2FF")},
};

// Glyph pictures: '.' is the key colour, a letter the colour at its place in the legend.
void CheckPicture(Img image, int x, const std::vector<std::string>& rows,
                  const std::string& legend)
{
    for (int y = 0; y < int(rows.size()); ++y) {
        std::string run;
        for (char c : rows[y])
            run += c == '.' ? "FF00FF " : (legend + " ").substr(7 * (c - 'a'), 7);
        CheckRun({image, x, y, R, run});
    }
}

bool InDisc(int x, int y)
{
    static const int widths[] = {7, 9, 11, 13, 13, 13, 13, 13, 13, 13, 11, 9, 7};
    return x >= 0 && y >= 0 && x < 13 && y < 13 && std::abs(x - 6) <= widths[y] / 2;
}

// Steps down column x, rows first to last, against the sense (-1 darkens downwards, +1 lightens).
int AgainstGrade(Img image, int x, int first, int last, int sense)
{
    int against = 0;
    for (int y = first; y < last; ++y)
        against += sense * (Luma(Px(image, x, y + 1)) - Luma(Px(image, x, y))) < 0;
    return against;
}

}  // namespace

TEST_CASE("five surfaces of 2,146 pixels, rebuilt the same: every stated pixel, mask and key area")
{
    const SIZE sizes[] = {{7, 84}, {15, 18}, {18, 24}, {13, 52}, {9, 20}};
    skin::SkinImageSet again;
    skin::BuildSkinImageSet(again);
    int pixels = 0, wrong = 0;
    for (int i = 0; i < 5; ++i) {
        BITMAP bm{};
        GetObjectW(GetCurrentObject(again.*Surfaces[i], OBJ_BITMAP), sizeof bm, &bm);
        CHECK((bm.bmWidth == sizes[i].cx && bm.bmHeight == sizes[i].cy));
        for (int p = 0; p < bm.bmWidth * bm.bmHeight; ++p, ++pixels) {
            const int x = p % bm.bmWidth, y = p / bm.bmWidth;
            const Rgb c = Px(Img(i), x, y);
            // Unwritten (a new bitmap is black, no scheme is), unlike the rebuild, or a wrong key.
            wrong += c == 0 || c != test::DcPixel(again.*Surfaces[i], x, y) ||
                     (c == skin::KeyColor && (i == Face || i == Header));
        }
    }
    skin::ReleaseSkinImageSet(again);
    CHECK(pixels == 2146);
    CHECK(wrong == 0);

    for (const Run& r : Runs) CheckRun(r);
    for (int top : {0, 21, 42}) {  // ButtonFaceImage cells 0-2: rows 0 and 20, the borders
        CheckRun({Face, 0, top, R, "BFE1F9 6BB3E3 2C97D8 1B8FD5 2C97D8 6BB3E3 BFE1F9"});
        CheckRun({Face, 0, top + 20, R, "CAE7FB 60AEE1 2A96D8 1B8FD5 2A96D8 60AEE1 CAE7FB"});
        for (int x : {0, 6}) CheckRun({Face, x, top + 3, D, Times(15, "1B8FD5")});
    }
    for (int x : {0, 6}) CheckRun({Face, x, 63 + 3, D, Times(15, "87C3E8")});
    std::vector<std::string> arrows = {"aaaaaaa", ".aaaaa.", "..aaa..", "...a...",
                                       "bbbbbbb", ".bbbbb.", "..bbb..", "...b..."};
    arrows.resize(18, ".......");
    CheckPicture(Drop, 8, arrows, "19555F 84A5AC");
    const std::vector<std::string> glyphs = {  // check mark a-h, square i-o, dot p-y
        "........a", ".......bb", "......ccc", "dd...ddd.", "eee.eee..", ".fffff...", "..ggg....",
        "...h.....", ".........", ".iiiiiii.", ".jjjjjjj.", ".kkkkkkk.", ".lllllll.", ".mmmmmmm.",
        ".nnnnnnn.", ".ooooooo.", ".........", ".........", "...pqp...", "..rsssr..", "..tuuut..",
        "..vwwwv..", "...xyx...", "........."};
    CheckPicture(Glyph, 0, glyphs,
                 "54B71D 51B41B 4DAF17 48A913 43A20F 3E9C0A 399606 359102 51B41B 4EB018 49AB14 "
                 "45A410 409E0C 3B9807 399606 87CC60 5CBA28 83C85E 4FB119 50AC1D 47A812 78BA54 "
                 "3F9D0B 73B44F 409910");
    CheckPicture(Glyph, 9, glyphs,
                 "A8DA8C A6D98B A4D689 A2D387 9FD085 9DCD82 9AC980 98C77E A6D98B A4D689 A3D487 "
                 "A0D186 9ECE83 9BCA81 9AC980 C3E5AF ADDC93 C1E3AE A7D88C A7D58E A3D388 BBDCA9 "
                 "9FCE85 B9D9A7 9FCC87");
}

TEST_CASE("the schemes: graded faces and rings, near or exact mirror images, the drop face flipped")
{
    int differing = 0;  // ButtonFaceImage: pixel pairs about column 3
    for (int p = 0; p < 84 * 3; ++p) {
        const int x = p % 3, y = p / 3, row = y % 21;
        const Rgb a = Px(Face, x, y), b = Px(Face, 6 - x, y);
        if (a == b) continue;
        ++differing;
        INFO("row " << y << " column " << x);
        CHECK(((row >= 1 && row <= 5) || (row >= 16 && row <= 19)));
        for (int shift : {0, 8, 16})
            CHECK(std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)) <= 7);
    }
    CHECK(differing == 24);
    for (int p = 0; p < 4 * 5; ++p) {
        const int cell = p / 5, x = 1 + p % 5, top = 21 * cell;
        INFO("cell " << cell << " column " << x);
        // Darker below in normal, hot (from its lightest row, 5) and disabled; lighter below in
        // pressed (down to its lightest rows, 14-15); a step between rows 10 and 11.
        CHECK(AgainstGrade(Face, x, top + (cell == 1 ? 5 : 3), top + (cell == 2 ? 15 : 17),
                           cell == 2 ? 1 : -1) == 0);
        const int step = Luma(Px(Face, x, top + 11)) - Luma(Px(Face, x, top + 10));
        CHECK((cell == 2 ? step > 0 : step < 0));
    }
    for (int y = 0; y < 18; ++y) {  // DropButtonImage
        for (int x : {1, 5}) CHECK(Px(Drop, x, y) == Px(Drop, x + 2, y));  // equal sides
        for (int x = 0; x < 4 && y >= 2 && y <= 16; ++x)  // pressed: the hot face upside down
            CHECK(Px(Drop, 4 + x, y) == Px(Drop, x, 18 - y));
    }
    const int grades[][5] = {  // image, column, rows first to last, sense
        {Drop, 1, 0, 17, -1}, {Drop, 2, 1, 16, -1}, {Header, 2, 0, 9, -1}, {Header, 2, 10, 18, 1},
        {Header, 5, 0, 9, -1}, {Header, 5, 10, 18, 1}, {Header, 8, 0, 9, -1},
        {Header, 8, 10, 18, 1}, {Header, 4, 0, 18, -1}, {Header, 7, 1, 18, 1}};
    for (const auto& g : grades)
        CHECK_MESSAGE(AgainstGrade(Img(g[0]), g[1], g[2], g[3], g[4]) == 0,
                      "image " << g[0] << " column " << g[1] << " rows " << g[2] << "-" << g[3]);

    for (int cell = 0; cell < 4; ++cell) {  // OptionCircleImage
        INFO("cell " << cell);
        const int top = 13 * cell;
        CHECK(Px(Circle, 6, top + 12) == Px(Circle, 6, top));  // the other extremes are stated
        // Brightness follows a rank: on the ring the angle off the axes; inside, nearness to the
        // middle (cells 0, 3) or the diagonal to the lower right (hot) or upper right (pressed).
        std::vector<std::tuple<bool, double, int>> disc;  // on the ring, rank, brightness
        bool mirrored = true;
        for (int p = 0; p < 13 * 13; ++p) {
            const int x = p % 13, y = p / 13;
            const Rgb c = Px(Circle, x, top + y);
            mirrored = mirrored && c == Px(Circle, 12 - x, top + y);
            CHECK_MESSAGE((c == skin::KeyColor) == !InDisc(x, y), "(" << x << ", " << y << ")");
            const bool ring =
                !InDisc(x - 1, y) || !InDisc(x + 1, y) || !InDisc(x, y - 1) || !InDisc(x, y + 1);
            const double a = std::atan2(std::abs(y - 6), std::abs(x - 6)), off = std::acos(0.0) - a;
            const double rank = ring ? std::min(a, off) : cell == 1 ? x + y : cell == 2 ? x - y
                                                        : -std::hypot(x - 6, y - 6);
            if (InDisc(x, y)) disc.emplace_back(ring, rank, Luma(c));
        }
        int against = 0;
        for (auto [ringA, rankA, a] : disc)
            for (auto [ringB, rankB, b] : disc)
                against += ringA == ringB && rankA < rankB - 1e-9 && a > b;
        CHECK(against == 0);
        CHECK(mirrored == (cell == 0 || cell == 3));
    }
}
