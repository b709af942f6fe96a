#pragma once
// The gallery's second window: a plain main window of the program's own class (no form class),
// holding the other common controls a program's windows are made of, skinned as such a program
// would skin them (SkinWindowEx with SKINF_CHILDREN).
#include <windows.h>

namespace gallery {

enum ControlsId : int {
    FirstControl = 300,
    GroupBox = FirstControl,
    GroupOptionFirst,
    GroupOptionSecond,
    GroupDisabled,
    Tabs,
    TabsMany,  // more tabs than fit: the control shows its scroll arrows
    ScrollHorizontal,
    ScrollVertical,
    ScrollDisabled,
    Track,
    TrackDisabled,
    UpDownBuddy,
    UpDown,
    Toolbar,
    Rebar,
    ListView,
    TreeView,
    StatusBar,
    LastControl = StatusBar,
};

// Creates the window, hidden and not skinned, with its controls in the states their labels name.
// 0 on failure. Registers its class the first time.
HWND CreateControlsWindow(HINSTANCE instance, int x, int y);

}  // namespace gallery
