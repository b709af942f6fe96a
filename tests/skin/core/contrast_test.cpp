// High contrast: the skinned gallery form steps aside until it looks, part by part and pixel for
// pixel, like the same form unskinned, and comes back as it was.
#include "gallery_form.h"
#include "skin/core/fade_timer.h"
#include "skin/support/skin_fixture.h"
#include "support/high_contrast.h"

using namespace skintest;

namespace {

using Shot = std::vector<std::uint32_t>;  // width, height, then the pixels of the whole window

Shot ShotOf(HWND w)
{
    RECT r;
    GetWindowRect(w, &r);
    const int cx = r.right - r.left, cy = r.bottom - r.top;
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), cx, -cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(nullptr), dc = GetWindowDC(w);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, cx, cy, dc, 0, 0, SRCCOPY);
    Shot shot{std::uint32_t(cx), std::uint32_t(cy)};
    for (int i = 0; i < cx * cy; ++i) shot.push_back(static_cast<std::uint32_t*>(bits)[i] & 0xFFFFFF);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(w, dc);
    return shot;
}

// The shown form's parts as they are on the screen once everything has repainted, or repainted
// from magenta: then they show what they paint themselves. A simple combo leaves a strip below its
// list as it was, skinned or not, which on the screen is whatever the screen held there: left out.
std::vector<Shot> PartShots(HWND form, bool repainted)
{
    test::Pump(150);
    std::vector<Shot> shots;
    for (HWND part : gallery::GalleryParts(form)) {
        if (repainted) {
            HDC dc = GetWindowDC(part);
            SetDCBrushColor(dc, RGB(255, 0, 255));
            const RECT all{0, 0, 999, 999};
            FillRect(dc, &all, HBRUSH(GetStockObject(DC_BRUSH)));
            ReleaseDC(part, dc);
            RedrawWindow(part, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        }
        shots.push_back(ShotOf(part));
    }
    if (!repainted) shots[gallery::ComboSimple - gallery::FirstPart].clear();
    return shots;
}

HWND ShownForm()
{
    gallery::Options options;
    options.openModalWindows = false;
    HWND form = gallery::CreateGalleryForm(GetModuleHandleW(nullptr), options);
    gallery::ShowGalleryForm(form, SW_SHOWNORMAL);
    SetForegroundWindow(form);
    return form;
}

void CheckParts(const std::vector<Shot>& got, const std::vector<Shot>& expected, const char* what)
{
    REQUIRE(got.size() == expected.size());
    for (size_t i = 0; i < got.size(); ++i)
        CHECK_MESSAGE(got[i] == expected[i], (std::string(what) + ": part " + std::to_string(gallery::FirstPart + i)));
}

}  // namespace

TEST_CASE("in high contrast the skinned windows look unskinned, with no region and no fade, until it goes off") {
    test::HighContrast contrast;
    CursorAway();
    test::Window plain(ShownForm());
    const std::vector<Shot> unskinned = PartShots(plain, false), unskinnedRepainted = PartShots(plain, true);
    DestroyWindow(plain.release());

    test::Window form(ShownForm());
    SkinWindow(form);
    const std::vector<Shot> skinned = PartShots(form, false), skinnedRepainted = PartShots(form, true);
    HWND button = GetDlgItem(form, gallery::ButtonNormal);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    for (auto [message, wParam] : {std::pair<UINT, WPARAM>{WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST}, {WM_SYSCOLORCHANGE, 0}, {WM_THEMECHANGED, 0}}) {
        contrast.Set(true, form, message, wParam);
        CheckParts(PartShots(form, false), unskinned, "high contrast, as the skin repainted it");
        CheckParts(PartShots(form, true), unskinnedRepainted, "high contrast");
        for (int id : {gallery::ButtonNormal, gallery::ButtonDefault, gallery::ButtonFocused})
            CHECK(GetWindowRgn(GetDlgItem(form, id), region) == ERROR);
        for (UINT input : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}) SendMessageW(button, input, 0, MAKELPARAM(5, 5));
        CHECK(!KillTimer(button, FadeTimerId));
        SetFocus(GetDlgItem(form, gallery::ButtonFocused));  // the press took it
        CHECK(GetSkinProp(form, prop::ProcAddr));  // still attached
        contrast.Set(false, form, message, wParam);
        CheckParts(PartShots(form, false), skinned, "back, as the skin repainted it");
        CheckParts(PartShots(form, true), skinnedRepainted, "back");
    }
    DeleteObject(region);
    // A button made while the skin steps aside is skinned but gets its look only afterwards.
    contrast.Set(true, form, WM_SYSCOLORCHANGE);
    HWND added = test::MakeChild(form, L"Button", L"Added", BS_PUSHBUTTON, 800, 540, 80, 25);
    CHECK((GetSkinProp(added, prop::ProcAddr) && !FaceOf(added, 0)));
    contrast.Set(false, form, WM_SYSCOLORCHANGE);
    CHECK(FaceOf(added, 0));
    // A setting other than high contrast is not read as a switch, and neither is an unchanged one.
    NoLeaks leaks;
    contrast.on = true;
    SendMessageW(form, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    CHECK(FaceOf(added, 0));
    for (int i = 0; i < 100; ++i) contrast.Set(i % 2 == 0, form, WM_SYSCOLORCHANGE);
    CHECK(FaceOf(added, 0));
}
