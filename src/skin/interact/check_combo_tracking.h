#pragma once
// Drop buttons of combo boxes and drive lists, boxes of check boxes and circles of option
// buttons follow the mouse and the space bar at once, without a fade: hot under the mouse,
// pressed while the left button or the space bar is down, normal otherwise. The painters decide
// from OLDSTATE whether anything needs drawing.
#include <windows.h>

#include "skin/core/control_kind.h"
#include "skin/core/handler.h"

namespace skin {

// One row of the transition table of these four kinds, run after the control has handled the
// message. Other kinds, and messages these kinds do not react to, are left alone.
void TrackCheckOrCombo(HWND window, ControlKind kind, UINT message, WPARAM wParam, LPARAM lParam);

// Whether the point of a mouse message (client coordinates in lParam) lies on the drop button
// of an editable drop-down combo; all bounds inclusive.
bool DropButtonZone(HWND window, LPARAM lParam);

// WM_COMMAND of a skinned parent, after its own procedure: when a skinned combo box or drive
// list reports that its list has closed, its drop button shows what the cursor says (hot over
// it, else normal). The list takes the mouse while it is down, so the combo itself may not see
// the release that closed it.
LRESULT OnCommand(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The refresh of one window in the pass after a left-button release: a skinned check box or
// option button is repainted in the normal look, forced, with the mark the control holds now.
void RefreshCheckOptionMark(HWND window);

}  // namespace skin
