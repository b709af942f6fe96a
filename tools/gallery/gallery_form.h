#pragma once
// The gallery form: one window of class "Form" that holds every kind of control the skin knows,
// each in every state it can show, with a label beside it. The form is built here and skinned by
// whoever shows it (gallery.exe, the soak and the fuzz programs), as an application would.
#include <windows.h>

#include <vector>

namespace gallery {

// Control ids; the labels have none of these. Every control of the gallery has an id from
// FirstPart to LastPart.
enum PartId : int {
    FirstPart = 100,
    ButtonNormal = FirstPart,
    ButtonDisabled,
    ButtonDefault,
    ButtonFocused,
    CheckUnchecked,
    CheckChecked,
    CheckIndeterminate,
    CheckDisabled,
    OptionFirst,
    OptionSecond,
    OptionThird,
    OptionDisabled,
    ComboSimple,
    ComboDropDown,
    ComboDropDownList,
    ComboDisabled,
    DriveList,
    ProgressFirst,  // 16 bars: horizontal, horizontal smooth, vertical, vertical smooth; 4 each
    ProgressLast = ProgressFirst + 15,
    Header,
    ListWithEdge,
    EditWithEdge,
    DataListBorder,
    DataListPlain,
    GridBorder,
    GridPlain,
    OpenMessageBox,
    OpenDialog,
    AddButton,  // adds AddedButton to the form once, after the form was skinned
    LastPart = AddButton,
    AddedButton,
};

struct Options {
    // The two buttons open a message box and a dialog of the form's own. Programs that press
    // every button without a person to close what opens turn this off.
    bool openModalWindows = true;
    // The form ends the thread's message loop when it is destroyed.
    bool quitOnDestroy = false;
};

// Registers the form's class and the control classes the gallery uses (each a superclass of a
// system control under the name the skin recognises). Safe to call more than once.
bool RegisterGalleryClasses(HINSTANCE instance);

// Creates the form, hidden and not skinned, with all its controls and labels. 0 on failure.
HWND CreateGalleryForm(HINSTANCE instance, const Options& options);

// The controls of the form (not the labels), in id order.
std::vector<HWND> GalleryParts(HWND form);

// Shows the form and gives the keyboard focus to the button that shows the focused look.
void ShowGalleryForm(HWND form, int showCommand);

}  // namespace gallery
