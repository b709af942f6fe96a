#pragma once
// The skin engine's front door and bookkeeping: attach the skin to a window (and everything
// inside a container), detach it again, and the engine state shared by all skinned windows.
#include <windows.h>

#include "skin/draw/skin_images.h"
#include "skin/interact/pointer_tracking.h"

namespace skin {

// Prepares the engine on first use (probe for TrackMouseEvent, build the images), then attaches
// the skin to the window. 1 if this call attached it, else 0.
LONG SkinWindow(HWND window);

// 1 if attached now; 0 for a null handle, a window that carries the skin already (PROCADDR), a
// window whose chain still holds SkinWindowProc (installing it again would have it call itself),
// or a window owned by another thread (its procedure cannot be replaced from here, and its
// properties are not ours to write).
LONG AttachSkin(HWND window);
// 1 if detached now; 0 for a null handle, a window without the skin or another thread's window.
// With another procedure installed on top of the skin's, the skin's stays in the chain passing
// messages through, and the window stays counted until its WM_NCDESTROY.
LONG DetachSkin(HWND window);
// What attach gives the window for its kind (a container: attaches everything inside it).
void SetUpKindState(HWND window);
// Puts SkinWindowProc in place of the window's procedure, which PROCADDR and NEXTPROC keep, and
// counts the window.
void InstallSkinProc(HWND window);
// Removes what attach gave the window for its kind (a container: detaches everything inside it).
void RemoveKindState(HWND window);
// SkinWindowProc has left the window's chain (or is about to, at WM_NCDESTROY): the window no
// longer counts, and with the last one the image set goes.
void LeaveChain(HWND window);
// Whether SkinWindowProc is the window's current procedure, with nobody installed on top of it.
bool SkinProcOnTop(HWND window);

BOOL CALLBACK AttachChildProc(HWND window, LPARAM);
BOOL CALLBACK DetachChildProc(HWND window, LPARAM);

// Whether the library exports the function; loads (and frees again) a library not yet loaded.
bool ExportExists(const char* functionName, const char* libraryName);

// Engine state, read by the handlers and the tests.
bool SkinInitialized();
long SkinnedWindowCount();

}  // namespace skin
