#pragma once
// Windows to skin in the skin tests, and ways to look into what the skin left on them.
#include <algorithm>

#include "skin/core/skin_window_proc.h"
#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/draw/gdi_objects.h"
#include "support/test_window.h"

namespace skintest {

using namespace skin;
using test::DcPixel;
using Names = std::vector<std::string>;

inline bool HasSkinProc(HWND w) { return GetWindowLongPtrW(w, GWLP_WNDPROC) == LONG_PTR(&SkinWindowProc); }
inline HDC FaceOf(HWND button, int state) { return HDC(GetSkinProp(button, prop::FaceDc[state])); }

inline BOOL CALLBACK CollectPropName(HWND, LPSTR name, HANDLE, ULONG_PTR names)
{
    if (ULONG_PTR(name) > 0xFFFF) reinterpret_cast<Names*>(names)->push_back(name);  // atom-named ones come as small numbers
    return TRUE;
}
// The skin's property names the window carries, in this order (the platform may keep its own).
inline Names SkinPropNames(HWND w)
{
    Names present, found;
    EnumPropsExA(w, CollectPropName, LPARAM(&present));
    for (const char* name : {"PROCADDR", "NEXTPROC", "OLDSTATE", "OLDSTYLE", "MOUSEFLAG", "TIMERID", "ALPHALEVEL", "HDINDEX", "HMINDEX",
                             "0HDC", "1HDC", "2HDC", "3HDC", "0BMP", "1BMP", "2BMP", "3BMP"})
        for (const std::string& p : present)
            if (_stricmp(p.c_str(), name) == 0) found.push_back(name);
    return found;
}

// What attach leaves on a command button, in SkinPropNames' order.
inline const Names kButtonProps{"PROCADDR", "NEXTPROC", "OLDSTATE", "OLDSTYLE", "MOUSEFLAG", "TIMERID", "ALPHALEVEL",
                                "0HDC", "1HDC", "2HDC", "3HDC", "0BMP", "1BMP", "2BMP", "3BMP"};

// The type of the window's region (ERROR: it has none), its bounding box in box.
inline int WindowRegion(HWND w, RECT* box = nullptr)
{
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int type = GetWindowRgn(w, region);
    if (box) GetRgnBox(region, box);
    DeleteObject(region);
    return type;
}
// An 80 x 25 command button skinned whole: the skin's procedure, all its properties, the region with the corners cut.
inline bool SkinnedButton(HWND b)
{
    RECT box{};
    return HasSkinProc(b) && SkinPropNames(b) == kButtonProps && WindowRegion(b, &box) == COMPLEXREGION && box == RECT{0, 0, 80, 25};
}

// Pixels inside an 80 x 25 button (3 in from each edge, clear of the corners) whose colour on the
// screen differs from the face of the state.
inline int InteriorDifferences(HWND button, int state)
{
    int differences = 0;
    for (int y = 3; y < 22; ++y)
        for (int x = 3; x < 77; ++x) differences += test::WindowPixel(button, x, y) != DcPixel(FaceOf(button, state), x, y);
    return differences;
}

inline void CursorAway() { SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2); }
inline bool WaitForFadeEnd(HWND b) { return test::PumpUntil([b] { return GetSkinProp(b, prop::TimerId) == 0; }, 5000); }

// Records the messages that reach the window's procedure as it is now: installed before the skin,
// it sees what the skin passes on. One at a time.
struct MessageLog {
    inline static std::vector<UINT> seen;
    inline static WNDPROC previous = nullptr;
    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
    {
        seen.push_back(msg);
        return CallWindowProcW(previous, w, msg, wp, lp);
    }
    explicit MessageLog(HWND w) { seen.clear(); previous = WNDPROC(SetWindowLongPtrW(w, GWLP_WNDPROC, LONG_PTR(&Proc))); }
    static int Count(UINT msg) { return int(std::count(seen.begin(), seen.end(), msg)); }
};

// A window with an 80 x 25 push button, its messages logged; only the button is skinned, the cursor
// is away and the first paint done, so the button rests on its normal face.
struct ButtonWindow {
    test::Window parent = test::MakeTopLevel(L"ButtonParent", 100, 100, 240, 120);
    HWND button = test::MakeChild(parent, L"Button", L"Go", BS_PUSHBUTTON, 40, 40, 80, 25);
    MessageLog log{button};
    ButtonWindow()
    {
        SetForegroundWindow(parent);
        CursorAway();
        test::Pump(20);  // what the cursor did to the new windows reaches them unskinned
        SkinWindow(button);
        test::Pump(20);
    }
};

// Fails the test case when the skin's live GDI count (objects and window DCs) differs at the end of
// the scope.
struct NoLeaks {
    const long before = gdi::LiveObjectCount();
    ~NoLeaks() { CHECK(gdi::LiveObjectCount() == before); }
};

}  // namespace skintest
