// gallery: one form with every kind of control the skin paints, each in every state it can
// show, skinned the way an application skins its window, and below it a main window with the other
// common controls. Closing the form ends the program.
//   gallery [add] [SKIN_FOLDER]    add: presses "Add a button" once the form is up (for pictures
//                                  taken where nobody can press it); SKIN_FOLDER: the skin to show
//                                  instead of the built-in one (README: "Skin folders")
#include <windows.h>

#include <cstdio>
#include <string>

#include "controls_window.h"
#include "gallery_form.h"
#include "skin/core/skin_change.h"
#include "skin/core/skinner.h"
#include "skin/core/window_props.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand)
{
    std::wstring folder = commandLine;
    const bool add = folder == L"add" || folder.rfind(L"add ", 0) == 0;
    if (add) folder.erase(0, 3);
    folder.erase(0, folder.find_first_not_of(L' '));
    if (folder.size() > 1 && folder.front() == L'"' && folder.back() == L'"') folder = folder.substr(1, folder.size() - 2);
    if (!folder.empty() && !skin::SkinLoadFolderW(folder.c_str())) {
        wchar_t why[1024];
        skin::SkinGetLastErrorW(why, 1024);
        std::fwprintf(stderr, L"gallery: the built-in skin, as the folder was refused: %ls\n", why);
    }

    gallery::Options options;
    options.quitOnDestroy = true;
    HWND form = gallery::CreateGalleryForm(instance, options);
    if (!form) return 1;
    skin::SkinWindow(form);
    gallery::ShowGalleryForm(form, showCommand);
    // The other common controls, in a window of the program's own class below the form.
    RECT below{};
    GetWindowRect(form, &below);
    if (HWND controls = gallery::CreateControlsWindow(instance, below.left, below.bottom + 8)) {
        skin::SkinWindowEx(controls, skin::SkinChildrenFlag);
        ShowWindow(controls, SW_SHOWNOACTIVATE);
        UpdateWindow(controls);
    }
    if (add)
        SendMessageW(GetDlgItem(form, gallery::AddButton), BM_CLICK, 0, 0);

    MSG message;
    BOOL got;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return got == 0 ? static_cast<int>(message.wParam) : 1;
}
