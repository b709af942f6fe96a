#include "skin/support/skin_fixture.h"

#include "skin/core/window_props.h"
#include "skin/draw/gdi_objects.h"

namespace skintest {
namespace {

std::vector<HGDIOBJ> g_created;
std::vector<DWORD> g_types;

void Record(HGDIOBJ object)
{
    g_created.push_back(object);
    g_types.push_back(GetObjectType(object));
}

}  // namespace

std::vector<HWND> FormTree::All() const
{
    return {button, disabledButton, checkStyleButton, other, nested, deepButton, deepOther,
            form.get()};
}

FormTree MakeFormTree()
{
    FormTree t;
    t.form = test::MakeTopLevel(L"Form", 60, 60, 400, 300, L"skin test");
    HINSTANCE inst = GetModuleHandleW(nullptr);
    auto child = [&](HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x,
                     int y, int w, int h) {
        return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                               nullptr, inst, nullptr);
    };
    t.button = child(t.form, L"Button", L"OK", BS_PUSHBUTTON, 10, 10, 80, 25);
    t.disabledButton = child(t.form, L"Button", L"No", BS_DEFPUSHBUTTON | WS_DISABLED, 100, 10, 80, 25);
    t.checkStyleButton = child(t.form, L"Button", L"Check", BS_AUTOCHECKBOX, 190, 10, 80, 25);
    t.other = child(t.form, L"Static", L"text", 0, 10, 50, 80, 20);
    t.nested = child(t.form, L"#32770", L"", WS_CLIPCHILDREN, 10, 80, 300, 150);
    t.deepButton = child(t.nested, L"Button", L"Deep", BS_PUSHBUTTON, 10, 10, 90, 30);
    t.deepOther = child(t.nested, L"Static", L"deep text", 0, 10, 50, 90, 20);
    return t;
}

WNDPROC ProcOf(HWND window)
{
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
}

std::vector<std::string> SkinPropNames(HWND window)
{
    static const std::vector<std::string> names{
        "PROCADDR", "OLDSTATE", "OLDSTYLE", "MOUSEFLAG", "TIMERID", "ALPHALEVEL", "HDINDEX",
        "HMINDEX",  "0HDC",     "1HDC",     "2HDC",      "3HDC",    "0BMP",       "1BMP",
        "2BMP",     "3BMP"};
    std::vector<std::string> found;
    for (const std::string& name : test::PropNames(window))
        for (const std::string& skinName : names)
            if (_stricmp(name.c_str(), skinName.c_str()) == 0) found.push_back(skinName);
    return found;
}

bool HasSkinProps(HWND window)
{
    return !SkinPropNames(window).empty();
}

std::uint32_t Pixel(HDC dc, int x, int y)
{
    return test::ToRgb(GetPixel(dc, x, y));
}

CreatedObjects::CreatedObjects()
{
    g_created.clear();
    g_types.clear();
    skin::gdi::SetCreationObserver(&Record);
}

CreatedObjects::~CreatedObjects()
{
    skin::gdi::SetCreationObserver(nullptr);
}

const std::vector<HGDIOBJ>& CreatedObjects::objects() const
{
    return g_created;
}

int CreatedObjects::CountOfType(DWORD type) const
{
    int n = 0;
    for (DWORD t : g_types) n += t == type;
    return n;
}

std::vector<HGDIOBJ> CreatedObjects::StillAlive() const
{
    std::vector<HGDIOBJ> alive;
    for (HGDIOBJ object : g_created)
        if (GetObjectType(object) != 0) alive.push_back(object);
    return alive;
}

int InteriorDifferences(HWND button, int state)
{
    const auto face = reinterpret_cast<HDC>(skin::GetSkinProp(button, skin::prop::FaceDc[state]));
    RECT r;
    GetWindowRect(button, &r);
    HDC dc = GetWindowDC(button);
    int differences = 0;
    for (int y = 3; y < r.bottom - r.top - 3; ++y)
        for (int x = 3; x < r.right - r.left - 3; ++x)
            differences += GetPixel(dc, x, y) != GetPixel(face, x, y);
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

namespace {

// One counter at a time is enough for the tests.
WNDPROC g_countedPrevious = nullptr;
UINT g_countedMessage = 0;
int g_count = 0;

LRESULT CALLBACK CountingProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == g_countedMessage) ++g_count;
    return CallWindowProcW(g_countedPrevious, w, msg, wp, lp);
}

}  // namespace

MessageCounter::MessageCounter(HWND window, UINT message)
{
    g_countedMessage = message;
    g_count = 0;
    g_countedPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc)));
}

MessageCounter::~MessageCounter()
{
    g_countedMessage = 0;
}

int MessageCounter::count() const
{
    return g_count;
}

void MessageCounter::reset()
{
    g_count = 0;
}

}  // namespace skintest
