#include "gallery_dialogs.h"

#include "control_classes.h"
#include "dialog_template.h"

namespace gallery {
namespace {

constexpr DWORD ComboInDialog = 201;

INT_PTR CALLBACK GalleryDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: {
        HWND combo = GetDlgItem(dialog, ComboInDialog);
        for (const wchar_t* item : {L"北京", L"上海", L"广州"})
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendMessageW(combo, CB_SETCURSEL, 0, 0);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

void OpenGalleryMessageBox(HWND owner)
{
    MessageBoxW(owner, L"A message box owned by the form: the skin takes it on when it becomes active.\n"
                       L"消息框中的按钮也换了皮肤。",
                L"消息 Message", MB_OKCANCEL | MB_ICONINFORMATION);
}

INT_PTR OpenGalleryDialog(HWND owner)
{
    DialogTemplate t(L"对话框 Dialog", DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                     200, 92, 9, L"MS Shell Dlg");
    t.AddItem(L"Static", L"A dialog of the gallery's own, skinned as it shows up. 对话框。", SS_LEFT,
              0, 8, 8, 184, 18, 0xFFFF);
    t.AddItem(CheckBoxClass, L"Remember 记住", BS_AUTOCHECKBOX | WS_TABSTOP, 0, 8, 30, 90, 12, 101);
    t.AddItem(OptionButtonClass, L"One 一", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, 104, 30,
              44, 12, 102);
    t.AddItem(OptionButtonClass, L"Two 二", BS_AUTORADIOBUTTON, 0, 150, 30, 44, 12, 103);
    t.AddItem(ComboBoxClass, L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP, 0, 8, 48,
              90, 60, ComboInDialog);
    t.AddItem(L"Edit", L"Edit 编辑", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 104, 48, 88, 13,
              202);
    t.AddItem(L"Button", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, 88, 72, 50, 14, IDOK);
    t.AddItem(L"Button", L"取消", BS_PUSHBUTTON | WS_TABSTOP, 0, 142, 72, 50, 14, IDCANCEL);
    return DialogBoxIndirectParamW(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)),
                                   t.Get(), owner, GalleryDialogProc, 0);
}

}  // namespace gallery
