#include "skin/paint/tab_painters.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "skin/core/window_props.h"
#include "skin/draw/dpi_scale.h"
#include "skin/draw/owners.h"
#include "skin/draw/primitives.h"
#include "skin/paint/button_faces.h"
#include "skin/paint/window_colors.h"

namespace skin {
namespace {

// ButtonFaceImage: four 7 x 21 cells (normal, hot, pressed, disabled) with margins of 3.
constexpr int kSelectedRise = 2;  // the selected tab stands out of the row, as the system's does

struct TabItem {
    wchar_t text[256]{};
    int image = -1;
    LPARAM data = 0;
};

TabItem ReadTab(HWND tabs, int index)
{
    TabItem tab;
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
    item.pszText = tab.text;
    item.cchTextMax = 256;
    item.iImage = -1;
    SendMessageW(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
    tab.image = item.iImage;
    tab.data = item.lParam;
    return tab;
}

// The tab's icon at the left of its caption, through the image list functions of the common
// controls the tab control comes from (looked up there, so that the skin imports none of them).
int DrawTabIcon(HWND tabs, HDC dc, const RECT& r, int image)
{
    using Draw = BOOL(WINAPI*)(HIMAGELIST, int, HDC, int, int, UINT);
    using Size = BOOL(WINAPI*)(HIMAGELIST, int*, int*);
    const HMODULE controls = GetModuleHandleW(L"comctl32.dll");
    const auto draw = reinterpret_cast<Draw>(reinterpret_cast<void*>(GetProcAddress(controls, "ImageList_Draw")));
    const auto size = reinterpret_cast<Size>(reinterpret_cast<void*>(GetProcAddress(controls, "ImageList_GetIconSize")));
    const auto list = reinterpret_cast<HIMAGELIST>(SendMessageW(tabs, TCM_GETIMAGELIST, 0, 0));
    int w = 0, h = 0;
    if (image < 0 || !list || !draw || !size || !size(list, &w, &h)) return 0;
    draw(list, image, dc, r.left, (r.top + r.bottom - h) / 2, ILD_TRANSPARENT);
    return w;
}

void DrawTab(HWND tabs, HDC dc, RECT r, int index, INT_PTR state, bool focused, const DpiScale& scale)
{
    DrawFaceCell(dc, r, state, scale.dpi);
    const int inset = scale(2);
    InflateRect(&r, -inset, -inset);
    const TabItem tab = ReadTab(tabs, index);
    // An owner-drawn tab's content is the parent's, drawn on the skin's face.
    if (GetWindowLongW(tabs, GWL_STYLE) & TCS_OWNERDRAWFIXED) {
        DRAWITEMSTRUCT item{ODT_TAB, static_cast<UINT>(GetDlgCtrlID(tabs)), static_cast<UINT>(index), ODA_DRAWENTIRE,
                            state == look::Pressed ? static_cast<UINT>(ODS_SELECTED) : 0u, tabs, dc, r,
                            static_cast<ULONG_PTR>(tab.data)};
        SendMessageW(GetParent(tabs), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
        return;
    }
    r.left += DrawTabIcon(tabs, dc, r, tab.image);
    SetTextColor(dc, ToColorRef(CaptionColors[state]));
    DrawCaptionText(dc, tab.text, r.left, r.top, r.right - r.left, r.bottom - r.top, CaptionTextFormat);
    if (focused) DrawFocusBox(dc, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// The whole control on an off-screen surface: background, page frame, the tabs, the selected
// one last so that it covers the frame beneath it.
void DrawTabControl(HWND tabs, HDC s, int w, int h)
{
    const DpiScale scale = ScaleFor(tabs);
    const LONG style = GetWindowLongW(tabs, GWL_STYLE);
    const bool enabled = IsWindowEnabled(tabs) != 0, bottom = (style & TCS_BOTTOM) != 0;
    RECT all{0, 0, w, h};
    FillRect(s, &all, ParentStaticBrush(tabs, s));
    SelectObject(s, reinterpret_cast<HFONT>(SendMessageW(tabs, WM_GETFONT, 0, 0)));
    SetBkMode(s, TRANSPARENT);

    // The tabs' rectangles, empty for a tab the control cannot place; the row is their bounds.
    const int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    std::vector<RECT> rects(std::max(count, 0));
    RECT row{w, h, 0, 0};
    for (int i = 0; i < count; ++i) {
        if (!SendMessageW(tabs, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rects[i]))) continue;
        UnionRect(&row, &row, &rects[i]);
    }
    const bool buttons = (style & TCS_BUTTONS) != 0;
    if (!buttons) {
        const int top = count && !bottom ? row.bottom : 0, end = count && bottom ? row.top : h;
        FrameSolidRect(s, 0, top, w, end - top, enabled ? FrameColor : DisabledFrameColor, scale(1));
    }
    const int selected = static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
    const INT_PTR hot = GetSkinProp(tabs, prop::HmIndex);
    for (int i = 0; i < count; ++i) {
        if (i != selected && !IsRectEmpty(&rects[i]))
            DrawTab(tabs, s, rects[i], i, enabled ? (i == hot ? look::Hot : look::Normal) : look::Disabled, false, scale);
    }
    if (selected < 0 || selected >= count || IsRectEmpty(&rects[selected])) return;
    // The selected tab last: it stands out of its row and covers the page frame beneath it.
    RECT r = rects[selected];
    if (!buttons) {
        const int rise = scale(kSelectedRise);
        InflateRect(&r, rise, 0);
        if (bottom) {
            r.bottom += rise;
            r.top -= scale(1);
        } else {
            r.top -= rise;
            r.bottom += scale(1);
        }
    }
    DrawTab(tabs, s, r, selected, enabled ? look::Pressed : look::Disabled, GetFocus() == tabs, scale);
}

}  // namespace

LRESULT PaintTabControl(WNDPROC previous, HWND tabs, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (GetWindowLongW(tabs, GWL_STYLE) & TCS_VERTICAL) return CallPrevious(previous, tabs, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(tabs, &ps);
    RECT client{};
    GetClientRect(tabs, &client);
    OwnedSurface surface(CreateSkinSurface(client.right, client.bottom));
    if (surface) {
        DrawTabControl(tabs, surface.get(), client.right, client.bottom);
        // The scroll arrows of a row too long for the control are a child that paints itself.
        for (HWND child = GetWindow(tabs, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            RECT r{};
            if (!IsWindowVisible(child) || !GetWindowRect(child, &r)) continue;
            MapWindowPoints(nullptr, tabs, reinterpret_cast<POINT*>(&r), 2);
            ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
        }
        BitBlt(dc, 0, 0, client.right, client.bottom, surface.get(), 0, 0, SRCCOPY);
    }
    EndPaint(tabs, &ps);
    return 0;
}

}  // namespace skin
