#include "skin/paint/button_faces.h"

#include "skin/core/window_props.h"
#include "skin/draw/display_reference.h"
#include "skin/draw/dpi_scale.h"
#include "skin/draw/gdi_objects.h"
#include "skin/draw/image_cell.h"
#include "skin/draw/primitives.h"
#include "skin/draw/skin_images.h"

namespace skin {
namespace {

constexpr int kFaceCellWidth = 7;
constexpr int kFaceCellHeight = 21;
constexpr int kFaceMargin = 3;
constexpr int kCaptionInset = 2;
constexpr int kCornerEllipse = 3;  // the rounded region's corner

// The faces are off-screen surfaces of exactly the window's size, so each cell is composed
// straight onto its face: nobody sees it half-drawn.
void RenderFaces(HWND window, const HDC (&faces)[4])
{
    WindowBounds bounds;
    GetWindowBounds(window, bounds);
    const int w = bounds.width;
    const int h = bounds.height;
    const std::wstring caption = GetWindowCaption(window);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    const bool focused = GetFocus() == window;
    const DpiScale scale = ScaleFor(window);
    const int inset = scale(kCaptionInset);

    for (int state = 0; state < 4; ++state) {
        HDC face = faces[state];
        // The surface keeps the button's font; it never deletes it.
        SelectObject(face, font);
        SetBkMode(face, TRANSPARENT);
        const ImageCell c = PickImageCell(&SkinImageSet::ButtonFaceImage, 0, kFaceCellHeight * state,
                                          kFaceCellWidth, kFaceCellHeight, scale.dpi);
        ComposeSkinCell(face, w, h, c.surface, c.x, c.y, c.w, c.h, c(kFaceMargin), c(kFaceMargin),
                        c(kFaceMargin), c(kFaceMargin), c.dpi);
        SetTextColor(face, ToColorRef(CaptionColors[state]));
        DrawCaptionText(face, caption, inset, inset, w - 2 * inset, h - 2 * inset,
                        CaptionTextFormat);
        if (focused) DrawFocusBox(face, inset, inset, w - 2 * inset, h - 2 * inset);
    }
}

void ReadFaces(HWND window, HDC (&faces)[4])
{
    for (int i = 0; i < 4; ++i) faces[i] = reinterpret_cast<HDC>(GetSkinProp(window, prop::FaceDc[i]));
}

}  // namespace

void DrawFaceCell(HDC dc, const RECT& r, INT_PTR state, UINT dpi)
{
    const ImageCell c = PickImageCell(&SkinImageSet::ButtonFaceImage, 0, kFaceCellHeight * static_cast<int>(state),
                                      kFaceCellWidth, kFaceCellHeight, dpi);
    StretchSkinCell(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, c.surface, c.x, c.y, c.w, c.h, c(kFaceMargin), c(kFaceMargin), c(kFaceMargin),
                    c(kFaceMargin), std::nullopt, c.dpi);
}

void FitButtonFaces(HWND window, const HDC (&faces)[4])
{
    WindowBounds bounds;
    GetWindowBounds(window, bounds);
    // Bitmaps made against the window's DC would have the display's format too, at many
    // times the cost.
    DisplayContext display;
    for (int i = 0; i < 4; ++i) {
        // A face whose surface could not be made takes no bitmap: none would be selected, and
        // every resize would orphan the one its property named.
        if (!faces[i]) continue;
        HBITMAP bitmap = CreateDisplayBitmap(display, bounds.width, bounds.height);
        // Too large for a bitmap: the face keeps the one it has, which its property names.
        // (At attach there is none yet, and the property is set to null all the same.)
        if (!bitmap && GetSkinProp(window, prop::FaceBitmap[i])) continue;
        gdi::DeleteObject(SelectObject(faces[i], bitmap));
        SetSkinProp(window, prop::FaceBitmap[i], reinterpret_cast<INT_PTR>(bitmap));
    }
    RenderFaces(window, faces);
    // Redrawing a window that is not shown would only cost: it is painted whole when it appears.
    const int corner = ScaleFor(window)(kCornerEllipse);
    gdi::SetWindowRegion(window,
                         gdi::CreateRoundRectRgn(0, 0, bounds.width + 1, bounds.height + 1, corner,
                                                 corner),
                         IsWindowVisible(window));
}

void RenderButtonFaces(HWND window)
{
    HDC faces[4];
    ReadFaces(window, faces);
    RenderFaces(window, faces);
}

void RefitButtonFaces(HWND window)
{
    HDC faces[4];
    ReadFaces(window, faces);
    FitButtonFaces(window, faces);
}

LRESULT PaintButtonFace(HWND window, HDC dc)
{
    return PaintButtonFaceAs(window, dc, GetSkinProp(window, prop::OldState),
                             GetSkinProp(window, prop::AlphaLevel));
}

LRESULT PaintButtonFaceAs(HWND window, HDC dc, INT_PTR state, INT_PTR level)
{
    if (!IsWindowEnabled(window)) {
        state = look::Disabled;
        SetSkinProp(window, prop::OldState, state);
    }
    if (DrawsOwnFace(GetSkinProp(window, prop::OldStyle))) return 0;
    if (state < look::Normal || state > look::Disabled) return 0;  // no face for it

    WindowBounds bounds;
    GetWindowBounds(window, bounds);
    const auto face = reinterpret_cast<HDC>(GetSkinProp(window, prop::FaceDc[state]));
    HDC target = dc ? dc : gdi::GetWindowDC(window);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(level), 0};
    AlphaBlend(target, 0, 0, bounds.width, bounds.height, face, 0, 0, bounds.width, bounds.height,
               blend);
    if (!dc) gdi::ReleaseDC(window, target);
    return 0;
}

}  // namespace skin
