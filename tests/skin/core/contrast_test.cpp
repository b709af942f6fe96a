// High contrast: the skinned gallery form steps aside until it looks, part by part and pixel for
// pixel, like the same form unskinned, and comes back as it was.
#include "gallery_form.h"
#include "pixels.h"
#include "skin/core/fade_timer.h"
#include "skin/support/skin_fixture.h"
#include "support/high_contrast.h"

using namespace skintest;

namespace {

Picture ShotOf(HWND w)  // the whole window
{
    RECT r;
    GetWindowRect(w, &r);
    HDC dc = GetWindowDC(w);
    Picture shot = ReadPicture(dc, r.right - r.left, r.bottom - r.top);
    ReleaseDC(w, dc);
    return shot;
}

// The shown form's parts as they are on the screen once everything has repainted, or repainted
// from magenta: then they show what they paint themselves. A simple combo leaves a strip below its
// list as it was, skinned or not, which on the screen is whatever the screen held there: left out.
std::vector<Picture> PartShots(HWND form, bool repainted)
{
    test::Pump(150);
    std::vector<Picture> shots;
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
    if (!repainted) shots[gallery::ComboSimple - gallery::FirstPart] = {};
    return shots;
}

HWND ShownForm()
{
    HWND form = gallery::CreateGalleryForm(GetModuleHandleW(nullptr), {false, false});
    gallery::ShowGalleryForm(form, SW_SHOWNORMAL);
    SetForegroundWindow(form);
    return form;
}

void CheckParts(const std::vector<Picture>& got, const std::vector<Picture>& expected, const char* what)
{
    REQUIRE(got.size() == expected.size());
    for (size_t i = 0; i < got.size(); ++i)
        CHECK_MESSAGE((got[i].width == expected[i].width && got[i].pixels == expected[i].pixels),
                      (std::string(what) + ": part " + std::to_string(gallery::FirstPart + i)));
}

}  // namespace

TEST_CASE("in high contrast the skinned windows look unskinned, with no region and no fade, until it goes off") {
    test::HighContrast contrast;
    CursorAway();
    test::Window plain(ShownForm());
    const std::vector<Picture> unskinned = PartShots(plain, false), unskinnedRepainted = PartShots(plain, true);
    DestroyWindow(plain.release());

    test::Window form(ShownForm());
    SkinWindow(form);
    const std::vector<Picture> skinned = PartShots(form, false), skinnedRepainted = PartShots(form, true);
    HWND button = GetDlgItem(form, gallery::ButtonNormal);
    for (auto [message, wParam] : {std::pair<UINT, WPARAM>{WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST}, {WM_SYSCOLORCHANGE, 0}, {WM_THEMECHANGED, 0}}) {
        contrast.Set(true, form, message, wParam);
        CheckParts(PartShots(form, false), unskinned, "high contrast, as the skin repainted it");
        CheckParts(PartShots(form, true), unskinnedRepainted, "high contrast");
        for (int id : {gallery::ButtonNormal, gallery::ButtonDefault, gallery::ButtonFocused})
            CHECK(WindowRegion(GetDlgItem(form, id)) == ERROR);
        for (UINT input : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}) SendMessageW(button, input, 0, MAKELPARAM(5, 5));
        CHECK(!KillTimer(button, FadeTimerId));
        SetFocus(GetDlgItem(form, gallery::ButtonFocused));  // the press took it
        CHECK(GetSkinProp(form, prop::ProcAddr));  // still attached
        contrast.Set(false, form, message, wParam);
        CheckParts(PartShots(form, false), skinned, "back, as the skin repainted it");
        CheckParts(PartShots(form, true), skinnedRepainted, "back");
    }
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
