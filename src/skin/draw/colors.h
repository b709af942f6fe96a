#pragma once
// Colours are written 0xRRGGBB throughout the skin; the platform keeps them as 0x00BBGGRR.
// ToColorRef is the one place where they are converted on their way to GDI.
#include <windows.h>

#include <cstdint>

namespace skin {

using Rgb = std::uint32_t;  // 0xRRGGBB

inline constexpr Rgb White = 0xFFFFFF;
inline constexpr Rgb Black = 0x000000;

constexpr COLORREF ToColorRef(Rgb c)
{
    return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

// The colours a skin names (skin.ini's [Colors]).
struct SkinColors {
    Rgb frame;
    Rgb disabledFrame;
    Rgb pressedFrame;
    Rgb progress;
    Rgb key;         // transparent parts of the skin images
    Rgb caption[4];  // a command button's caption on its normal, hot, pressed and disabled face
    // Backgrounds and text of skinned forms, dialogs and their static, edit and list controls;
    // without them those windows keep the system's colours.
    bool hasWindowColors;
    Rgb window;
    Rgb windowText;
    // The fill of the surfaces the skin draws its controls on (check and option boxes, the combo's
    // ring and body, a drop button's normal face, progress fields, scroll-bar tracks, track-bar
    // channels): white in the built-in skin.
    Rgb control = White;
};

inline constexpr SkinColors BuiltInColors{
    0x54A5D5, 0xA4CFE9, 0x3986C4, 0x4CD6F6, 0xFF00FF, {0x000000, 0x000000, 0x000000, 0x798A96},
    false, 0, 0};

// The colours of the skin the calling thread's engine draws with: taken with its images, so that
// a thread shows one skin whole until it learns of another.
SkinColors& ThreadSkinColors();

// The painters' names for them: each reads the calling thread's colour where it is used.
struct ThreadColor {
    Rgb SkinColors::*field;
    operator Rgb() const { return ThreadSkinColors().*field; }
};
struct ThreadCaptionColors {
    Rgb operator[](INT_PTR state) const { return ThreadSkinColors().caption[state]; }
};
inline constexpr ThreadColor FrameColor{&SkinColors::frame};
inline constexpr ThreadColor DisabledFrameColor{&SkinColors::disabledFrame};
inline constexpr ThreadColor PressedFrameColor{&SkinColors::pressedFrame};
inline constexpr ThreadColor ProgressColor{&SkinColors::progress};
inline constexpr ThreadColor KeyColor{&SkinColors::key};
inline constexpr ThreadColor ControlColor{&SkinColors::control};
inline constexpr ThreadCaptionColors CaptionColors{};

}  // namespace skin
