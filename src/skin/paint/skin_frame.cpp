#include "skin/paint/skin_frame.h"

#include "skin/draw/primitives.h"

namespace skin {

void DrawSkinFrame(HDC dc, int width, int height, bool enabled, bool innerFrame)
{
    FrameSolidRect(dc, 0, 0, width, height, enabled ? FrameColor : DisabledFrameColor);
    if (innerFrame) FrameSolidRect(dc, 1, 1, width - 2, height - 2, White);
}

}  // namespace skin
