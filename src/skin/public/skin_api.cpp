// The skin's C entry points (velmora/skin.h): thin wrappers over the engine's own functions,
// exported by velmora-skin.dll and linked from the static library.
#include "velmora/skin.h"

#include "skin/core/skin_change.h"
#include "skin/core/skinner.h"

namespace {

// Skinned windows call into this module for every message from now on, so it must outlive any
// FreeLibrary of the caller's (for the DLL) or of whoever linked the static library into a DLL.
LONG KeepModuleLoaded(LONG attached)
{
    HMODULE self;
    if (attached)
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN | GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                           reinterpret_cast<LPCWSTR>(&KeepModuleLoaded), &self);
    return attached;
}

}  // namespace

extern "C" LONG WINAPI SkinWindow(HWND window)
{
    return KeepModuleLoaded(skin::SkinWindow(window));
}

extern "C" LONG WINAPI SkinWindowEx(HWND window, DWORD flags)
{
    return KeepModuleLoaded(skin::SkinWindowEx(window, flags));
}

extern "C" LONG WINAPI AttachSkin(HWND window)
{
    return KeepModuleLoaded(skin::AttachSkin(window));
}

extern "C" LONG WINAPI DetachSkin(HWND window)
{
    return skin::DetachSkin(window);
}

extern "C" LONG WINAPI SkinLoadFolderW(LPCWSTR folder)
{
    return skin::SkinLoadFolderW(folder);
}

extern "C" LONG WINAPI SkinLoadFolderA(LPCSTR folder)
{
    return skin::SkinLoadFolderA(folder);
}

extern "C" LONG WINAPI SkinUseBuiltIn(void)
{
    return skin::SkinUseBuiltIn();
}

extern "C" LONG WINAPI SkinGetLastErrorW(LPWSTR text, LONG chars)
{
    return skin::SkinGetLastErrorW(text, chars);
}
