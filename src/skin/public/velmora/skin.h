/* Velmora skin: gives the windows of a Win32 program the Velmora look.
 *
 * SkinWindow(form) replaces the window procedure of the form and, when the form is a dialog box
 * (class "#32770") or a form (class "Form", "ThunderFormDC" or "ThunderRT6FormDC"), of every window
 * inside it; any other window is skinned alone. The skin then paints command buttons, check boxes,
 * option buttons, combo boxes, progress bars, headers and client-edge borders itself, fades buttons
 * between their normal, hot and pressed faces, and skins the windows made later inside a skinned
 * dialog box or form (not inside a window skinned alone) as well as the dialog boxes, menus and
 * drop-down lists that appear later. A window moved into a skinned form with SetParent is not
 * skinned by the move: call AttachSkin for it. The skin keeps its state in window properties of
 * each window ("PROCADDR", "NEXTPROC", "OLDSTATE", ...) and comes off a window when the window is
 * destroyed. Other code may subclass the same windows before or after it: every procedure in the
 * chain keeps getting its messages.
 *
 * Threads: call these functions on the thread that created the window, once the window exists (a
 * dialog box: in WM_INITDIALOG or after CreateDialog returns). Each GUI thread may skin its own
 * windows: each has its own images, its own hook for windows made later and its own count, from
 * its first skinned window to its last, and threads share nothing.
 *
 * Several copies of the skin in one process (a program that links the static library and a
 * plug-in that uses velmora-skin.dll, say) each keep to the windows they skinned: a window that one
 * copy holds is refused by the others, and a window made later inside a copy's dialog box or form
 * is skinned by that copy.
 *
 * Results: 1 when the call acted, 0 when it did nothing: a null handle, a window that carries the
 * skin already (SkinWindow, AttachSkin) or carries none (DetachSkin), a window that another copy of
 * the skin holds, a window of another thread.
 *
 * Skins from files: SkinLoadFolderW (or A) loads a skin folder (five images and skin.ini, as
 * the README describes) and puts it in use at once on every skinned window of every thread, which
 * the skin repaints itself; called before the first SkinWindow, the skin is used from then on.
 * SkinUseBuiltIn goes back to the built-in skin. A folder that is refused changes nothing, and
 * SkinGetLastErrorW says what is wrong and where. Each copy of the skin in a process has a skin in
 * use of its own, for the windows it skinned.
 *
 * The module that holds the skin (velmora-skin.dll, or the program or DLL that links the static
 * library) stays loaded from the first window it skins until the process ends, so a FreeLibrary
 * never unloads the window procedure of skinned windows.
 */
#ifndef VELMORA_SKIN_H
#define VELMORA_SKIN_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Prepares the skin on first use, then attaches it to the window and, for a form or dialog box,
   to everything inside it. */
LONG WINAPI SkinWindow(HWND window);

/* SkinWindowEx(window, SKINF_CHILDREN) skins the window and everything inside it, now and later,
   whatever its class, as SkinWindow does for a form: a program's main window of its own class with
   its toolbars, lists and buttons. Flags 0 is SkinWindow; unknown flags are refused with 0 and
   nothing done. DetachSkin of the window takes the skin off everything inside it too. */
#define SKINF_CHILDREN 1
LONG WINAPI SkinWindowEx(HWND window, DWORD flags);

/* Attaches the skin to one more window (and everything inside a form or dialog box), for a window
   outside those skinned already (windows made inside a skinned form or dialog box are skinned as
   they are made). Called first, it prepares the skin as SkinWindow does. A window the skin was
   detached from while other code kept it subclassed is taken up again. */
LONG WINAPI AttachSkin(HWND window);

/* Takes the skin off the window (and everything inside a form or dialog box) and gives the window
   its own procedure back. When other code has subclassed the window after the skin, the skin stays
   in that chain instead, painting nothing and passing every message on, until nothing sits above it
   or the window is destroyed. Destroying a window takes the skin off by itself. */
LONG WINAPI DetachSkin(HWND window);

/* Loads the skin folder and puts it in use on every thread: 1. Each image has the built-in size,
   or 2 or 3 times it as the picture the skin draws from at high DPI. Refused (missing or
   unreadable files, an image of another size or not one of the five, a malformed skin.ini, ...):
   0, and the skin in use stays in use. The A form converts the path with the ANSI code page. */
LONG WINAPI SkinLoadFolderW(LPCWSTR folder);
LONG WINAPI SkinLoadFolderA(LPCSTR folder);

/* Puts the built-in skin back in use on every thread: 1. */
LONG WINAPI SkinUseBuiltIn(void);

/* The calling thread's last refusal of a skin folder, naming the file (and the line of skin.ini)
   and the problem; empty after a success. Writes at most chars - 1 characters and a NUL and returns
   how many characters it wrote; with text null (or chars below 1), the message's whole length. */
LONG WINAPI SkinGetLastErrorW(LPWSTR text, LONG chars);

#ifdef __cplusplus
}
#endif

#endif /* VELMORA_SKIN_H */
