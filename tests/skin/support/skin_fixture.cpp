#include "skin/support/skin_fixture.h"

#include <cwchar>
#include <utility>

#include "skin/core/skin_window_proc.h"
#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/draw/gdi_objects.h"

namespace skintest {
namespace {

std::vector<std::pair<HGDIOBJ, DWORD>> g_created;
MessageCounter* g_counter = nullptr;
WNDPROC g_countedPrevious = nullptr;
UINT g_countedMessage = 0;

void Record(HGDIOBJ object)
{
    g_created.emplace_back(object, GetObjectType(object));
}

LRESULT CALLBACK CountingProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == g_countedMessage && g_counter) ++g_counter->count;
    return CallWindowProcW(g_countedPrevious, w, msg, wp, lp);
}

}  // namespace

FormTree MakeFormTree()
{
    FormTree t;
    t.form = test::MakeTopLevel(L"Form", 60, 60, 400, 300, L"skin test");
    auto child = [](HWND parent, const wchar_t* cls, DWORD style, int x, int y, int w, int h) {
        return test::MakeChild(parent, cls, L"x", style, x, y, w, h).release();
    };
    t.button = child(t.form, L"Button", BS_PUSHBUTTON, 10, 10, 80, 25);
    t.disabledButton = child(t.form, L"Button", BS_DEFPUSHBUTTON | WS_DISABLED, 100, 10, 80, 25);
    t.checkStyleButton = child(t.form, L"Button", BS_AUTOCHECKBOX, 190, 10, 80, 25);
    t.other = child(t.form, L"Static", 0, 10, 50, 80, 20);
    t.nested = child(t.form, L"#32770", WS_CLIPCHILDREN, 10, 80, 300, 150);
    t.deepButton = child(t.nested, L"Button", BS_PUSHBUTTON, 10, 10, 90, 30);
    t.deepOther = child(t.nested, L"Static", 0, 10, 50, 90, 20);
    return t;
}

WNDPROC ProcOf(HWND window)
{
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
}

bool HasSkinProc(HWND window)
{
    return ProcOf(window) == &skin::SkinWindowProc;
}

std::vector<std::string> SkinPropNames(HWND window)
{
    static const char* const names[] = {"PROCADDR", "OLDSTATE", "OLDSTYLE", "MOUSEFLAG",
                                        "TIMERID",  "ALPHALEVEL", "HDINDEX", "HMINDEX",
                                        "0HDC", "1HDC", "2HDC", "3HDC", "0BMP", "1BMP", "2BMP", "3BMP"};
    const std::vector<std::string> present = test::PropNames(window);
    std::vector<std::string> found;
    for (const char* name : names)
        for (const std::string& p : present)
            if (_stricmp(p.c_str(), name) == 0) found.push_back(name);
    return found;
}

std::uint32_t Pixel(HDC dc, int x, int y)
{
    return test::ToRgb(GetPixel(dc, x, y));
}

HDC FaceOf(HWND button, int state)
{
    return reinterpret_cast<HDC>(skin::GetSkinProp(button, skin::prop::FaceDc[state]));
}

int InteriorDifferences(HWND button, int state)
{
    RECT r;
    GetWindowRect(button, &r);
    HDC dc = GetWindowDC(button);
    int differences = 0;
    for (int y = 3; y < r.bottom - r.top - 3; ++y)
        for (int x = 3; x < r.right - r.left - 3; ++x)
            differences += GetPixel(dc, x, y) != GetPixel(FaceOf(button, state), x, y);
    ReleaseDC(button, dc);
    return differences;
}

void CursorOnto(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void CursorAway()
{
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
}

MessageCounter::MessageCounter(HWND window, UINT message)
{
    g_counter = this;
    g_countedMessage = message;
    g_countedPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc)));
}

MessageCounter::~MessageCounter()
{
    g_counter = nullptr;
}

CreatedObjects::CreatedObjects()
{
    g_created.clear();
    skin::gdi::SetCreationObserver(&Record);
}

CreatedObjects::~CreatedObjects()
{
    skin::gdi::SetCreationObserver(nullptr);
}

int CreatedObjects::CountOfType(DWORD type) const
{
    int n = 0;
    for (const auto& [object, t] : g_created) n += t == type;
    return n;
}

int CreatedObjects::Created() const
{
    return static_cast<int>(g_created.size());
}

std::vector<HGDIOBJ> CreatedObjects::StillAlive() const
{
    std::vector<HGDIOBJ> alive;
    for (const auto& [object, t] : g_created)
        if (GetObjectType(object)) alive.push_back(object);
    return alive;
}

ButtonWindow::ButtonWindow(DWORD style, const wchar_t* buttonClass, int x, int y, bool countTicks)
    : parent(test::MakeTopLevel(L"FadeTestParent", x, y, 240, 120))
{
    if (wcscmp(buttonClass, L"Button") != 0) test::RegisterClassOnce(buttonClass);
    button = test::MakeChild(parent, buttonClass, L"Go", style, 40, 40, 80, 25).release();
    if (countTicks) ticks = std::make_unique<MessageCounter>(button, WM_TIMER);
    SetForegroundWindow(parent);
    CursorAway();
    skin::SkinWindow(button);
    UpdateWindow(parent);
    test::Pump(20);
}

ButtonWindow::~ButtonWindow()
{
    DestroyWindow(parent.release());
}

bool WaitForFadeEnd(HWND button)
{
    return test::PumpUntil([button] { return skin::GetSkinProp(button, skin::prop::TimerId) == 0; }, 5000);
}

}  // namespace skintest
