// skin-sheet: draws the five built-in skin images, enlarged with a pixel grid and their cells
// outlined, into one BMP; with --raw DIR also writes the skin folder of the built-in skin: each
// image at its own size as DIR/<name>.bmp (with --raw-scale 2 or 3 as pictures for high DPI, each
// pixel doubled or tripled), and DIR/skin.ini with its colours.
// The pixels are read back from the surfaces the skin builds, not from its tables.
//
//   skin-sheet [SHEET.bmp] [--raw DIR [--raw-scale 1|2|3]] [--scale N]   (defaults: skin-sheet.bmp, 8)
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "pixels.h"
#include "raw_skin.h"
#include "sheet.h"
#include "skin/draw/skin_image_tables.h"

namespace {

// The cells of each image, in the order of the image set.
const std::vector<RECT> Cells[] = {
    {{0, 0, 7, 21}, {0, 21, 7, 42}, {0, 42, 7, 63}, {0, 63, 7, 84}},
    {{0, 0, 4, 18}, {4, 0, 8, 18}, {8, 0, 15, 4}, {8, 4, 15, 8}},
    {{0, 0, 9, 8}, {9, 0, 18, 8}, {1, 9, 8, 16}, {10, 9, 17, 16}, {2, 18, 7, 23}, {11, 18, 16, 23}},
    {{0, 0, 13, 13}, {0, 13, 13, 26}, {0, 26, 13, 39}, {0, 39, 13, 52}},
    {{0, 0, 3, 20}, {3, 0, 6, 20}, {6, 0, 9, 20}},
};

std::wstring Widen(const char* s)
{
    return std::wstring(s, s + std::strlen(s));
}

int Usage()
{
    std::fputs("usage: skin-sheet [SHEET.bmp] [--raw DIR [--raw-scale 1|2|3]] [--scale N]\n", stderr);
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    std::wstring sheetPath = L"skin-sheet.bmp", rawDir;
    int scale = 8, rawScale = 1;
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg == L"--raw" && i + 1 < argc) {
            rawDir = argv[++i];
        } else if (arg == L"--raw-scale" && i + 1 < argc) {
            rawScale = _wtoi(argv[++i]);
            if (rawScale < 1 || rawScale > 3) return Usage();
        } else if (arg == L"--scale" && i + 1 < argc) {
            scale = _wtoi(argv[++i]);
            if (scale < 2 || scale > 64) return Usage();
        } else if (!arg.empty() && arg[0] != L'-') {
            sheetPath = arg;
        } else {
            return Usage();
        }
    }

    skin::SkinImageSet set;
    skin::BuildSkinImageSet(set);
    std::vector<SheetImage> images;
    for (size_t i = 0; i < skin::SkinImageTables.size(); ++i) {
        const skin::SkinImageTable& t = skin::SkinImageTables[i];
        images.push_back({Widen(t.name) + L"\n" + std::to_wstring(t.width) + L" x " +
                              std::to_wstring(t.height),
                          ReadPicture(set.*t.surface, t.width, t.height), Cells[i]});
    }

    int failures = 0;
    if (!rawDir.empty() && !WriteRawSkin(rawDir, set, skin::BuiltInColors, rawScale)) {
        std::fwprintf(stderr, L"skin-sheet: cannot write the skin folder %ls\n", rawDir.c_str());
        ++failures;
    }
    skin::ReleaseSkinImageSet(set);
    if (!WriteBmp(sheetPath, ComposeSheet(images, scale))) {
        std::fwprintf(stderr, L"skin-sheet: cannot write %ls\n", sheetPath.c_str());
        ++failures;
    }
    return failures ? 1 : 0;
}
