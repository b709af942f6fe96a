#include "skin/paint/custom_draw.h"

#include <commctrl.h>

#include "skin/core/control_kind.h"
#include "skin/core/window_props.h"
#include "skin/draw/dpi_scale.h"
#include "skin/draw/primitives.h"
#include "skin/paint/button_faces.h"

namespace skin {
namespace {

INT_PTR StateOfItem(UINT itemState, bool enabled)
{
    if (!enabled || (itemState & CDIS_DISABLED)) return look::Disabled;
    if (itemState & (CDIS_SELECTED | CDIS_CHECKED)) return look::Pressed;
    return (itemState & CDIS_HOT) ? look::Hot : look::Normal;
}

// The channel flat and framed, the thumb a face; the tick marks stay the control's.
LRESULT DrawTrackBarPart(const NMCUSTOMDRAW& draw)
{
    const DpiScale scale = ScaleFor(draw.hdr.hwndFrom);
    const bool enabled = IsWindowEnabled(draw.hdr.hwndFrom) != 0;
    const RECT& r = draw.rc;
    if (draw.dwItemSpec == TBCD_CHANNEL) {
        FillSolidRect(draw.hdc, r.left, r.top, r.right - r.left, r.bottom - r.top, ControlColor);
        FrameSolidRect(draw.hdc, r.left, r.top, r.right - r.left, r.bottom - r.top,
                       enabled ? FrameColor : DisabledFrameColor, scale(1));
        return CDRF_SKIPDEFAULT;
    }
    if (draw.dwItemSpec == TBCD_THUMB) {
        // The control marks the thumb hot or selected only in some versions: the capture says
        // that it is being dragged in all of them.
        UINT state = draw.uItemState;
        if (GetCapture() == draw.hdr.hwndFrom) state |= CDIS_SELECTED;
        DrawFaceCell(draw.hdc, r, StateOfItem(state, enabled), scale.dpi);
        return CDRF_SKIPDEFAULT;
    }
    return CDRF_DODEFAULT;
}

// A hot, pressed or checked button shows the face of that state under its image and text, which
// the toolbar draws on top without its own edges and background.
LRESULT DrawToolbarButton(NMTBCUSTOMDRAW& draw)
{
    const INT_PTR state = StateOfItem(draw.nmcd.uItemState, true);
    if (state == look::Normal || state == look::Disabled) return CDRF_DODEFAULT;
    DrawFaceCell(draw.nmcd.hdc, draw.nmcd.rc, state, WindowDpi(draw.nmcd.hdr.hwndFrom));
    draw.clrText = ToColorRef(CaptionColors[state]);
    return TBCDRF_NOEDGES | TBCDRF_NOBACKGROUND | TBCDRF_NOOFFSET | TBCDRF_NOETCHEDEFFECT;
}

// Selected items on the pressed frame colour in white, hot items on the pale frame colour; the
// state bits go, or the control would paint the selection in the system's colours over these.
template <class ItemDraw>
LRESULT ColorListItem(ItemDraw& draw, bool selected)
{
    if (selected) {
        draw.clrText = ToColorRef(White);
        draw.clrTextBk = ToColorRef(IsWindowEnabled(draw.nmcd.hdr.hwndFrom) ? Rgb{PressedFrameColor} : Rgb{DisabledFrameColor});
    } else if (draw.nmcd.uItemState & CDIS_HOT) {
        draw.clrTextBk = ToColorRef(DisabledFrameColor);
    } else {
        return CDRF_DODEFAULT;
    }
    draw.nmcd.uItemState &= ~(CDIS_SELECTED | CDIS_HOT | CDIS_FOCUS);
    return CDRF_NEWFONT;
}

LRESULT CustomDrawItem(NMCUSTOMDRAW& draw, ControlKind kind)
{
    switch (kind) {
    case ControlKind::TrackBar: return DrawTrackBarPart(draw);
    case ControlKind::Toolbar: return DrawToolbarButton(reinterpret_cast<NMTBCUSTOMDRAW&>(draw));
    case ControlKind::ListView:
        return ColorListItem(reinterpret_cast<NMLVCUSTOMDRAW&>(draw),
                             SendMessageW(draw.hdr.hwndFrom, LVM_GETITEMSTATE, draw.dwItemSpec, LVIS_SELECTED) != 0);
    case ControlKind::TreeView:
        return ColorListItem(reinterpret_cast<NMTVCUSTOMDRAW&>(draw), (draw.uItemState & CDIS_SELECTED) != 0);
    default: return CDRF_DODEFAULT;
    }
}

bool DrawnBySkin(ControlKind kind)
{
    return kind == ControlKind::TrackBar || kind == ControlKind::Toolbar || kind == ControlKind::ListView ||
           kind == ControlKind::TreeView;
}

}  // namespace

LRESULT OnNotify(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallPrevious(previous, window, message, wParam, lParam);
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    // The program's own answer stands: the skin draws only what it left to the control.
    if (!header || header->code != static_cast<UINT>(NM_CUSTOMDRAW) || result != CDRF_DODEFAULT) return result;
    if (!GetSkinProp(header->hwndFrom, prop::ProcAddr)) return result;
    const ControlKind kind = GetControlKind(header->hwndFrom);
    if (!DrawnBySkin(kind)) return result;
    auto& draw = *reinterpret_cast<NMCUSTOMDRAW*>(lParam);
    if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.dwDrawStage == CDDS_ITEMPREPAINT) return CustomDrawItem(draw, kind);
    return result;
}

}  // namespace skin
