#include "controls_window.h"

#include <commctrl.h>

#include <string>

#include "control_classes.h"
#include "layout.h"

namespace gallery {
namespace {

constexpr wchar_t WindowClass[] = L"VelmoraGalleryControls";
constexpr wchar_t Caption[] = L"Common controls 通用控件";
constexpr int ClientWidth = 960, ClientHeight = 290;
constexpr DWORD Child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;


// Below the rebar, above the status bar: group box and tabs, scroll bars, track bars and the
// up-down with its buddy, then the list and tree views.
const Control Controls[] = {
    // Options of the application runtime's class: a plain "Button" auto option takes the skin's
    // push-button path (its type, 9, has neither bit 1 nor bit 2).
    {GroupOptionFirst, OptionButtonClass, L"First 第一", Child | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 0, 24, 66, 170, 17},
    {GroupOptionSecond, OptionButtonClass, L"Second 第二", Child | BS_AUTORADIOBUTTON, 0, 24, 90, 170, 17},
    // Below its options in the Z-order: a group box paints no inside, its options show through.
    {GroupBox, L"Button", L"Group box 分组框", Child | BS_GROUPBOX, 0, 12, 44, 200, 96},
    {GroupDisabled, L"Button", L"Disabled 禁用", Child | WS_DISABLED | BS_GROUPBOX, 0, 12, 146, 200, 40},
    {Tabs, WC_TABCONTROLW, L"", Child | WS_TABSTOP | TCS_HOTTRACK, 0, 224, 44, 250, 96},
    {TabsMany, WC_TABCONTROLW, L"", Child | WS_TABSTOP, 0, 224, 146, 250, 40},
    {ScrollHorizontal, L"ScrollBar", L"", Child | SBS_HORZ, 0, 12, 200, 200, 17},
    {ScrollDisabled, L"ScrollBar", L"", Child | WS_DISABLED | SBS_HORZ, 0, 12, 226, 200, 17},
    {ScrollVertical, L"ScrollBar", L"", Child | SBS_VERT, 0, 486, 44, 17, 142},
    {Track, TRACKBAR_CLASSW, L"", Child | WS_TABSTOP | TBS_AUTOTICKS, 0, 224, 196, 170, 32},
    {TrackDisabled, TRACKBAR_CLASSW, L"", Child | WS_DISABLED | TBS_AUTOTICKS, 0, 224, 230, 170, 32},
    {UpDownBuddy, L"Edit", L"", Child | WS_TABSTOP | ES_NUMBER, WS_EX_CLIENTEDGE, 404, 200, 70, 22},
    {ListView, WC_LISTVIEWW, L"", Child | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE, 516, 44, 220, 198},
    {TreeView, WC_TREEVIEWW, L"", Child | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | TVS_TRACKSELECT, WS_EX_CLIENTEDGE, 748, 44, 200, 198},
};

HWND Item(HWND window, int id)
{
    return GetDlgItem(window, id);
}

void AddTabs(HWND tabs, std::initializer_list<const wchar_t*> names)
{
    int index = 0;
    for (const wchar_t* name : names) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(name);
        SendMessageW(tabs, TCM_INSERTITEMW, index++, reinterpret_cast<LPARAM>(&item));
    }
}

void SetScrollRange(HWND bar, int position)
{
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 100, 20, position, 0};
    SetScrollInfo(bar, SB_CTL, &info, FALSE);
}

void FillListView(HWND list)
{
    const wchar_t* columns[] = {L"Name 名称", L"Size 大小"};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = Px(i ? 70 : 120);
        column.pszText = const_cast<wchar_t*>(columns[i]);
        SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    for (int i = 0; i < 12; ++i) {
        const std::wstring name = L"Item " + std::to_wstring(i + 1) + L" 项目";
        const std::wstring size = std::to_wstring((i + 1) * 12) + L" KB";
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<wchar_t*>(name.c_str());
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = const_cast<wchar_t*>(size.c_str());
        SendMessageW(list, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    LVITEMW selected{};
    selected.stateMask = selected.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&selected));
}

HTREEITEM AddTreeItem(HWND tree, HTREEITEM parent, const wchar_t* text)
{
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<wchar_t*>(text);
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

void FillTreeView(HWND tree)
{
    HTREEITEM root = AddTreeItem(tree, TVI_ROOT, L"Games 游戏");
    AddTreeItem(tree, root, L"Favourites 收藏");
    HTREEITEM recent = AddTreeItem(tree, root, L"Recent 最近");
    AddTreeItem(tree, root, L"All 全部");
    AddTreeItem(tree, TVI_ROOT, L"Settings 设置");
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(recent));
}

