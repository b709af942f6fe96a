#include "control_classes.h"

#include <commctrl.h>

#include <array>
#include <cstddef>
#include <utility>

namespace gallery {
namespace {

struct Superclass {
    const wchar_t* name;
    const wchar_t* base;
    WNDPROC baseProc;
};

std::array<Superclass, 8> g_classes{{
    {CheckBoxClass, L"Button", nullptr},
    {OptionButtonClass, L"Button", nullptr},
    {ComboBoxClass, L"ComboBox", nullptr},
    {DriveListClass, L"ComboBox", nullptr},
    {ProgressBarClass, PROGRESS_CLASSW, nullptr},
    {HeaderClass, WC_HEADERW, nullptr},
    {DataListClass, L"ListBox", nullptr},
    {GridClass, L"ListBox", nullptr},
}};

// A superclass hands every message to the procedure of the class it is made from.
template <std::size_t I>
LRESULT CALLBACK SuperclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(g_classes[I].baseProc, window, message, wParam, lParam);
}

template <std::size_t... I>
constexpr std::array<WNDPROC, sizeof...(I)> MakeProcs(std::index_sequence<I...>)
{
    return {&SuperclassProc<I>...};
}

constexpr auto Procs = MakeProcs(std::make_index_sequence<8>());

bool Register(HINSTANCE instance, std::size_t i)
{
    Superclass& c = g_classes[i];
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(instance, c.name, &wc)) return true;  // registered before
    if (!GetClassInfoExW(nullptr, c.base, &wc)) return false;
    c.baseProc = wc.lpfnWndProc;
    wc.lpfnWndProc = Procs[i];
    wc.hInstance = instance;
    wc.lpszClassName = c.name;
    wc.lpszMenuName = nullptr;
    wc.style &= ~CS_GLOBALCLASS;
    return RegisterClassExW(&wc) != 0;
}

}  // namespace

bool RegisterControlClass(HINSTANCE instance, const wchar_t* name)
{
    for (std::size_t i = 0; i < g_classes.size(); ++i)
        if (g_classes[i].name == name) return Register(instance, i);
    return false;
}

bool RegisterControlClasses(HINSTANCE instance)
{
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    bool all = true;
    for (std::size_t i = 0; i < g_classes.size(); ++i) all = Register(instance, i) && all;
    return all;
}

}  // namespace gallery
