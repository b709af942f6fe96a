// gallery: one form with every kind of control the skin paints, each in every state it can
// show, skinned the way an application skins its window. Closing the form ends the program.
//   gallery [add]    add: presses "Add a button" once the form is up (for pictures taken
//                    where nobody can press it)
#include <windows.h>

#include <cwchar>

#include "gallery_form.h"
#include "skin/core/skinner.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand)
{
    gallery::Options options;
    options.quitOnDestroy = true;
    HWND form = gallery::CreateGalleryForm(instance, options);
    if (!form) return 1;
    skin::SkinWindow(form);
    gallery::ShowGalleryForm(form, showCommand);
    if (std::wcscmp(commandLine, L"add") == 0)
        SendMessageW(GetDlgItem(form, gallery::AddButton), BM_CLICK, 0, 0);

    MSG message;
    BOOL got;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return got == 0 ? static_cast<int>(message.wParam) : 1;
}