// A flat toolbar of text buttons (one checked, one disabled) in the rebar's only band.
void AddToolbarInRebar(HWND window, HINSTANCE instance)
{
    HWND rebar = CreateWindowExW(0, REBARCLASSNAMEW, L"", Child | WS_CLIPCHILDREN | RBS_BANDBORDERS | CCS_NODIVIDER,
                                 0, 0, 0, 0, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(Rebar)), instance, nullptr);
    HWND toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", Child | TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NORESIZE |
                                   CCS_NODIVIDER | CCS_NOPARENTALIGN, 0, 0, Px(400), Px(26), rebar,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(Toolbar)), instance, nullptr);
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolbar, TB_SETBITMAPSIZE, 0, MAKELONG(0, 0));
    const wchar_t* names[] = {L"Play 开始", L"Pause 暂停", L"Mute 静音", L"Stop 停止"};
    TBBUTTON buttons[4]{};
    for (int i = 0; i < 4; ++i) {
        buttons[i].iBitmap = I_IMAGENONE;
        buttons[i].idCommand = 400 + i;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
        buttons[i].iString = reinterpret_cast<INT_PTR>(names[i]);
    }
    buttons[2].fsStyle |= BTNS_CHECK;
    buttons[2].fsState |= TBSTATE_CHECKED;
    buttons[3].fsState = 0;
    SendMessageW(toolbar, TB_ADDBUTTONSW, 4, reinterpret_cast<LPARAM>(buttons));
    SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);

    REBARBANDINFOW band{};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_STYLE | RBBIM_TEXT | RBBIM_SIZE;
    band.fStyle = RBBS_GRIPPERALWAYS | RBBS_CHILDEDGE;
    band.lpText = const_cast<wchar_t*>(L"Tools 工具");
    band.hwndChild = toolbar;
    band.cxMinChild = Px(300);
    band.cyMinChild = Px(26);
    band.cx = Px(500);
    SendMessageW(rebar, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
}

void AddStatusBar(HWND window, HINSTANCE instance)
{
    HWND status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", Child | SBARS_SIZEGRIP, 0, 0, 0, 0, window,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(StatusBar)), instance, nullptr);
    const int edges[] = {Px(300), Px(600), -1};
    SendMessageW(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
    const wchar_t* texts[] = {L"Ready 就绪", L"12 items 12 项", L"Status bar 状态栏"};
    for (int i = 0; i < 3; ++i) SendMessageW(status, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(texts[i]));
}

void SetStates(HWND window, HINSTANCE instance)
{
    SendMessageW(Item(window, GroupOptionFirst), BM_SETCHECK, BST_CHECKED, 0);
    AddTabs(Item(window, Tabs), {L"General 常规", L"Advanced 高级", L"About 关于"});
    SendMessageW(Item(window, Tabs), TCM_SETCURSEL, 1, 0);
    AddTabs(Item(window, TabsMany), {L"One 一", L"Two 二", L"Three 三", L"Four 四", L"Five 五", L"Six 六"});
    SetScrollRange(Item(window, ScrollHorizontal), 30);
    SetScrollRange(Item(window, ScrollVertical), 50);
    SetScrollRange(Item(window, ScrollDisabled), 0);
    for (int id : {Track, TrackDisabled}) {
        SendMessageW(Item(window, id), TBM_SETRANGE, FALSE, MAKELONG(0, 10));
        SendMessageW(Item(window, id), TBM_SETPOS, TRUE, id == Track ? 4 : 7);
    }
    CreateWindowExW(0, UPDOWN_CLASSW, L"", Child | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS, 0, 0, 0, 0, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(UpDown)), instance, nullptr);
    SendMessageW(Item(window, UpDown), UDM_SETBUDDY, reinterpret_cast<WPARAM>(Item(window, UpDownBuddy)), 0);
    SendMessageW(Item(window, UpDown), UDM_SETRANGE32, 0, 99);
    SendMessageW(Item(window, UpDown), UDM_SETPOS32, 0, 42);
    FillListView(Item(window, ListView));
    FillTreeView(Item(window, TreeView));
    AddToolbarInRebar(window, instance);
    AddStatusBar(window, instance);
}

void UseFont(HWND window)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return;
    HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    SetPropW(window, L"GalleryFont", font);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SendMessageW(Item(Item(window, Rebar), Toolbar), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

// The scroll-bar controls scroll as a program's would: a line, a page, or to where the thumb is
// dragged.
void Scroll(HWND bar, WORD request)
{
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(bar, SB_CTL, &info);
    const int page = static_cast<int>(info.nPage);
    switch (request) {
    case SB_LINEUP: info.nPos -= 1; break;
    case SB_LINEDOWN: info.nPos += 1; break;
    case SB_PAGEUP: info.nPos -= page; break;
    case SB_PAGEDOWN: info.nPos += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: info.nPos = info.nTrackPos; break;
    default: return;
    }
    info.fMask = SIF_POS;
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam)); id == ScrollHorizontal || id == ScrollVertical)
            Scroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
        return 0;
    case WM_SIZE:
        // The rebar and the status bar keep to the edges, as in any main window.
        SendMessageW(Item(window, Rebar), WM_SIZE, 0, 0);
        SendMessageW(Item(window, StatusBar), WM_SIZE, 0, 0);
        break;
    case WM_NCDESTROY:
        DeleteObject(RemovePropW(window, L"GalleryFont"));
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HWND CreateControlsWindow(HINSTANCE instance, int x, int y)
{
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_COOL_CLASSES |
                                             ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    if (!RegisterControlClass(instance, OptionButtonClass)) return nullptr;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(instance, WindowClass, &wc)) {
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = WindowClass;
        if (!RegisterClassExW(&wc)) return nullptr;
    }
    // Without WS_CLIPCHILDREN: the background shows inside the group boxes, which paint none.
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT outer{0, 0, Px(ClientWidth), Px(ClientHeight)};
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    HWND window = CreateWindowExW(0, WindowClass, Caption, style, x, y, outer.right - outer.left,
                                  outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
    if (!window) return nullptr;
    for (const Control& c : Controls) CreateControl(window, c);
    SetStates(window, instance);
    UseFont(window);
    SendMessageW(window, WM_SIZE, 0, 0);
    return window;
}

}  // namespace gallery
