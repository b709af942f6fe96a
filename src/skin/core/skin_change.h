#pragma once
// Skins from files, and how every thread's engine comes to use the skin loaded on any thread.
//
// The skin in use is one for the process (draw/skin_in_use.h). Each engine (a GUI thread from its
// first skinned window to its last) keeps a message-only window of its own while it runs; a load
// on any thread puts the new skin in use and then sends each engine's window a registered message
// ("VelmoraSkinChanged"), on whose arrival that thread builds its images anew from the skin in use,
// renders its buttons' faces again and repaints its windows. A thread that has not answered within
// a short time (busy, or hung) is left a posted copy and changes over when it next handles its
// messages; the loading thread does not wait for it. An engine that starts later builds its images
// from the skin in use then.
#include <windows.h>

namespace skin {

// 1: the folder's skin is loaded and in use on every thread; 0: refused, nothing changed, and
// SkinGetLastErrorW says why. The A form converts the path with the ANSI code page.
LONG SkinLoadFolderW(LPCWSTR folder);
LONG SkinLoadFolderA(LPCSTR folder);
// Back to the built-in skin on every thread; 1.
LONG SkinUseBuiltIn();
// The calling thread's last refusal (empty after a success), cut to chars - 1 characters and
// ended with a NUL; returns the number of characters written. With no buffer (null, or chars
// below 1) returns the message's whole length.
LONG SkinGetLastErrorW(LPWSTR text, LONG chars);

// The engine's side (skinner.cpp): at its start, its window and the images and colours of the
// skin in use; at its stop, the window goes.
void OpenEngineWindow();
void TakeSkinInUse();
void CloseEngineWindow();

}  // namespace skin
