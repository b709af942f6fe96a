#include "skin/interact/button_fade.h"

#include "skin/core/fade_timer.h"
#include "skin/core/window_props.h"
#include "skin/interact/pointer_tracking.h"
#include "skin/paint/button_faces.h"

namespace skin {
namespace {

void SetLook(HWND button, INT_PTR state, INT_PTR level)
{
    SetSkinProp(button, prop::OldState, state);
    SetSkinProp(button, prop::AlphaLevel, level);
}

// Read at every fade: the person may turn the system's animations off while the program runs.
bool AnimationsOn()
{
    BOOL on = TRUE;
    return !SystemParametersInfoW(SPI_GETCLIENTAREAANIMATION, 0, &on, 0) || on;
}

// Fades to the face of OLDSTATE, or with animations off shows that face at once and leaves what
// a finished fade leaves.
void StartFade(HWND button, bool animate)
{
    if (animate) {
        StartFadeTimer(button);
        return;
    }
    StopFadeTimer(button);
    PaintButtonFaceAs(button, nullptr, GetSkinProp(button, prop::OldState), 255);
    SetSkinProp(button, prop::AlphaLevel, 0);
}

void StartFade(HWND button)
{
    StartFade(button, AnimationsOn());
}

}  // namespace

void ButtonMouseMove(HWND button)
{
    if (EnterControl(button)) {
        SetLook(button, look::Hot, 0);
        StartFade(button);
    } else if (!IsCursorOver(button)) {
        // Dragged off with the button held: cover what the control drew with the current face.
        StopFadeTimer(button);
        SetSkinProp(button, prop::AlphaLevel, 255);
        PaintButtonFaceAs(button, nullptr, GetSkinProp(button, prop::OldState), 255);
    }
}

void ButtonMouseLeave(HWND button)
{
    SetSkinProp(button, prop::MouseFlag, 0);
    const bool animate = AnimationsOn();
    if (animate) {
        SetLook(button, look::Hot, LeaveHotLevel);
        PaintButtonFaceAs(button, nullptr, look::Hot, LeaveHotLevel);
    }
    SetLook(button, look::Normal, 0);
    StartFade(button, animate);
}

void ButtonPress(HWND button)
{
    StopFadeTimer(button);
    SetLook(button, look::Pressed, 255);
    PaintButtonFaceAs(button, nullptr, look::Pressed, 255);
    SetSkinProp(button, prop::AlphaLevel, 0);
}

void ButtonRelease(HWND button)
{
    SetSkinProp(button, prop::MouseFlag, 0);
    SetLook(button, look::Normal, ReleaseStartLevel);
    StartFade(button);
}

void ButtonSpaceRelease(HWND button)
{
    SetSkinProp(button, prop::MouseFlag, 0);
    SetLook(button, look::Normal, 0);
    StartFade(button);
}

void ButtonEnable(HWND button, bool enabled)
{
    // Blends at the level a running or finished fade left; the new face shows fully at the
    // next repaint or fade.
    const INT_PTR state = enabled ? look::Normal : look::Disabled;
    SetSkinProp(button, prop::OldState, state);
    PaintButtonFaceAs(button, nullptr, state, GetSkinProp(button, prop::AlphaLevel));
}

void ButtonFocusChange(HWND button)
{
    // The focus box comes and goes with the faces, and fades in with the current one.
    RenderButtonFaces(button);
    SetSkinProp(button, prop::AlphaLevel, 0);
    StartFade(button);
}

void FadeStep(HWND button)
{
    INT_PTR level = GetSkinProp(button, prop::AlphaLevel);
    PaintButtonFaceAs(button, nullptr, GetSkinProp(button, prop::OldState), level);
    level += FadeAlphaStep;
    if (level > 255) {
        StopFadeTimer(button);
        level = 0;
    }
    SetSkinProp(button, prop::AlphaLevel, level);
}

}  // namespace skin
