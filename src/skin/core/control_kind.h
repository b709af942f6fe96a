#pragma once
// What the skin does with a window depends only on its class name.
#include <windows.h>

#include <string>
#include <string_view>

namespace skin {

enum class ControlKind {
    Container,
    CommandButton,
    ComboBox,
    DriveListBox,
    CheckBox,
    OptionButton,
    ProgressBar,
    Header,
    DataList,
    DropDownList,
    Grid,
    ScrollBar,
    Tab,
    TrackBar,
    Toolbar,
    Rebar,
    ListView,
    TreeView,
    StatusBar,
    UpDown,
    Other,
};

// The class name as registered (not lower-cased); empty when it cannot be read. Names of 255
// characters or more are cut to 254.
std::string GetWindowClassName(HWND window);

// Kind of an already lower-cased class name.
ControlKind ControlKindOf(std::string_view lowerClassName);

// Kind of a window, from its class name lower-cased (and, for the plain "button" class, its type:
// a group box is no command button).
ControlKind GetControlKind(HWND window);

// Whether the skin treats the window as a form: its kind is Container, or SkinWindowEx gave it the
// children flag (a main window of the program's own class, say).
bool IsContainer(HWND window);

}  // namespace skin
