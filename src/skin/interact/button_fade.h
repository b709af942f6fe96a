#pragma once
// A command button changes its look by cross-fading to the face of its new state: every 15 ms
// the face is blended again at an alpha 3 higher, until a blend at 255 leaves exactly that face.
// A press shows at once. Each function is one row of the button's transitions; all but
// FadeStep run after the button's own procedure has handled the message.
#include <windows.h>

namespace skin {

inline constexpr int FadeAlphaStep = 3;
inline constexpr int ReleaseStartLevel = 60;
inline constexpr int LeaveHotLevel = 140;

void ButtonMouseMove(HWND button);
void ButtonMouseLeave(HWND button);
void ButtonPress(HWND button);  // left button down, double-click, space bar down
void ButtonRelease(HWND button);
void ButtonSpaceRelease(HWND button);
void ButtonEnable(HWND button, bool enabled);
void ButtonFocusChange(HWND button);
// One tick: blend at ALPHALEVEL, step the level, stop after the blend at 255.
void FadeStep(HWND button);

}  // namespace skin
