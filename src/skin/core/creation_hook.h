#pragma once
// Windows created inside a skinned window after the skin was attached are skinned as they are
// made: a thread hook sees each creation on the skin's thread, from the first attach to the last
// detach.
#include <windows.h>

namespace skin {

// Hooks window creation on the calling thread; the engine does so when it is first used.
void StartCreationHook();
// Unhooks it; with the last skinned window gone.
void StopCreationHook();

// Whether the window or one of its ancestors carries the skin.
bool InsideSkin(HWND window);

}  // namespace skin
