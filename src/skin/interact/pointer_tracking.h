#pragma once
// How the skin learns that the mouse has entered or left a control.
#include <windows.h>

namespace skin {

// The start-up probe's finding: whether user32 exports TrackMouseEvent. SkinWindow sets it at
// first use; a test may set it false to have leave tracking go through comctl32, as on a system
// whose user32 lacks the function, until the next probe.
bool TrackMouseEventAvailable();
void SetTrackMouseEventAvailable(bool available);

// Asks for one WM_MOUSELEAVE when the mouse leaves the window, through user32's TrackMouseEvent
// where the start-up probe found it and comctl32's _TrackMouseEvent otherwise.
void TrackMouseLeave(HWND window);

// The first mouse move after attach or after the last reset: MOUSEFLAG becomes 1 and one leave
// notification is requested. Returns whether this move was that entry.
bool EnterControl(HWND window);

// Whether the deepest window under the cursor is the control itself.
bool IsCursorOver(HWND window);

}  // namespace skin
