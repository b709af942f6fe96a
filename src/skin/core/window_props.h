#pragma once
// The skin keeps every piece of per-window state in window properties of the window itself, under
// these exact ANSI names (other code in the process may read them). Values are pointer-sized; an
// absent property reads as 0.
#include <windows.h>

namespace skin {

namespace prop {
inline constexpr const char* ProcAddr = "PROCADDR";
// The procedure SkinWindowProc hands messages on to, for as long as it sits in the window's chain.
// It outlives PROCADDR when another procedure was installed on top of the skin's: the skin cannot
// unhook itself then without cutting that one out, so it stays and passes everything through until
// WM_NCDESTROY. It also keeps the window working when other code removes PROCADDR.
inline constexpr const char* NextProc = "NEXTPROC";
inline constexpr const char* OldState = "OLDSTATE";
inline constexpr const char* OldStyle = "OLDSTYLE";
inline constexpr const char* MouseFlag = "MOUSEFLAG";
inline constexpr const char* TimerId = "TIMERID";
inline constexpr const char* AlphaLevel = "ALPHALEVEL";
inline constexpr const char* HdIndex = "HDINDEX";
inline constexpr const char* HmIndex = "HMINDEX";
// The flags SkinWindowEx gave the window (SKINF_CHILDREN: it holds the skin for everything inside
// it, whatever its class), for as long as it is skinned.
inline constexpr const char* SkinFlags = "SKINFLAGS";

// The standard scroll bars the skin draws in place of the system's: bit 1 the vertical, bit 2 the
// horizontal. The window's WS_VSCROLL and WS_HSCROLL stay off meanwhile, as the system draws its
// own scroll bars (outside any message) only for a window whose style has them.
inline constexpr const char* ScrollBars = "SBSHOWN";
// A digest of both bars' scroll information, as last drawn.
inline constexpr const char* ScrollState = "SBSTATE";
// The bar part under the pointer and the one held down: bar (1 or 2) * 8 + part.
inline constexpr const char* ScrollHot = "SBHOT";
inline constexpr const char* ScrollHeld = "SBHELD";
// While a thumb is dragged (a window's or a ScrollBar control's): where it is drawn, along the
// bar, plus one.
inline constexpr const char* ScrollThumb = "SBTHUMB";
// Meanwhile the position that thumb stands for, which GetScrollInfo reports as the track position,
// as it does while the system tracks a thumb itself.
inline constexpr const char* ScrollTrack = "SBTRACK";
// Set while the skin itself changes the window's style: the window is not told, and a frame
// change then takes no scroll bar.
inline constexpr const char* ScrollQuiet = "SBQUIET";

// The surface of face state i is named "<i>HDC", its bitmap "<i>BMP" (i = 0..3).
inline constexpr const char* FaceDc[4] = {"0HDC", "1HDC", "2HDC", "3HDC"};
inline constexpr const char* FaceBitmap[4] = {"0BMP", "1BMP", "2BMP", "3BMP"};
}  // namespace prop

inline constexpr INT_PTR SkinChildrenFlag = 1;

// The looks of a control, as OLDSTATE holds them (Disabled only for command buttons).
namespace look {
inline constexpr INT_PTR Normal = 0;
inline constexpr INT_PTR Hot = 1;
inline constexpr INT_PTR Pressed = 2;
inline constexpr INT_PTR Disabled = 3;
}  // namespace look

inline INT_PTR GetSkinProp(HWND window, const char* name)
{
    return reinterpret_cast<INT_PTR>(GetPropA(window, name));
}

inline void SetSkinProp(HWND window, const char* name, INT_PTR value)
{
    SetPropA(window, name, reinterpret_cast<HANDLE>(value));
}

// Sets the property and says whether its value changed: the trackers repaint only then.
inline bool ChangeSkinProp(HWND window, const char* name, INT_PTR value)
{
    if (GetSkinProp(window, name) == value) return false;
    SetSkinProp(window, name, value);
    return true;
}

inline void RemoveSkinProp(HWND window, const char* name)
{
    RemovePropA(window, name);
}

}  // namespace skin
