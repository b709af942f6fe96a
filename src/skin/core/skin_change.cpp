#include "skin/core/skin_change.h"

#include <algorithm>
#include <new>
#include <string>
#include <vector>

#include "skin/core/chain_probe.h"
#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/draw/skin_in_use.h"
#include "skin/load/load_error.h"
#include "skin/load/skin_folder.h"
#include "skin/paint/button_faces.h"
#include "skin/paint/window_colors.h"

namespace skin {
namespace {

constexpr wchar_t kEngineClass[] = L"VelmoraSkinEngine";
// How long a load waits for each other engine's thread to change over.
constexpr UINT kAnswerTimeoutMs = 2000;

// The engines' windows, one per running engine, for loads on any thread to reach.
SRWLOCK g_enginesLock = SRWLOCK_INIT;
std::vector<HWND> g_engines;

thread_local HWND t_engineWindow = nullptr;
thread_local unsigned t_generation = 0;  // of the skin the thread's images were built from
thread_local std::wstring t_lastError;

UINT SkinChangedMessage()
{
    static const UINT message = RegisterWindowMessageW(L"VelmoraSkinChanged");
    return message;
}

// A button this module skinned renders its faces from the new images; the paint that follows
// shows them.
void RenderFacesAgain(HWND window)
{
    if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return;
    if (!GetSkinProp(window, prop::FaceDc[0]) || !GetSkinProp(window, prop::ProcAddr)) return;
    if (SkinProcInChain(window)) RenderButtonFaces(window);
}

BOOL CALLBACK RenderFacesAgainProc(HWND window, LPARAM)
{
    RenderFacesAgain(window);
    return TRUE;
}

BOOL CALLBACK RefreshTopLevel(HWND window, LPARAM)
{
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId()) return TRUE;
    RenderFacesAgain(window);
    EnumChildWindows(window, RenderFacesAgainProc, 0);
    // Frames, erased backgrounds and every painter, at once: nothing stays in the old look.
    if (thread == GetCurrentThreadId())
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return TRUE;
}

// On the engine's own thread: the skin in use, unless the thread has it already.
void ApplySkinInUse()
{
    if (!SkinInitialized() || CurrentSkin().generation == t_generation) return;
    TakeSkinInUse();
    EnumWindows(RefreshTopLevel, 0);
}

LRESULT CALLBACK EngineWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != SkinChangedMessage()) return DefWindowProcW(window, message, wParam, lParam);
    ApplySkinInUse();
    return 1;
}

HINSTANCE ThisModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&EngineWindowProc), &module);
    return module;
}

void UseSkin(std::shared_ptr<const SkinDefinition> skin)
{
    PutSkinInUse(std::move(skin));
    AcquireSRWLockShared(&g_enginesLock);
    const std::vector<HWND> engines = g_engines;
    ReleaseSRWLockShared(&g_enginesLock);
    // Not under the lock: an engine that stops meanwhile takes the lock to leave the list.
    for (HWND engine : engines) {
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutW(engine, SkinChangedMessage(), 0, 0, SMTO_ABORTIFHUNG,
                                 kAnswerTimeoutMs, &answer))
            PostMessageW(engine, SkinChangedMessage(), 0, 0);
    }
    t_lastError.clear();
}

}  // namespace

void OpenEngineWindow()
{
    // A class per module: a second copy of the skin in the process registers its own.
    const WNDCLASSEXW wc{sizeof wc, 0, EngineWindowProc, 0, 0, ThisModule(), nullptr, nullptr,
                         nullptr, nullptr, kEngineClass, nullptr};
    RegisterClassExW(&wc);
    t_engineWindow = CreateWindowExW(0, kEngineClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     ThisModule(), nullptr);
    if (!t_engineWindow) return;
    AcquireSRWLockExclusive(&g_enginesLock);
    g_engines.push_back(t_engineWindow);
    ReleaseSRWLockExclusive(&g_enginesLock);
}

void TakeSkinInUse()
{
    // After the engine's window is listed: a load from now on reaches this thread, and one that
    // came before is in the skin read here.
    const SkinInUse inUse = CurrentSkin();
    BuildSkinImageSet(SkinImages(), inUse.skin.get());
    ThreadSkinColors() = inUse.skin ? inUse.skin->colors : BuiltInColors;
    ReleaseWindowBrush();
    t_generation = inUse.generation;
}

void CloseEngineWindow()
{
    if (!t_engineWindow) return;
    AcquireSRWLockExclusive(&g_enginesLock);
    g_engines.erase(std::find(g_engines.begin(), g_engines.end(), t_engineWindow));
    ReleaseSRWLockExclusive(&g_enginesLock);
    DestroyWindow(t_engineWindow);
    t_engineWindow = nullptr;
}

LONG SkinLoadFolderW(LPCWSTR folder)
{
    try {
        if (!folder || !*folder) Refuse(L"no folder given");
        UseSkin(ReadSkinFolder(folder));
        return 1;
    } catch (const LoadError& e) {
        t_lastError = e.message;
    } catch (const std::bad_alloc&) {
        t_lastError = L"out of memory while loading the skin folder";
    }
    return 0;
}

LONG SkinLoadFolderA(LPCSTR folder)
{
    if (!folder) return SkinLoadFolderW(nullptr);
    const int n = MultiByteToWideChar(CP_ACP, 0, folder, -1, nullptr, 0);
    std::wstring wide(n > 0 ? n : 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, folder, -1, wide.data(), n);
    return SkinLoadFolderW(wide.c_str());
}

LONG SkinUseBuiltIn()
{
    // Only the copy of the engines' list can fail, and the built-in skin is in use before it.
    try {
        UseSkin(nullptr);
    } catch (const std::bad_alloc&) {
    }
    return 1;
}

LONG SkinGetLastErrorW(LPWSTR text, LONG chars)
{
    if (!text || chars < 1) return static_cast<LONG>(t_lastError.size());
    const size_t n = std::min(t_lastError.size(), static_cast<size_t>(chars - 1));
    t_lastError.copy(text, n);
    text[n] = L'\0';
    return static_cast<LONG>(n);
}

}  // namespace skin
