#pragma once
// Windows created inside a skinned container after the skin was attached are skinned as they are
// made: a thread hook sees each creation on the thread, from the thread's first attach to its last
// detach.
#include <windows.h>

namespace skin {

// Hooks window creation on the calling thread; the engine does so when it starts.
void StartCreationHook();
// Unhooks it; with the thread's last skinned window gone.
void StopCreationHook();

// How often the hook procedure ran on the calling thread: a hook outliving the engine shows here.
long CreationHookCalls();

// Whether a window made inside this one now is inside a skin: its nearest skinned container (a
// form or dialog, whose windows SkinWindow skins with it) among the window and its ancestors
// belongs to this thread and carries this module's skin.
bool InsideSkinnedContainer(HWND window);

}  // namespace skin
