#pragma once
// The skin engine's front door and bookkeeping: attach the skin to a window (and everything
// inside a container), detach it again, and the engine state shared by the skinned windows of a
// thread. Each GUI thread that skins windows has an engine of its own: its image set, its creation
// hook and its count, so that no state is shared between threads.
#include <windows.h>

#include "skin/draw/skin_images.h"
#include "skin/interact/pointer_tracking.h"

namespace skin {

// Prepares the thread's engine on first use (probe for TrackMouseEvent, build the images, hook
// window creation), then attaches the skin to the window. 1 if this call attached it, else 0.
LONG SkinWindow(HWND window);

// SkinWindow for any window as a form: with SkinChildrenFlag (SKINF_CHILDREN) the window and
// everything inside it, now and later, whatever its class; flags 0 is SkinWindow. Unknown flags,
// and a window that carries the skin or any part of it already, are refused with 0.
LONG SkinWindowEx(HWND window, DWORD flags);

// 1 if attached now; 0 for a null handle, a window that carries the skin already (PROCADDR), a
// window another copy of the skin holds, a window whose chain holds SkinWindowProc without its
// properties (installing it again would have it call itself), or a window owned by another thread
// (its procedure cannot be replaced from here, and its properties are not ours to write). A window
// the skin was detached from while it stayed in the chain (NEXTPROC) is taken up again. Starts the
// engine as SkinWindow does when it is not running.
LONG AttachSkin(HWND window);
// 1 if detached now; 0 for a null handle, a window without the skin, a window another copy of the
// skin holds, or another thread's window. With another procedure installed on top of the skin's,
// the skin's stays in the chain passing messages through, and the window stays counted until its
// WM_NCDESTROY.
LONG DetachSkin(HWND window);
// DetachSkin for a window whose chain is known to hold this module's SkinWindowProc.
LONG DetachWindow(HWND window);

// What attach gives the window for its kind (a container: attaches everything inside it). While
// the skin steps aside, only a container's part is done.
void SetUpKindState(HWND window);
// Removes what attach gave the window for its kind (a container: detaches everything inside it).
void RemoveKindState(HWND window);

// Puts SkinWindowProc in place of the window's procedure, which PROCADDR keeps; returns that
// procedure. A window made inside a skinned container counts from its first message on
// (CountSkinnedWindow): a creation that another hook refuses sends none.
INT_PTR SubclassWithSkin(HWND window);
// The window counts as skinned, its chain holding SkinWindowProc; NEXTPROC keeps the procedure
// the skin hands messages on to. A window that counts already is left as it is.
void CountSkinnedWindow(HWND window, INT_PTR next);
// SkinWindowProc has left the window's chain (or is about to, at WM_NCDESTROY): the window no
// longer counts, and with the thread's last one the engine stops.
void LeaveChain(HWND window);
// Whether SkinWindowProc is the window's current procedure, with nobody installed on top of it.
bool SkinProcOnTop(HWND window);

BOOL CALLBACK AttachChildProc(HWND window, LPARAM);
BOOL CALLBACK DetachChildProc(HWND window, LPARAM);

// Whether the library exports the function; loads (and frees again) a library not yet loaded.
bool ExportExists(const char* functionName, const char* libraryName);

// In high contrast the skin steps aside: every skinned window of the thread looks as it would
// unskinned, and stays attached, so that its look comes back when high contrast goes off. Reads
// the setting; when it changed, takes the look off every skinned window of the thread, children
// included, or gives it back, and has them repainted.
void FollowHighContrast();
// Whether the thread's skin steps aside now.
bool SkinStepsAside();

// The calling thread's engine state, read by the handlers and the tests.
bool SkinInitialized();
long SkinnedWindowCount();

}  // namespace skin
