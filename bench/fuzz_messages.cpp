#include "fuzz_messages.h"

#include <commctrl.h>

#include <cwchar>

namespace fuzz {
namespace {

constexpr UINT PopUpSystemMenu = 0x0313;  // undocumented
constexpr UINT GetTitleBarInfoEx = 0x033F;
constexpr UINT WM_CTLCOLOR = 0x0019;  // the 16-bit era's single colour message

// Messages the fuzz leaves out. Each would crash or end the control or the form by itself,
// whatever the skin does, or would stop the run in a modal loop no one ends:
// - WM_CREATE, WM_NCCREATE: set the control up afresh from a CREATESTRUCT; its old state leaks.
// - WM_NCDESTROY: frees the control's own data while its window lives on.
// - WM_CLOSE: ends the window. WM_QUIT: ends the message loop.
// - WM_SYSCOMMAND: closes, moves or sizes the form, or opens its system menu, in modal loops.
// - WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSCHAR, WM_SYSDEADCHAR: Alt+F4 closes the form, Alt+Space
//   opens its system menu.
// - WM_NCLBUTTONDOWN, WM_NCLBUTTONDBLCLK, WM_NCRBUTTONDOWN: on the caption or its buttons they
//   start the platform's move or tracking loops, which wait for a release no one sends, or
//   close the form.
// - WM_RBUTTONUP, WM_NCRBUTTONUP, WM_CONTEXTMENU, 0x0313: open a context menu or the system menu
//   in a modal loop.
// - WM_INPUTLANGCHANGEREQUEST: switches the thread's keyboard layout.
// - WM_IME_* (0x010D-0x010F, 0x0281-0x0291): handed to the input method's own window, which
//   reads lParam as pointers of its own.
// - WM_DPICHANGED: moves the window to the rectangle lParam points to.
// - EM_GETHANDLE, EM_SETHANDLE: the edit's own text memory, which it frees when it is replaced.
// - EM_SETWORDBREAKPROC: a function the edit calls later.
// - LB_DIR, CB_DIR: list the file system into the control.
// - LB_INITSTORAGE, CB_INITSTORAGE: reserve as much memory as asked.
bool LeftOut(UINT m)
{
    switch (m) {
    case WM_CREATE: case WM_NCCREATE: case WM_NCDESTROY: case WM_CLOSE: case WM_QUIT:
    case WM_SYSCOMMAND: case WM_SYSKEYDOWN: case WM_SYSKEYUP: case WM_SYSCHAR:
    case WM_SYSDEADCHAR: case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK: case WM_NCRBUTTONDOWN: case WM_RBUTTONUP:
    case WM_NCRBUTTONUP: case WM_CONTEXTMENU: case PopUpSystemMenu:
    case WM_INPUTLANGCHANGEREQUEST: case WM_DPICHANGED: case EM_GETHANDLE: case EM_SETHANDLE:
    case EM_SETWORDBREAKPROC: case LB_DIR: case CB_DIR: case LB_INITSTORAGE: case CB_INITSTORAGE:
        return true;
    default:
        return (m >= 0x010D && m <= 0x010F) || (m >= 0x0281 && m <= 0x0291);
    }
}

}  // namespace

Shape ShapeOf(UINT m)
{
    if (LeftOut(m)) return Shape::Left;
    switch (m) {
    case WM_GETMINMAXINFO: case WM_STYLECHANGING: case WM_STYLECHANGED: case WM_DRAWITEM:
    case WM_MEASUREITEM: case WM_DELETEITEM: case WM_COMPAREITEM: case WM_NOTIFY: case WM_HELP:
    case WM_COPYDATA: case WM_GETDLGCODE: case WM_SIZING: case WM_MOVING: case WM_NEXTMENU:
    case WM_MENUGETOBJECT: case WM_DEVICECHANGE: case WM_MDICREATE: case WM_MDIGETACTIVE:
    case EM_GETRECT: case EM_SETRECT: case EM_SETRECTNP: case LB_GETITEMRECT:
    case CB_GETDROPPEDCONTROLRECT: case SBM_SETSCROLLINFO: case SBM_GETSCROLLINFO:
        return Shape::Buffer;
    case EM_GETSEL: case CB_GETEDITSEL: case SBM_GETRANGE:
        return Shape::BothBuffers;
    case WM_SETTEXT: case WM_SETTINGCHANGE: case WM_DEVMODECHANGE: case EM_REPLACESEL:
    case LB_ADDSTRING: case LB_INSERTSTRING: case LB_FINDSTRING: case LB_FINDSTRINGEXACT:
    case LB_SELECTSTRING: case LB_ADDFILE: case CB_ADDSTRING: case CB_INSERTSTRING:
    case CB_FINDSTRING: case CB_FINDSTRINGEXACT: case CB_SELECTSTRING:
        return Shape::Text;
    case WM_GETTEXT: case WM_ASKCBFORMATNAME:
        return Shape::TextOut;
    case LB_GETTEXT: case CB_GETLBTEXT:
        return Shape::ItemTextOut;
    case EM_GETLINE:
        return Shape::LineOut;
    case LB_GETSELITEMS: case LB_SETTABSTOPS: case EM_SETTABSTOPS:
        return Shape::BoundedArray;
    case CB_GETCOMBOBOXINFO: case SBM_GETSCROLLBARINFO: case GetTitleBarInfoEx:
        return Shape::SizedRecord;
    case WM_SETFONT:
        return Shape::Font;
    case WM_PAINT: case WM_ERASEBKGND: case WM_CTLCOLOR: case WM_ICONERASEBKGND: case WM_PRINT:
    case WM_PRINTCLIENT: case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
        return Shape::Dc;
    case WM_NCPAINT:
        return Shape::Region;
    case WM_KEYDOWN: case WM_KEYUP:
        return Shape::Key;
    case EM_SETMARGINS:
        return Shape::Margins;
    case WM_SETREDRAW:
        return Shape::RedrawOn;
    case WM_NCCALCSIZE:
        return Shape::NcCalcSize;
    case WM_WINDOWPOSCHANGING: case WM_WINDOWPOSCHANGED:
        return Shape::WindowPos;
    default:
        return Shape::Plain;
    }
}

bool ClicksUnreachableOption(HWND target, UINT m, WPARAM w)
{
    if (m != WM_LBUTTONUP && m != BM_CLICK && !(m == WM_KEYUP && w == VK_SPACE)) return false;
    if (IsWindowEnabled(target) && IsWindowVisible(target)) return false;
    wchar_t name[32] = L"";
    GetClassNameW(target, name, 32);
    const bool button = !wcscmp(name, L"Button") || !wcscmp(name, L"ThunderRT6CheckBox") ||
                        !wcscmp(name, L"ThunderRT6OptionButton");
    return button && (GetWindowLongW(target, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

bool WaitsForRelease(HWND target, UINT m)
{
    if (m != WM_LBUTTONDOWN && m != WM_LBUTTONDBLCLK && m != WM_RBUTTONDOWN && m != WM_RBUTTONDBLCLK) return false;
    wchar_t name[32] = L"";
    GetClassNameW(target, name, 32);
    return !wcscmp(name, L"ScrollBar") || !wcscmp(name, L"SysListView32") || !wcscmp(name, L"SysTreeView32");
}

const std::vector<UINT>& RoutedMessages()
{
    static const std::vector<UINT> routed = {
        WM_DESTROY, WM_SIZE, WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS, WM_ENABLE, WM_PAINT,
        WM_WINDOWPOSCHANGING, WM_NCPAINT, WM_GETDLGCODE, BM_SETSTYLE, WM_KEYDOWN, WM_KEYUP,
        WM_TIMER, WM_ENTERIDLE, WM_CTLCOLORLISTBOX, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP,
        WM_LBUTTONDBLCLK, WM_MOUSELEAVE, WM_NOTIFY, WM_HSCROLL, WM_VSCROLL, SBM_SETPOS, SBM_SETRANGE,
        SBM_SETRANGEREDRAW, SBM_ENABLE_ARROWS, SBM_SETSCROLLINFO,
    };
    return routed;
}

}  // namespace fuzz
