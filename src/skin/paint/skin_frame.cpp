#include "skin/paint/skin_frame.h"

#include "skin/draw/primitives.h"

namespace skin {

void DrawSkinFrame(HDC dc, int width, int height, bool enabled, bool innerFrame, int thickness)
{
    const int t = thickness;
    FrameSolidRect(dc, 0, 0, width, height, enabled ? FrameColor : DisabledFrameColor, t);
    if (innerFrame) FrameSolidRect(dc, t, t, width - 2 * t, height - 2 * t, ControlColor, t);
}

}  // namespace skin
