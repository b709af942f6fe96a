#pragma once
// A skinned form with the kinds the skin draws over their own painting: superclasses of the
// system's "Button" and "ComboBox" under the kinds' class names, and the standard "ComboBox".
#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/draw/primitives.h"
#include "skin/support/skin_fixture.h"

namespace skintest {

inline HWND AddControl(HWND parent, const wchar_t* cls, DWORD style, int x, int y, int h, int w = 100)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (wcscmp(cls, L"ComboBox") && GetClassInfoExW(nullptr, wcsstr(cls, L"Check") || wcsstr(cls, L"Option") ? L"Button" : L"ComboBox", &wc))
        wc.hInstance = GetModuleHandleW(nullptr), wc.lpszClassName = cls, RegisterClassExW(&wc);  // fails once registered
    HWND control = test::MakeChild(parent, cls, L"Item", style, x, y, w, h);
    for (const wchar_t* item : {L"one", L"two", L"three"}) SendMessageW(control, CB_ADDSTRING, 0, LPARAM(item));
    return control;
}

inline std::uint32_t Pixel(HDC dc, int x, int y) { return test::DcPixel(dc, x, y); }
inline int Half(int v) { return skin::RoundHalfEven(v / 2.0); }
inline int Height(HWND w) { RECT r; GetWindowRect(w, &r); return r.bottom - r.top; }
inline INT_PTR State(HWND w) { return skin::GetSkinProp(w, skin::prop::OldState); }
inline void Blot(HWND w, int x, int y) { HDC dc = GetWindowDC(w); SetPixel(dc, x, y, 0); ReleaseDC(w, dc); }

// Check boxes are 5 higher than the box (top 2.5, so 2), option buttons 7 (3.5, so 4); combos are
// 100 wide with the button from x0. o3 is three-state underneath: only those report check state 2.
struct CheckComboForm {
    const int cx = GetSystemMetrics(SM_CXMENUCHECK), cy = GetSystemMetrics(SM_CYMENUCHECK);
    const int x0 = 100 - GetSystemMetrics(SM_CXVSCROLL) - 2;
    test::Window form = test::MakeTopLevel(L"ThunderRT6FormDC", 40, 40, 400, 200);
    HWND check = AddControl(form, L"ThunderRT6CheckBox", BS_AUTO3STATE, 10, 10, cy + 5, 120);
    HWND o1 = AddControl(form, L"ThunderRT6OptionButton", BS_AUTORADIOBUTTON | WS_GROUP, 10, 40, cy + 7, 120);
    HWND o2 = AddControl(form, L"ThunderRT6OptionButton", BS_AUTORADIOBUTTON, 10, 70, cy + 7, 120);
    HWND o3 = AddControl(form, L"ThunderRT6OptionButton", BS_AUTO3STATE, 10, 100, cy + 7, 120);
    HWND edit = AddControl(form, L"ComboBox", CBS_DROPDOWN, 150, 10, 100);
    HWND list = AddControl(form, L"ThunderRT6ComboBox", CBS_DROPDOWNLIST, 150, 50, 100);
    HWND simple = AddControl(form, L"ThunderRT6ComboBox", CBS_SIMPLE, 150, 90, 80);
    HWND drive = AddControl(form, L"ThunderRT6DriveListBox", CBS_DROPDOWNLIST, 270, 10, 100);
    const int h = Height(edit);
    CheckComboForm() { SendMessageW(o1, BM_SETCHECK, BST_CHECKED, 0), skin::SkinWindow(form), CursorAway(); }
};

}  // namespace skintest
