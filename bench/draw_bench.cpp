// The drawing primitives and the skin image set against the plain operations they replace.
// Prints times per call measured side by side and their ratios.
#include <windows.h>

#include <cstdio>

#include "skin/draw/display_reference.h"
#include "skin/draw/primitives.h"
#include "skin/draw/skin_image_tables.h"
#include "skin/draw/skin_images.h"
#include "timing.h"

namespace {

// The pixels written the way they were first described: one SetPixel each.
void WritePixelByPixel(const skin::SkinImageSet& images)
{
    for (const skin::SkinImageTable& t : skin::SkinImageTables) {
        HDC dc = images.*t.surface;
        for (int y = 0; y < t.height; ++y)
            for (int x = 0; x < t.width; ++x)
                SetPixel(dc, x, y, skin::ToColorRef(t.pixels[y * t.width + x]));
    }
}

// The same build, surfaces made the same way, with the pixels written one SetPixel each.
void BuildPixelByPixel(skin::SkinImageSet& images)
{
    skin::OpenDisplayReference();
    images.built = true;
    for (const skin::SkinImageTable& t : skin::SkinImageTables)
        images.*t.surface = skin::CreateSkinSurface(t.width, t.height);
    WritePixelByPixel(images);
}

}  // namespace

int main()
{
    std::printf("Drawing primitives and skin images (times per call, ratio = first / second)\n");

    skin::SkinImageSet images;
    const bench::Comparison build = bench::Compare(
        [&] {
            skin::BuildSkinImageSet(images);
            skin::ReleaseSkinImageSet(images);
        },
        [&] {
            BuildPixelByPixel(images);
            skin::ReleaseSkinImageSet(images);
        });
    bench::Report("build + release the image set", "one transfer/image", "2,146 SetPixel",
                  build);

    skin::BuildSkinImageSet(images);
    bench::Report("write the 2,146 pixels (surfaces made)", "one transfer/image", "2,146 SetPixel",
                  bench::Compare(
                      [&] {
                          for (const skin::SkinImageTable& t : skin::SkinImageTables)
                              skin::WriteSkinImage(images.*t.surface, t);
                      },
                      [&] { WritePixelByPixel(images); }));

    HDC dst = skin::CreateSkinSurface(100, 40);
    HDC plain = skin::CreateSkinSurface(75, 23);

    bench::Report("button face 75 x 23", "StretchSkinCell", "BitBlt 75 x 23",
                  bench::Compare(
                      [&] {
                          skin::StretchSkinCell(dst, 0, 0, 75, 23, images.ButtonFaceImage, 0, 21,
                                                7, 21, 3, 3, 3, 3);
                      },
                      [&] { BitBlt(dst, 0, 0, 75, 23, plain, 0, 0, SRCCOPY); }));

    // What StretchSkinCell spends most of its time on: its scratch surface.
    bench::Report("scratch surface 75 x 23", "Create+DeleteSkinSurface", "BitBlt 75 x 23",
                  bench::Compare([&] { skin::DeleteSkinSurface(skin::CreateSkinSurface(75, 23)); },
                                 [&] { BitBlt(dst, 0, 0, 75, 23, plain, 0, 0, SRCCOPY); }));

    bench::Report("option circle 13 x 13", "BlitTransparent", "BitBlt 13 x 13",
                  bench::Compare(
                      [&] {
                          skin::BlitTransparent(dst, 0, 0, 13, 13, images.OptionCircleImage, 0,
                                                13, skin::KeyColor);
                      },
                      [&] { BitBlt(dst, 0, 0, 13, 13, images.OptionCircleImage, 0, 13, SRCCOPY); }));

    // The same block through the platform's own colour-keyed copy; both must leave the same
    // pixels, or the comparison means nothing.
    HDC viaSkin = skin::CreateSkinSurface(13, 13), viaPlatform = skin::CreateSkinSurface(13, 13);
    const auto keyed = [&](HDC target, bool platform) {
        BitBlt(target, 0, 0, 13, 13, nullptr, 0, 0, WHITENESS);
        if (platform)
            TransparentBlt(target, 0, 0, 13, 13, images.OptionCircleImage, 0, 13, 13, 13,
                           skin::ToColorRef(skin::KeyColor));
        else
            skin::BlitTransparent(target, 0, 0, 13, 13, images.OptionCircleImage, 0, 13,
                                  skin::KeyColor);
    };
    keyed(viaSkin, false);
    keyed(viaPlatform, true);
    int differing = 0;
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x) differing += GetPixel(viaSkin, x, y) != GetPixel(viaPlatform, x, y);
    bench::Report("option circle 13 x 13, keyed", "BlitTransparent", "TransparentBlt",
                  bench::Compare([&] { keyed(viaSkin, false); }, [&] { keyed(viaPlatform, true); }));
    std::printf("pixels that differ between the two: %d of 169\n", differing);
    skin::DeleteSkinSurface(viaSkin);
    skin::DeleteSkinSurface(viaPlatform);

    // A plain program makes an off-screen bitmap against the screen's DC.
    HDC screen = GetDC(nullptr);
    bench::Report("surface 75 x 23 made and deleted", "Create+DeleteSkinSurface",
                  "bare, screen DC",
                  bench::Compare([&] { skin::DeleteSkinSurface(skin::CreateSkinSurface(75, 23)); },
                                 [&] {
                                     HDC dc = CreateCompatibleDC(screen);
                                     HBITMAP bitmap = CreateCompatibleBitmap(screen, 75, 23);
                                     HGDIOBJ old = SelectObject(dc, bitmap);
                                     SelectObject(dc, old);
                                     DeleteDC(dc);
                                     DeleteObject(bitmap);
                                 }));
    ReleaseDC(nullptr, screen);

    skin::DeleteSkinSurface(plain);
    skin::DeleteSkinSurface(dst);
    skin::ReleaseSkinImageSet(images);
    return 0;
}
