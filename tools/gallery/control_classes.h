#pragma once
// The window classes of the controls the gallery shows: superclasses of the system controls
// under the class names an application's runtime gives them.
#include <windows.h>

namespace gallery {

inline constexpr wchar_t CheckBoxClass[] = L"ThunderRT6CheckBox";
inline constexpr wchar_t OptionButtonClass[] = L"ThunderRT6OptionButton";
inline constexpr wchar_t ComboBoxClass[] = L"ThunderRT6ComboBox";
inline constexpr wchar_t DriveListClass[] = L"ThunderRT6DriveListBox";
inline constexpr wchar_t ProgressBarClass[] = L"ProgressBar20WndClass";
inline constexpr wchar_t HeaderClass[] = L"msvb_lib_header";
inline constexpr wchar_t DataListClass[] = L"DataListWndClass";
inline constexpr wchar_t GridClass[] = L"ApexGridOleDB32";

// Loads the common controls and registers every superclass above (once; later calls only
// report). False when one of them could not be registered.
bool RegisterControlClasses(HINSTANCE instance);
// One of them, by the name above (the pointer itself), for a window that needs only that one.
bool RegisterControlClass(HINSTANCE instance, const wchar_t* name);

}  // namespace gallery
