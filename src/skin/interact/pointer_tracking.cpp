#include "skin/interact/pointer_tracking.h"

#include "skin/core/window_props.h"

namespace skin {
namespace {

thread_local bool t_trackMouseEventAvailable = false;  // set as each thread's engine starts

using TrackFunction = BOOL(WINAPI*)(TRACKMOUSEEVENT*);

// Looked up at run time, so that a system without one of them still starts. The library stays
// loaded: the address is kept for the life of the process.
TrackFunction FindTrackFunction(const char* functionName, const char* libraryName)
{
    HMODULE module = GetModuleHandleA(libraryName);
    if (!module) module = LoadLibraryA(libraryName);
    if (!module) return nullptr;
    // Through the generic function type: GetProcAddress's own type says nothing of the function.
    const auto found = reinterpret_cast<void (*)()>(GetProcAddress(module, functionName));
    return reinterpret_cast<TrackFunction>(found);
}

}  // namespace

bool TrackMouseEventAvailable()
{
    return t_trackMouseEventAvailable;
}

void SetTrackMouseEventAvailable(bool available)
{
    t_trackMouseEventAvailable = available;
}

void TrackMouseLeave(HWND window)
{
    TRACKMOUSEEVENT request{sizeof request, TME_LEAVE, window, 0};
    TrackFunction track = nullptr;
    if (TrackMouseEventAvailable()) {
        static const TrackFunction user32 = FindTrackFunction("TrackMouseEvent", "User32");
        track = user32;
    } else {
        static const TrackFunction comctl32 = FindTrackFunction("_TrackMouseEvent", "Comctl32");
        track = comctl32;
    }
    if (track) track(&request);
}

bool EnterControl(HWND window)
{
    if (GetSkinProp(window, prop::MouseFlag)) return false;
    SetSkinProp(window, prop::MouseFlag, 1);
    TrackMouseLeave(window);
    return true;
}

bool IsCursorOver(HWND window)
{
    POINT cursor{};
    GetCursorPos(&cursor);
    // No window is found at a point outside its own rectangle; the rectangle is read in the
    // process, WindowFromPoint asks the server and sends WM_NCHITTEST through the skin.
    RECT rect{};
    GetWindowRect(window, &rect);
    return PtInRect(&rect, cursor) && WindowFromPoint(cursor) == window;
}

}  // namespace skin
