/* dll-consumer: uses velmora-skin.dll as a program in another language would, with LoadLibraryW
   and GetProcAddress (no header, no import library). It skins a form, lets the DLL go with
   FreeLibrary, then moves the real pointer over the button and clicks it, closes the form and
   compares the process's GDI objects with their number before the form. Its last line says
   whether every check passed; a process that crashes (say, in a window procedure that was
   unloaded under its windows) never prints it, whatever exit code it ends with. */
#include <stdio.h>
#include <windows.h>

typedef LONG(WINAPI* SkinFunction)(HWND);

static int failures;
static int clicks;

static void check(int ok, const char* what)
{
    if (!ok) {
        printf("FAILED: %s\n", what);
        ++failures;
    }
}

/* GDI objects of this process. Wine 8 does not implement GetGuiResources (0, with
   ERROR_CALL_NOT_IMPLEMENTED) but takes a bare handle index as a handle: there, the live objects
   are counted index by index. */
static DWORD CountGdiObjects(void)
{
    DWORD count;
    ULONG_PTR index;
    SetLastError(0);
    count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (count || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return count;
    for (index = 1; index < 0x10000; ++index)
        if (GetObjectType((HGDIOBJ)index)) ++count;
    return count;
}

static void Pump(DWORD ms)
{
    const DWORD start = GetTickCount();
    MSG message;
    do {
        MsgWaitForMultipleObjects(0, NULL, FALSE, 5, QS_ALLINPUT);
        while (PeekMessageW(&message, NULL, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    } while (GetTickCount() - start < ms);
}

static void SendMouse(DWORD flags, int x, int y)
{
    INPUT in;
    ZeroMemory(&in, sizeof in);
    in.type = INPUT_MOUSE;
    in.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
}

static LRESULT CALLBACK FormProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) ++clicks;
    return DefWindowProcW(form, message, wParam, lParam);
}

/* "Form" is one of the class names the skin takes for a form: it skins everything inside. */
static HWND CreateForm(HWND* button)
{
    HWND form = CreateWindowExW(0, L"Form", L"dll-consumer", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                100, 100, 240, 120, NULL, NULL, GetModuleHandleW(NULL), NULL);
    *button = CreateWindowExW(0, L"Button", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 70, 20,
                              90, 30, form, NULL, GetModuleHandleW(NULL), NULL);
    Pump(100);
    return form;
}

int main(void)
{
    WNDCLASSW formClass = {0, FormProc, 0, 0, GetModuleHandleW(NULL), NULL, LoadCursorW(NULL, (LPCWSTR)IDC_ARROW),
                           (HBRUSH)(COLOR_BTNFACE + 1), NULL, L"Form"};
    HWND form, button;
    HMODULE dll;
    SkinFunction skinWindow;
    DWORD gdiAtStart, gdiAtEnd;
    RECT r;

    /* The first window and button of a process make objects that the system keeps for good. */
    RegisterClassW(&formClass);
    DestroyWindow(CreateForm(&button));
    gdiAtStart = CountGdiObjects();

    dll = LoadLibraryW(L"velmora-skin.dll");
    skinWindow = dll ? (SkinFunction)(void*)GetProcAddress(dll, "SkinWindow") : NULL;
    check(skinWindow && GetProcAddress(dll, "AttachSkin") && GetProcAddress(dll, "DetachSkin"),
          "velmora-skin.dll loads and exports SkinWindow, AttachSkin and DetachSkin");
    if (!skinWindow) return 1;

    form = CreateForm(&button);
    check(skinWindow(form) == 1, "SkinWindow skins the form");
    check(GetPropA(button, "PROCADDR") != NULL, "the button carries PROCADDR");
    FreeLibrary(dll);
    check(GetModuleHandleW(L"velmora-skin.dll") != NULL, "the DLL stays loaded after FreeLibrary");

    /* The risky part: the DLL's window procedure handles the hover, the press and the leave. */
    GetWindowRect(button, &r);
    SendMouse(MOUSEEVENTF_MOVE, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    Pump(100);
    SendMouse(MOUSEEVENTF_LEFTDOWN, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    Pump(50);
    SendMouse(MOUSEEVENTF_LEFTUP, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    Pump(100);
    SendMouse(MOUSEEVENTF_MOVE, 5, 5);
    Pump(600); /* Wine reports the leave on a tick of its own, up to 400 ms late */
    check(clicks == 1, "the click on the skinned button reaches the form");
    DestroyWindow(form);
    Pump(100);

    gdiAtEnd = CountGdiObjects();
    printf("dll-consumer: GDI objects %lu before the form, %lu after it\n", gdiAtStart, gdiAtEnd);
    check(gdiAtEnd == gdiAtStart, "the GDI objects are back at their number before the form");
    printf("dll-consumer: %s\n", failures ? "FAILED" : "all checks passed");
    return failures != 0;
}
