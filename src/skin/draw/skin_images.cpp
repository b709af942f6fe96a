#include "skin/draw/skin_images.h"

#include <utility>

#include "skin/draw/display_reference.h"
#include "skin/draw/primitives.h"
#include "skin/draw/skin_image_tables.h"

namespace skin {

namespace {

// One transfer per image. A 32-bit DIB pixel is laid out 0x00RRGGBB in memory, the same way
// the tables write their colours, so the rows go to the platform as they stand.
void WritePixels(HDC surface, int width, int height, const Rgb* pixels)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(surface, 0, 0, width, height, 0, 0, 0, height, pixels, &info, DIB_RGB_COLORS);
}

}  // namespace

void WriteSkinImage(HDC surface, const SkinImageTable& table, const Rgb* pixels)
{
    WritePixels(surface, table.width, table.height, pixels ? pixels : table.pixels);
}

void BuildSkinImageSet(SkinImageSet& images, const SkinDefinition* skin)
{
    // Building over a set that still holds surfaces would leak them.
    ReleaseSkinImageSet(images);
    OpenDisplayReference();
    images.built = true;
    for (const SkinImageTable& table : SkinImageTables)
        images.*table.surface = CreateSkinSurface(table.width, table.height);
    for (size_t i = 0; i < SkinImageTables.size(); ++i) {
        const SkinImageTable& table = SkinImageTables[i];
        WriteSkinImage(images.*table.surface, table, skin ? skin->images[i].data() : nullptr);
        const int f = skin ? skin->factor[i] : 1;
        if (f == 1) continue;
        images.large[i] = CreateSkinSurface(table.width * f, table.height * f);
        images.factor[i] = f;
        WritePixels(images.large[i], table.width * f, table.height * f, skin->large[i].data());
    }
}

SkinColors& ThreadSkinColors()
{
    thread_local SkinColors engineColors = BuiltInColors;  // the calling thread's engine's
    return engineColors;
}

SkinImageSet& SkinImages()
{
    thread_local SkinImageSet engineImages;  // the calling thread's engine's
    return engineImages;
}

void ReleaseSkinImageSet(SkinImageSet& images)
{
    for (const SkinImageTable& table : SkinImageTables) {
        DeleteSkinSurface(images.*table.surface);
        images.*table.surface = nullptr;
    }
    for (HDC& large : images.large) DeleteSkinSurface(std::exchange(large, nullptr));
    images.factor.fill(1);
    if (images.built) CloseDisplayReference();
    images.built = false;
}

}  // namespace skin
