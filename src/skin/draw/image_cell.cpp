#include "skin/draw/image_cell.h"

#include "skin/draw/dpi_scale.h"
#include "skin/draw/primitives.h"
#include "skin/draw/skin_image_tables.h"

namespace skin {

ImageCell PickImageCell(HDC SkinImageSet::*image, int x, int y, int w, int h, UINT dpi)
{
    const SkinImageSet& images = SkinImages();
    size_t i = 0;
    while (i < SkinImageTables.size() && SkinImageTables[i].surface != image) ++i;
    if (dpi == BaseDpi || i == SkinImageTables.size() || !images.large[i])
        return {images.*image, x, y, w, h, 1, dpi};
    const int f = images.factor[i];
    // Margins of m image pixels become m * f picture pixels drawn at dpi / f: m * dpi / 96 on the
    // destination, as from the image.
    return {images.large[i], x * f, y * f, w * f, h * f, f,
            static_cast<UINT>(RoundHalfEven(static_cast<double>(dpi) / f))};
}

}  // namespace skin
