#pragma once
// Colours are written 0xRRGGBB throughout the skin; the platform keeps them as 0x00BBGGRR.
// ToColorRef is the one place where they are converted on their way to GDI.
#include <windows.h>

#include <cstdint>

namespace skin {

using Rgb = std::uint32_t;  // 0xRRGGBB

constexpr COLORREF ToColorRef(Rgb c)
{
    return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

inline constexpr Rgb FrameColor = 0x54A5D5;
inline constexpr Rgb DisabledFrameColor = 0xA4CFE9;
inline constexpr Rgb PressedFrameColor = 0x3986C4;
inline constexpr Rgb ProgressColor = 0x4CD6F6;
inline constexpr Rgb KeyColor = 0xFF00FF;  // transparent parts of the skin images
inline constexpr Rgb White = 0xFFFFFF;
inline constexpr Rgb Black = 0x000000;
inline constexpr Rgb DisabledCaptionColor = 0x798A96;

}  // namespace skin
