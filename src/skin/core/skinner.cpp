#include "skin/core/skinner.h"

#include "skin/core/chain_probe.h"
#include "skin/core/control_kind.h"
#include "skin/core/creation_hook.h"
#include "skin/core/fade_timer.h"
#include "skin/core/scroll_call_hooks.h"
#include "skin/core/skin_change.h"
#include "skin/core/skin_window_proc.h"
#include "skin/core/window_props.h"
#include "skin/draw/display_reference.h"
#include "skin/draw/gdi_objects.h"
#include "skin/paint/button_faces.h"
#include "skin/paint/scroll_bar_look.h"
#include "skin/paint/window_colors.h"
#include "skin/paint/window_scroll_bars.h"

namespace skin {
namespace {

// Engine state, one per thread: a thread skins only its own windows, and its handlers draw from
// its own images.
thread_local bool t_initialized = false;
thread_local long t_skinnedWindowCount = 0;
// Engine state rather than a property: the setting is the person's, for every window alike.
thread_local bool t_stepsAside = false;

// Has the frame repainted in the skin (or without it) at once. A window that is not shown
// (or whose parent is not) is painted whole when it appears; painting it now would only cost.
void RepaintWholeWindow(HWND window)
{
    if (!IsWindowVisible(window)) return;
    DWORD noRegion = 0;
    SendMessageW(window, WM_NCPAINT, 1, reinterpret_cast<LPARAM>(&noRegion));
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT);
}

// With no window skinned: the images go, and the next SkinWindow builds them and probes again.
void ReleaseEngine()
{
    t_skinnedWindowCount = 0;
    t_stepsAside = false;
    StopCreationHook();
    if (t_initialized) StopScrollCallHooks();
    ReleaseSkinImageSet(SkinImages());
    ReleaseWindowBrush();
    CloseEngineWindow();
    t_initialized = false;
}

void StartEngine()
{
    if (t_initialized) return;
    t_initialized = true;
    SetTrackMouseEventAvailable(ExportExists("TrackMouseEvent", "User32"));
    OpenEngineWindow();
    TakeSkinInUse();
    StartCreationHook();
    StartScrollCallHooks();
}

void SetUpCommandButton(HWND window)
{
    // Compatible with the display, as the window's own DC is, without taking that DC.
    DisplayContext display;
    HDC faces[4];
    for (int i = 0; i < 4; ++i) {
        faces[i] = gdi::CreateCompatibleDC(display.get());
        SetSkinProp(window, prop::FaceDc[i], reinterpret_cast<INT_PTR>(faces[i]));
    }
    FitButtonFaces(window, faces);

    const LONG style = GetWindowLongW(window, GWL_STYLE);
    if (!DrawsOwnFace(style)) SendMessageW(window, BM_SETSTYLE, BS_OWNERDRAW, IsWindowVisible(window));

    SetSkinProp(window, prop::OldStyle, style);
    SetSkinProp(window, prop::MouseFlag, 0);
    SetSkinProp(window, prop::TimerId, 0);
    SetSkinProp(window, prop::OldState, IsWindowEnabled(window) ? look::Normal : look::Disabled);
    SetSkinProp(window, prop::AlphaLevel, 0);
}

void TearDownCommandButton(HWND window)
{
    for (int i = 0; i < 4; ++i) {
        const auto face = reinterpret_cast<HDC>(GetSkinProp(window, prop::FaceDc[i]));
        const auto bitmap = reinterpret_cast<HBITMAP>(GetSkinProp(window, prop::FaceBitmap[i]));
        gdi::DeleteDC(face);
        gdi::DeleteObject(bitmap);
        RemoveSkinProp(window, prop::FaceDc[i]);
        RemoveSkinProp(window, prop::FaceBitmap[i]);
    }
    StopFadeTimer(window);
    // Only the button type is the skin's to give back: whether the button is visible or enabled
    // now is the application's doing since the attach. A button skinned as it was made and
    // detached before its WM_CREATE returned has had no style changed (a style always holds
    // WS_CHILD or more, so 0 means none was saved).
    if (const LONG saved = static_cast<LONG>(GetSkinProp(window, prop::OldStyle))) {
        const LONG current = GetWindowLongW(window, GWL_STYLE);
        SetWindowLongW(window, GWL_STYLE, (current & ~BS_TYPEMASK) | (saved & BS_TYPEMASK));
    }
    RemoveSkinProp(window, prop::OldStyle);
    RemoveSkinProp(window, prop::MouseFlag);
    RemoveSkinProp(window, prop::TimerId);
    RemoveSkinProp(window, prop::OldState);
    RemoveSkinProp(window, prop::AlphaLevel);
    gdi::SetWindowRegion(window, nullptr, TRUE);
}

bool HighContrastOn()
{
    HIGHCONTRASTW contrast{sizeof contrast, 0, nullptr};
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

// A container keeps its children attached: only the other kinds' look comes and goes.
void SwitchLook(HWND window)
{
    if (IsContainer(window)) {
        if (t_stepsAside)
            GiveBackScrollBars(window);
        else
            TakeScrollBars(window);
        return;
    }
    if (t_stepsAside)
        RemoveKindState(window);
    else
        SetUpKindState(window);
}

BOOL CALLBACK SwitchIfSkinnedHere(HWND window, LPARAM anySkinned)
{
    // Another copy of the skin answers for its own windows.
    if (!GetSkinProp(window, prop::ProcAddr) || !SkinProcInChain(window)) return TRUE;
    SwitchLook(window);
    *reinterpret_cast<bool*>(anySkinned) = true;
    return TRUE;
}

BOOL CALLBACK SwitchTree(HWND top, LPARAM)
{
    bool anySkinned = false;
    SwitchIfSkinnedHere(top, reinterpret_cast<LPARAM>(&anySkinned));
    EnumChildWindows(top, SwitchIfSkinnedHere, reinterpret_cast<LPARAM>(&anySkinned));
    // Frames, backgrounds and the parent's pixels beside a button's corners included.
    if (anySkinned)
        RedrawWindow(top, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
}

// A window the skin was detached from while other code sat on top of it, or whose PROCADDR other
// code took away: this module's SkinWindowProc is still in the chain, passing everything on, and
// the window still counts. It routes again from here on; what other code left of the kind's state
// is made anew. Another copy's procedure in that place is that copy's business.
LONG TakeUpAgain(HWND window)
{
    if (!SkinProcInChain(window)) return 0;
    // Routing first: setting a button up sends it messages, which must not find the skin passing
    // through (on top, it would leave the chain).
    SetSkinProp(window, prop::ProcAddr, GetSkinProp(window, prop::NextProc));
    if (!IsContainer(window)) RemoveKindState(window);
    SetUpKindState(window);
    RepaintWholeWindow(window);
    return 1;
}

}  // namespace

bool ExportExists(const char* functionName, const char* libraryName)
{
    HMODULE module = GetModuleHandleA(libraryName);
    const bool loadedHere = module == nullptr;
    if (loadedHere) module = LoadLibraryA(libraryName);
    if (!module) return false;
    const bool found = GetProcAddress(module, functionName) != nullptr;
    if (loadedHere) FreeLibrary(module);
    return found;
}

LONG SkinWindow(HWND window)
{
    StartEngine();
    FollowHighContrast();
    const LONG attached = AttachSkin(window);
    // A refused window (null, gone, another thread's) leaves nothing skinned: no images either.
    if (t_skinnedWindowCount == 0) ReleaseEngine();
    return attached;
}

LONG SkinWindowEx(HWND window, DWORD flags)
{
    if (flags & ~static_cast<DWORD>(SkinChildrenFlag)) return 0;
    if (!flags) return SkinWindow(window);
    // The flag goes on before the attach, which reads it, and comes off again when the attach
    // refuses the window; a window that has the flag (from another copy of the skin) is not ours.
    if (!window || GetSkinProp(window, prop::ProcAddr) || GetSkinProp(window, prop::SkinFlags) ||
        GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId())
        return 0;
    SetSkinProp(window, prop::SkinFlags, static_cast<INT_PTR>(flags));
    const LONG attached = SkinWindow(window);
    if (!attached) RemoveSkinProp(window, prop::SkinFlags);
    return attached;
}

LONG AttachSkin(HWND window)
{
    if (!t_initialized) return SkinWindow(window);
    if (!window) return 0;
    if (GetSkinProp(window, prop::ProcAddr)) return 0;
    if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return 0;
    if (GetSkinProp(window, prop::NextProc)) return TakeUpAgain(window);
    // SkinWindowProc on top with PROCADDR and NEXTPROC taken away by other code: taking itself as
    // its previous procedure, it would call itself until the stack runs out.
    if (SkinProcOnTop(window)) return 0;

    SetUpKindState(window);
    CountSkinnedWindow(window, SubclassWithSkin(window));
    RepaintWholeWindow(window);
    return 1;
}

void SetUpKindState(HWND window)
{
    if (!t_stepsAside) TakeScrollBars(window);
    if (IsContainer(window)) {
        // Reaches every descendant, so the whole tree is skinned before the container itself.
        EnumChildWindows(window, AttachChildProc, 0);
        return;
    }
    if (t_stepsAside) return;
    switch (GetControlKind(window)) {
    case ControlKind::CommandButton:
        SetUpCommandButton(window);
        break;
    case ControlKind::ComboBox:
    case ControlKind::DriveListBox:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
        SetSkinProp(window, prop::MouseFlag, 0);
        SetSkinProp(window, prop::OldState, 0);
        break;
    case ControlKind::Tab:
        SetSkinProp(window, prop::MouseFlag, 0);
        SetSkinProp(window, prop::HmIndex, -1);
        break;
    case ControlKind::Header:
    case ControlKind::UpDown:
        SetSkinProp(window, prop::MouseFlag, 0);
        SetSkinProp(window, prop::HdIndex, -1);
        SetSkinProp(window, prop::HmIndex, -1);
        break;
    case ControlKind::ScrollBar:
        SetSkinProp(window, prop::MouseFlag, 0);
        SetSkinProp(window, prop::HdIndex, scroll_part::None);
        SetSkinProp(window, prop::HmIndex, scroll_part::None);
        break;
    default:
        break;
    }
}

INT_PTR SubclassWithSkin(HWND window)
{
    const LONG_PTR previous = SetWindowLongPtrW(window, GWLP_WNDPROC,
                                                reinterpret_cast<LONG_PTR>(&SkinWindowProc));
    SetSkinProp(window, prop::ProcAddr, previous);
    return previous;
}

void CountSkinnedWindow(HWND window, INT_PTR next)
{
    if (GetSkinProp(window, prop::NextProc)) return;
    SetSkinProp(window, prop::NextProc, next);
    ++t_skinnedWindowCount;
}

void RemoveKindState(HWND window)
{
    GiveBackScrollBars(window);
    if (IsContainer(window)) {
        EnumChildWindows(window, DetachChildProc, 0);
        RemoveSkinProp(window, prop::SkinFlags);
        return;
    }
    switch (GetControlKind(window)) {
    case ControlKind::CommandButton:
        TearDownCommandButton(window);
        break;
    case ControlKind::ComboBox:
    case ControlKind::DriveListBox:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
        RemoveSkinProp(window, prop::MouseFlag);
        RemoveSkinProp(window, prop::OldState);
        break;
    case ControlKind::Header:
    case ControlKind::Tab:
    case ControlKind::ScrollBar:
    case ControlKind::UpDown:
        RemoveSkinProp(window, prop::MouseFlag);
        RemoveSkinProp(window, prop::HdIndex);
        RemoveSkinProp(window, prop::HmIndex);
        break;
    default:
        break;
    }
}

LONG DetachSkin(HWND window)
{
    if (!window) return 0;
    // As attach: another thread's window cannot have its procedure changed under its messages.
    if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return 0;
    if (!GetSkinProp(window, prop::ProcAddr) || !SkinProcInChain(window)) return 0;
    return DetachWindow(window);
}

LONG DetachWindow(HWND window)
{
    const INT_PTR previous = GetSkinProp(window, prop::ProcAddr);
    if (!previous) return 0;
    RemoveKindState(window);
    RemoveSkinProp(window, prop::ProcAddr);
    // With another procedure on top, putting the previous one back would cut that one out of the
    // chain: SkinWindowProc stays, passing everything through, until the window's WM_NCDESTROY.
    const bool leaves = SkinProcOnTop(window);
    if (leaves) SetWindowLongPtrW(window, GWLP_WNDPROC, previous);
    RepaintWholeWindow(window);
    if (leaves) LeaveChain(window);
    return 1;
}

void LeaveChain(HWND window)
{
    // Only a window that still counts: other code may have taken NEXTPROC away already.
    if (RemovePropA(window, prop::NextProc) && --t_skinnedWindowCount <= 0) ReleaseEngine();
}

bool SkinProcOnTop(HWND window)
{
    return GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&SkinWindowProc);
}

BOOL CALLBACK AttachChildProc(HWND window, LPARAM)
{
    AttachSkin(window);
    return TRUE;
}

BOOL CALLBACK DetachChildProc(HWND window, LPARAM)
{
    DetachSkin(window);
    return TRUE;
}

void FollowHighContrast()
{
    const bool on = HighContrastOn();
    if (on == t_stepsAside) return;
    // Set first: a window that hears of the change while it is switched finds it done.
    t_stepsAside = on;
    if (t_skinnedWindowCount > 0) EnumThreadWindows(GetCurrentThreadId(), SwitchTree, 0);
}

bool SkinStepsAside()
{
    return t_stepsAside;
}

bool SkinInitialized()
{
    return t_initialized;
}

long SkinnedWindowCount()
{
    return t_skinnedWindowCount;
}

}  // namespace skin
