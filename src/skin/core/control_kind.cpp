#include "skin/core/control_kind.h"

#include <array>

#include "skin/core/window_props.h"

namespace skin {
namespace {

struct KindName {
    std::string_view name;
    ControlKind kind;
};

constexpr std::array kKindNames{
    KindName{"#32770", ControlKind::Container},
    KindName{"thunderformdc", ControlKind::Container},
    KindName{"thunderrt6formdc", ControlKind::Container},
    KindName{"form", ControlKind::Container},
    KindName{"thundercommandbutton", ControlKind::CommandButton},
    KindName{"thunderrt6commandbutton", ControlKind::CommandButton},
    KindName{"button", ControlKind::CommandButton},
    KindName{"thundercombobox", ControlKind::ComboBox},
    KindName{"thunderrt6combobox", ControlKind::ComboBox},
    KindName{"combo", ControlKind::ComboBox},
    KindName{"combobox", ControlKind::ComboBox},
    KindName{"thunderdrivelistbox", ControlKind::DriveListBox},
    KindName{"thunderrt6drivelistbox", ControlKind::DriveListBox},
    KindName{"thundercheckbox", ControlKind::CheckBox},
    KindName{"thunderrt6checkbox", ControlKind::CheckBox},
    KindName{"thunderoptionbutton", ControlKind::OptionButton},
    KindName{"thunderrt6optionbutton", ControlKind::OptionButton},
    KindName{"progressbar20wndclass", ControlKind::ProgressBar},
    KindName{"progressbarwndclass", ControlKind::ProgressBar},
    KindName{"msvb_lib_header", ControlKind::Header},
    KindName{"sysheader32", ControlKind::Header},
    KindName{"datalistwndclass", ControlKind::DataList},
    KindName{"dblistwndclass", ControlKind::DataList},
    KindName{"combolbox", ControlKind::DropDownList},
    KindName{"scrollbar", ControlKind::ScrollBar},
    KindName{"systabcontrol32", ControlKind::Tab},
    KindName{"msctls_trackbar32", ControlKind::TrackBar},
    KindName{"toolbarwindow32", ControlKind::Toolbar},
    KindName{"rebarwindow32", ControlKind::Rebar},
    KindName{"syslistview32", ControlKind::ListView},
    KindName{"systreeview32", ControlKind::TreeView},
    KindName{"msctls_statusbar32", ControlKind::StatusBar},
    KindName{"msctls_updown32", ControlKind::UpDown},
};

}  // namespace

std::string GetWindowClassName(HWND window)
{
    char buffer[255]{};
    const int length = GetClassNameA(window, buffer, static_cast<int>(sizeof buffer));
    if (length <= 0) return {};
    std::string name(buffer, sizeof buffer);
    return name.substr(0, name.find('\0'));
}

ControlKind ControlKindOf(std::string_view lowerClassName)
{
    for (const KindName& entry : kKindNames)
        if (entry.name == lowerClassName) return entry.kind;
    if (lowerClassName.starts_with("apexgrid")) return ControlKind::Grid;
    return ControlKind::Other;
}

ControlKind GetControlKind(HWND window)
{
    std::string name = GetWindowClassName(window);
    for (char& c : name)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ControlKindOf(name);
}

bool IsContainer(HWND window)
{
    return GetControlKind(window) == ControlKind::Container ||
           (GetSkinProp(window, prop::SkinFlags) & SkinChildrenFlag) != 0;
}

}  // namespace skin
