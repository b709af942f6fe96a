#include "gallery_form.h"

#include <commctrl.h>

#include <string>

#include "control_classes.h"
#include "gallery_dialogs.h"
#include "layout.h"

namespace gallery {
namespace {

constexpr wchar_t FormClass[] = L"Form";
constexpr wchar_t FormCaption[] = L"Skin gallery 皮肤一览";
constexpr int ClientWidth = 960, ClientHeight = 590;
constexpr int ProgressMax = 30000;
constexpr int ProgressPositions[] = {0, 7500, 15000, 30000};

struct FormState {
    Options options;
    HFONT font = nullptr;
    HFONT headingFont = nullptr;
};

struct Label {
    const wchar_t* text;
    int x, y, w, h;
    bool heading = false;
};


constexpr DWORD Child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
// Check boxes and option buttons are 17 pixels high, the usual height of such controls on the
// forms the skin was made for: the box then sits on the same row for the control and the skin.
constexpr DWORD Tab = WS_TABSTOP;

// Column one: buttons, check boxes, option buttons, the two openers. Column two: combo boxes.
// Column three: progress bars. Below them, across both: the header, the client edges, the lists.
const Label Labels[] = {
    {L"Command buttons 命令按钮", 12, 8, 230, 18, true},
    {L"normal", 12, 34, 84, 18}, {L"disabled", 12, 64, 84, 18},
    {L"default", 12, 94, 84, 18}, {L"focused", 12, 124, 84, 18},
    {L"Check boxes 复选框", 12, 160, 230, 18, true},
    {L"unchecked", 12, 184, 84, 18}, {L"checked", 12, 208, 84, 18},
    {L"indeterminate", 12, 232, 84, 18}, {L"disabled", 12, 256, 84, 18},
    {L"Option buttons 单选按钮", 12, 288, 230, 18, true},
    {L"group of three", 12, 312, 84, 18}, {L"disabled", 12, 384, 84, 18},
    {L"Modal windows 模态窗口", 12, 418, 230, 18, true},
    {L"message box", 12, 446, 84, 18}, {L"own dialog", 12, 476, 84, 18},
    {L"adds one", 12, 506, 84, 18}, {L"run time", 12, 536, 84, 18},

    {L"Combo boxes 组合框", 250, 8, 260, 18, true},
    {L"simple", 250, 34, 96, 18}, {L"drop-down", 250, 130, 96, 18},
    {L"drop-down list", 250, 160, 96, 18}, {L"disabled", 250, 190, 96, 18},
    {L"drive list", 250, 220, 96, 18},

    {L"Progress bars 进度条, range 0 to 30000", 530, 8, 420, 18, true},
    {L"0", 640, 30, 70, 16}, {L"7500", 718, 30, 70, 16},
    {L"15000", 796, 30, 70, 16}, {L"30000", 874, 30, 70, 16},
    {L"horizontal", 530, 50, 104, 18}, {L"horizontal, smooth", 530, 76, 104, 18},
    {L"vertical: left plain, right smooth", 530, 104, 104, 48},

    {L"Header 标题栏: pressed, hot and normal items follow the mouse", 250, 246, 700, 18, true},
    {L"Client edges and scroll bars 边框与滚动条", 250, 304, 440, 18, true},
    {L"list box", 250, 326, 200, 18}, {L"edit", 480, 326, 200, 18},
    {L"Data lists and grids 数据列表与网格", 250, 458, 700, 18, true},
    {L"data list, border", 250, 480, 165, 18}, {L"data list, no border", 425, 480, 165, 18},
    {L"grid, border", 600, 480, 165, 18}, {L"grid, no border", 775, 480, 165, 18},
};

const Control Controls[] = {
    {ButtonNormal, L"Button", L"Normal 普通", Child | Tab | BS_PUSHBUTTON, 0, 100, 30, 120, 25},
    {ButtonDisabled, L"Button", L"Disabled 禁用", Child | Tab | WS_DISABLED | BS_PUSHBUTTON, 0, 100, 60, 120, 25},
    {ButtonDefault, L"Button", L"Default 默认", Child | Tab | BS_DEFPUSHBUTTON, 0, 100, 90, 120, 25},
    {ButtonFocused, L"Button", L"Focused 焦点", Child | Tab | BS_PUSHBUTTON, 0, 100, 120, 120, 25},

    {CheckUnchecked, CheckBoxClass, L"Check 选项", Child | Tab | BS_AUTOCHECKBOX, 0, 100, 183, 130, 17},
    {CheckChecked, CheckBoxClass, L"Check 选项", Child | Tab | BS_AUTOCHECKBOX, 0, 100, 207, 130, 17},
    {CheckIndeterminate, CheckBoxClass, L"Check 选项", Child | Tab | BS_AUTO3STATE, 0, 100, 231, 130, 17},
    {CheckDisabled, CheckBoxClass, L"Check 选项", Child | Tab | WS_DISABLED | BS_AUTOCHECKBOX, 0, 100, 255, 130, 17},

    {OptionFirst, OptionButtonClass, L"First 第一", Child | Tab | WS_GROUP | BS_AUTORADIOBUTTON, 0, 100, 311, 130, 17},
    {OptionSecond, OptionButtonClass, L"Second 第二", Child | BS_AUTORADIOBUTTON, 0, 100, 335, 130, 17},
    {OptionThird, OptionButtonClass, L"Third 第三", Child | BS_AUTORADIOBUTTON, 0, 100, 359, 130, 17},
    {OptionDisabled, OptionButtonClass, L"Chosen 已选", Child | WS_GROUP | WS_DISABLED | BS_AUTORADIOBUTTON, 0, 100, 383, 130, 17},

    {ComboSimple, ComboBoxClass, L"", Child | Tab | WS_VSCROLL | CBS_SIMPLE, 0, 350, 30, 160, 92},
    {ComboDropDown, ComboBoxClass, L"", Child | Tab | WS_VSCROLL | CBS_DROPDOWN, 0, 350, 128, 160, 160},
    {ComboDropDownList, ComboBoxClass, L"", Child | Tab | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 350, 158, 160, 160},
    {ComboDisabled, ComboBoxClass, L"", Child | Tab | WS_DISABLED | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 350, 188, 160, 160},
    {DriveList, DriveListClass, L"", Child | Tab | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 350, 218, 160, 160},

    {Header, HeaderClass, L"", Child | HDS_BUTTONS | HDS_HORZ, 0, 250, 268, 700, 24},
    {ListWithEdge, L"ListBox", L"", Child | Tab | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, 250, 346, 210, 100},
    {EditWithEdge, L"Edit", L"", Child | Tab | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN, WS_EX_CLIENTEDGE, 480, 346, 210, 100},
    {DataListBorder, DataListClass, L"", Child | Tab | WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 0, 250, 500, 160, 80},
    {DataListPlain, DataListClass, L"", Child | Tab | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 0, 425, 500, 160, 80},
    {GridBorder, GridClass, L"", Child | Tab | WS_BORDER | LBS_NOINTEGRALHEIGHT, 0, 600, 500, 160, 80},
    {GridPlain, GridClass, L"", Child | Tab | LBS_NOINTEGRALHEIGHT, 0, 775, 500, 160, 80},

    {OpenMessageBox, L"Button", L"Message box 消息框…", Child | Tab | BS_PUSHBUTTON, 0, 100, 442, 130, 25},
    {OpenDialog, L"Button", L"Dialog 对话框…", Child | Tab | BS_PUSHBUTTON, 0, 100, 472, 130, 25},
    {AddButton, L"Button", L"Add a button 加按钮", Child | Tab | BS_PUSHBUTTON, 0, 100, 502, 130, 25},
};
// Made by AddButton once the form is up: a control the skin did not see at attach.
const Control Added{AddedButton, L"Button", L"Added 新按钮", Child | Tab | BS_PUSHBUTTON, 0, 100, 532, 130, 25};

// Sixteen bars: a column per position; two horizontal rows (plain, smooth), then the vertical
// pairs (plain on the left, smooth on the right) under each column.
Control ProgressControl(int i)
{
    const int row = i / 4, column = i % 4;
    const int x = 640 + column * 78;
    // A single border, which the skin draws in its frame colour (the control drops a client edge).
    DWORD style = Child | WS_BORDER | ((row == 1 || row == 3) ? PBS_SMOOTH : 0) | (row >= 2 ? PBS_VERTICAL : 0);
    if (row < 2) return {ProgressFirst + i, ProgressBarClass, L"", style, 0, x, 50 + row * 26, 70, 18};
    return {ProgressFirst + i, ProgressBarClass, L"", style, 0, x + (row == 2 ? 8 : 40), 104, 20, 120};
}

void AddStrings(HWND window, UINT message, std::initializer_list<const wchar_t*> items)
{
    for (const wchar_t* item : items) SendMessageW(window, message, 0, reinterpret_cast<LPARAM>(item));
}

void FillDriveList(HWND drives)
{
    wchar_t roots[512] = {};
    const DWORD length = GetLogicalDriveStringsW(ARRAYSIZE(roots) - 1, roots);
    for (const wchar_t* root = roots; length && *root; root += wcslen(root) + 1) {
        const std::wstring item{static_cast<wchar_t>(towlower(root[0])), L':'};
        SendMessageW(drives, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    SendMessageW(drives, CB_SETCURSEL, 0, 0);
}

void AddHeaderItems(HWND header)
{
    struct Item { const wchar_t* text; int width; };
    const Item items[] = {{L"Name 名称", 120},
                          {L"A caption far longer than its column can ever hold", 160},
                          {L"说明与备注", 120}, {L"Size", 90}, {L"Modified 修改日期", 150}};
    int index = 0;
    for (const Item& item : items) {
        HDITEMW hd{};
        hd.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        hd.fmt = HDF_LEFT | HDF_STRING;
        hd.cxy = Px(item.width);
        hd.pszText = const_cast<wchar_t*>(item.text);
        SendMessageW(header, HDM_INSERTITEMW, index++, reinterpret_cast<LPARAM>(&hd));
    }
}

// Puts each control into the state its label names, and gives the lists something to show.
void SetStates(HWND form)
{
    auto item = [form](int id) { return GetDlgItem(form, id); };
    SendMessageW(item(CheckChecked), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(item(CheckIndeterminate), BM_SETCHECK, BST_INDETERMINATE, 0);
    SendMessageW(item(CheckDisabled), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(item(OptionFirst), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(item(OptionDisabled), BM_SETCHECK, BST_CHECKED, 0);

    for (int id : {ComboSimple, ComboDropDown, ComboDropDownList, ComboDisabled}) {
        AddStrings(item(id), CB_ADDSTRING, {L"Apple 苹果", L"Pear 梨", L"Plum 李子", L"Peach 桃子", L"Cherry 樱桃"});
        SendMessageW(item(id), CB_SETCURSEL, 0, 0);
    }
    FillDriveList(item(DriveList));

    for (int i = 0; i < 16; ++i) {
        HWND bar = item(ProgressFirst + i);
        SendMessageW(bar, PBM_SETRANGE32, 0, ProgressMax);
        SendMessageW(bar, PBM_SETPOS, ProgressPositions[i % 4], 0);
    }
    AddHeaderItems(item(Header));

    HWND list = item(ListWithEdge);
    for (int i = 1; i <= 20; ++i) {
        const std::wstring row = L"Row " + std::to_wstring(i) + L" 第" + std::to_wstring(i) +
                                 L"行, a line wider than the list itself";
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    }
    SendMessageW(list, LB_SETHORIZONTALEXTENT, 400, 0);
    SendMessageW(list, LB_SETCURSEL, 2, 0);
    std::wstring text;
    for (int i = 1; i <= 12; ++i)
        text += L"Line " + std::to_wstring(i) + L" 第" + std::to_wstring(i) +
                L"行 of an edit whose text is wider and taller than its window\r\n";
    SetWindowTextW(item(EditWithEdge), text.c_str());

    for (int id : {DataListBorder, DataListPlain, GridBorder, GridPlain})
        AddStrings(item(id), LB_ADDSTRING, {L"Record 1 记录", L"Record 2 记录", L"Record 3 记录", L"Record 4 记录"});
}

HFONT HeadingFontFrom(HFONT font)
{
    LOGFONTW lf{};
    GetObjectW(font, sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&lf);
}

void UseFonts(HWND form, FormState& state)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return;
    state.font = CreateFontIndirectW(&metrics.lfMessageFont);
    state.headingFont = HeadingFontFrom(state.font);
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const bool heading = GetWindowLongPtrW(child, GWLP_USERDATA) != 0;
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(heading ? state.headingFont : state.font), TRUE);
    }
}

FormState* StateOf(HWND form)
{
    return reinterpret_cast<FormState*>(GetWindowLongPtrW(form, GWLP_USERDATA));
}

LRESULT CALLBACK FormProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE: {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(form, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        break;
    }
    case WM_COMMAND: {
        FormState* state = StateOf(form);
        if (!state || HIWORD(wParam) != BN_CLICKED) break;
        if (LOWORD(wParam) == AddButton && !GetDlgItem(form, AddedButton))
            SendMessageW(CreateControl(form, Added), WM_SETFONT, reinterpret_cast<WPARAM>(state->font), TRUE);
        if (!state->options.openModalWindows) break;
        if (LOWORD(wParam) == OpenMessageBox) OpenGalleryMessageBox(form);
        if (LOWORD(wParam) == OpenDialog) OpenGalleryDialog(form);
        return 0;
    }
    case WM_DESTROY:
        if (FormState* state = StateOf(form); state && state->options.quitOnDestroy) PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        if (FormState* state = StateOf(form)) {
            SetWindowLongPtrW(form, GWLP_USERDATA, 0);
            DeleteObject(state->font);
            DeleteObject(state->headingFont);
            delete state;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(form, message, wParam, lParam);
}

}  // namespace

bool RegisterGalleryClasses(HINSTANCE instance)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(instance, FormClass, &wc)) {
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = FormProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = FormClass;
        if (!RegisterClassExW(&wc)) return false;
    }
    return RegisterControlClasses(instance);
}

HWND CreateGalleryForm(HINSTANCE instance, const Options& options)
{
    if (!RegisterGalleryClasses(instance)) return nullptr;
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT outer{0, 0, Px(ClientWidth), Px(ClientHeight)};
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    auto* state = new FormState{options};
    HWND form = CreateWindowExW(0, FormClass, FormCaption, style, 40, 40, outer.right - outer.left,
                                outer.bottom - outer.top, nullptr, nullptr, instance, state);
    if (!form) {
        delete state;
        return nullptr;
    }
    for (const Label& l : Labels) {
        HWND label = CreateWindowExW(0, L"Static", l.text, Child | SS_LEFT | SS_NOPREFIX, Px(l.x),
                                     Px(l.y), Px(l.w), Px(l.h), form, nullptr, instance, nullptr);
        SetWindowLongPtrW(label, GWLP_USERDATA, l.heading);
    }
    for (const Control& c : Controls) CreateControl(form, c);
    for (int i = 0; i < 16; ++i) CreateControl(form, ProgressControl(i));
    SetStates(form);
    UseFonts(form, *state);
    return form;
}

std::vector<HWND> GalleryParts(HWND form)
{
    std::vector<HWND> parts;
    for (int id = FirstPart; id <= LastPart; ++id)
        if (HWND part = GetDlgItem(form, id)) parts.push_back(part);
    return parts;
}

void ShowGalleryForm(HWND form, int showCommand)
{
    ShowWindow(form, showCommand);
    UpdateWindow(form);
    SetForegroundWindow(form);
    SetFocus(GetDlgItem(form, ButtonFocused));
}

}  // namespace gallery
