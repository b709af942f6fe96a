/* c-consumer: a plain C program that skins its own dialog box with the installed static library.
   It prints what failed and exits non-zero when a check fails. */
#include <stdio.h>
#include <windows.h>

#include <velmora/skin.h>

static int failures;
static int destroyed;

static void check(int ok, const char* what)
{
    if (!ok) {
        printf("FAILED: %s\n", what);
        ++failures;
    }
}

static INT_PTR CALLBACK FormProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    if (message == WM_DESTROY) {
        /* The skin sees WM_DESTROY before the dialog does, and comes off the whole form then. */
        destroyed = 1;
        check(!GetPropA(form, "PROCADDR"), "no PROCADDR on the form being destroyed");
        check(!GetPropA(GetDlgItem(form, IDOK), "PROCADDR"), "no PROCADDR on its button");
    }
    return message == WM_INITDIALOG;
}

/* The skin works on the windows of the calling thread only. */
static DWORD WINAPI DetachOnAnotherThread(LPVOID window)
{
    return (DWORD)DetachSkin((HWND)window);
}

static LONG DetachFromAnotherThread(HWND window)
{
    DWORD result = 1;
    MSG message;
    HANDLE thread = CreateThread(NULL, 0, DetachOnAnotherThread, window, 0, NULL);
    /* Answer what the other thread may send to the window meanwhile. */
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0)
        while (PeekMessageW(&message, NULL, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    GetExitCodeThread(thread, &result);
    CloseHandle(thread);
    return (LONG)result;
}

int main(void)
{
    HWND form = CreateDialogParamW(GetModuleHandleW(NULL), L"FORM", NULL, FormProc, 0);
    HWND button = GetDlgItem(form, IDOK);
    MSG message;
    check(form && button, "the dialog box and its button are made");

    check(SkinWindow(form) == 1, "SkinWindow skins the dialog box");
    check(GetPropA(button, "PROCADDR") != NULL, "the button carries PROCADDR");
    check(SkinWindow(form) == 0, "a second SkinWindow does nothing");
    check(DetachSkin(button) == 1 && !GetPropA(button, "PROCADDR"), "DetachSkin takes it off the button");
    check(AttachSkin(button) == 1 && GetPropA(button, "PROCADDR"), "AttachSkin puts it back");
    check(DetachFromAnotherThread(button) == 0 && GetPropA(button, "PROCADDR"),
          "DetachSkin on another thread does nothing");

    ShowWindow(form, SW_SHOW);
    while (PeekMessageW(&message, NULL, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    DestroyWindow(form);
    check(destroyed, "the dialog box is destroyed");

    printf("c-consumer: %s\n", failures ? "FAILED" : "all checks passed");
    return failures != 0;
}
