// Attaching and detaching the skin on real windows, the skin window procedure's routing, and the four
// pre-rendered faces of a command button with the blend that shows one of them.
#include "skin/paint/button_faces.h"
#include "skin/draw/primitives.h"
#include "skin/support/skin_fixture.h"

using namespace skintest;

namespace {

bool g_clean = false, g_reenter = false;

BOOL CALLBACK IsPlain(HWND w, LPARAM)
{
    g_clean &= SkinPropNames(w).empty() && !HasSkinProc(w);
    return TRUE;
}

// A container's own procedure: on WM_DESTROY the skin must be gone from it and all inside it. From
// WM_USER on it answers recognisably; asked to, it attaches and sends again while being attached.
LRESULT CALLBACK ProbeProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_DESTROY) {
        g_clean = SkinnedWindowCount() == 0;
        EnumChildWindows(w, IsPlain, IsPlain(w, 0));
    }
    if (msg == WM_NCPAINT && std::exchange(g_reenter, false) && !AttachSkin(w)) SendMessageW(w, WM_USER + 7, 0, 0);
    return msg >= WM_USER ? 0x5000 + LRESULT(msg - WM_USER) + wp + lp : DefWindowProcW(w, msg, wp, lp);
}

}  // namespace

TEST_CASE("a form's tree is skinned after its kind, once; messages reach its own procedure; WM_ENTERIDLE, WM_CTLCOLORLISTBOX "
          "skin the window they name, not another thread's; detach restores the type alone; destroying leaves nothing") {
    REQUIRE(SkinnedWindowCount() == 0);
    const NoLeaks noLeaks;
    HWND form = test::MakeTopLevel(test::RegisterClassOnce(L"ThunderFormDC", ProbeProc), 0, 0, 300, 200).release();
    const MessageLog log(form);
    auto add = [](HWND parent, const wchar_t* cls, DWORD style, int y) { return test::MakeChild(parent, cls, L"x", style, 5, y, 80, 25); };
    HWND button = add(form, L"Button", BS_DEFPUSHBUTTON, 5), disabled = add(form, L"Button", WS_DISABLED, 35),
         checkStyle = add(form, L"Button", BS_AUTOCHECKBOX, 65), combo = add(form, L"ComboBox", CBS_DROPDOWNLIST, 95),
         header = add(form, L"SysHeader32", 0, 125), label = add(form, L"Static", 0, 155),
         inner = test::MakeChild(form, L"#32770", L"", 0, 100, 5, 150, 100), deepButton = add(inner, L"Button", 0, 5);
    const LONG style = GetWindowLongW(button, GWL_STYLE), checkStyleStyle = GetWindowLongW(checkStyle, GWL_STYLE);
    const LONG_PTR proc = GetWindowLongPtrW(button, GWLP_WNDPROC), labelProc = GetWindowLongPtrW(label, GWLP_WNDPROC);
    g_reenter = true;  // re-entrant attaches and sends while the window is being attached are harmless
    REQUIRE(SkinWindow(form) == 1);
    CHECK(AttachSkin(button) + AttachSkin(form) + SkinWindow(form) + AttachSkin(nullptr) == 0);  // again: nothing changes
    CHECK((SkinnedWindowCount() == 9 && TrackMouseEventAvailable() && log.Count(WM_USER + 7) == 1));
    const std::pair<HWND, Names> props[] = {{form, {"PROCADDR", "NEXTPROC"}}, {label, {"PROCADDR", "NEXTPROC"}}, {inner, {"PROCADDR", "NEXTPROC"}}, {button, kButtonProps},
        {disabled, kButtonProps}, {checkStyle, kButtonProps}, {deepButton, kButtonProps}, {combo, {"PROCADDR", "NEXTPROC", "OLDSTATE", "MOUSEFLAG"}},
        {header, {"PROCADDR", "NEXTPROC", "MOUSEFLAG", "HDINDEX", "HMINDEX"}}};
    for (const auto& [w, names] : props) {
        CHECK((HasSkinProc(w) && SkinPropNames(w) == names));
        CHECK(GetSkinProp(w, prop::MouseFlag) + GetSkinProp(w, prop::TimerId) + GetSkinProp(w, prop::AlphaLevel) == 0);
    }
    CHECK(GetSkinProp(header, prop::HdIndex) + GetSkinProp(header, prop::HmIndex) == -2);
    CHECK(GetSkinProp(label, prop::ProcAddr) == labelProc);
    CHECK(((GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW && GetSkinProp(button, prop::OldStyle) == style));
    CHECK((GetWindowLongW(checkStyle, GWL_STYLE) == checkStyleStyle && GetSkinProp(checkStyle, prop::OldStyle) == checkStyleStyle));
    CHECK(GetSkinProp(button, prop::OldState) + GetSkinProp(disabled, prop::OldState) == 3);
    for (UINT msg : {UINT(WM_ACTIVATE), UINT(WM_SIZE), UINT(0x0009), UINT(WM_ENTERIDLE), UINT(WM_CTLCOLORLISTBOX)}) {
        log.seen.clear();
        SendMessageW(form, msg, 0, 0);  // lParam 0 names no window
        CHECK_MESSAGE(log.Count(msg) == 1, msg);
    }
    CHECK(SendMessageW(form, WM_USER + 3, 0x10, 0x100) == 0x5113);
    // Hidden, so that no activation reaches the owner before the message under test.
    HWND dialog = CreateWindowExW(0, L"#32770", L"", WS_OVERLAPPEDWINDOW, 10, 10, 100, 60, nullptr, nullptr, nullptr, nullptr);
    HWND dialogButton = test::MakeChild(dialog, L"Button", L"OK", 0, 5, 5, 50, 20);
    // A drop-down list is a pop-up of its own, not a window inside the owner.
    HWND list = CreateWindowExW(0, L"ComboLBox", L"", WS_POPUP, 0, 0, 50, 50, form, nullptr, nullptr, nullptr);
    for (int i = 0; i < 2; ++i) SendMessageW(form, WM_ENTERIDLE, MSGF_DIALOGBOX, LPARAM(dialog));
    CHECK((HasSkinProc(dialog) && HasSkinProc(dialogButton) && SkinnedWindowCount() == 11));
    CHECK(SendMessageW(form, WM_CTLCOLORLISTBOX, 0, LPARAM(list)) == DefWindowProcW(form, WM_CTLCOLORLISTBOX, 0, LPARAM(list)));
    CHECK((HasSkinProc(list) && SkinnedWindowCount() == 12));
    // Windows of another thread (the desktop's) are never attached, however the skin hears of them.
    for (UINT msg : {WM_ENTERIDLE, WM_ACTIVATE}) SendMessageW(form, msg, 0, LPARAM(GetDesktopWindow()));
    CHECK((AttachSkin(GetDesktopWindow()) + SkinWindow(GetDesktopWindow()) == 0 && SkinnedWindowCount() == 12));
    for (HWND w : {dialog, list}) DestroyWindow(w);

    ShowWindow(button, SW_HIDE);  // the application's doing since the attach: detach leaves it
    EnableWindow(button, FALSE);
    CHECK(DetachSkin(button) + DetachSkin(combo) + DetachSkin(header) == 3);
    for (HWND w : {button, combo, header}) CHECK(SkinPropNames(w).empty());
    CHECK((GetWindowLongW(button, GWL_STYLE) == ((style & ~WS_VISIBLE) | WS_DISABLED) && GetWindowLongPtrW(button, GWLP_WNDPROC) == proc));
    CHECK(WindowRegion(button) == ERROR);
    CHECK(DetachSkin(header) + DetachSkin(nullptr) == 0);
    CHECK(AttachSkin(button) == 1);
    DestroyWindow(form);
    CHECK((g_clean && !SkinInitialized() && SkinImages().ButtonFaceImage == nullptr));
}

TEST_CASE("each face is its state's cell stretched over the button, the caption centred 2 pixels in, the focus box; PaintButtonFace "
          "blends the face of OLDSTATE at ALPHALEVEL, face 3 when disabled, never on a check-box style") {
    test::Window parent = test::MakeTopLevel(L"FaceParent", 30, 30, 300, 100);
    SetForegroundWindow(parent);
    HWND plain = test::MakeChild(parent, L"Button", L"", 0, 10, 10, 80, 25);
    HWND check = test::MakeChild(parent, L"Button", L"x", BS_CHECKBOX, 100, 50, 80, 25);
    REQUIRE(SkinWindow(plain) + SkinWindow(check) == 2);
    const NoLeaks noLeaks;
    for (int state = 0; state < 4; ++state)
        for (int y = 0; y < 25; ++y) {  // rows 0-2 and 18-20 kept, 3-17 spread over 19 by nearest pixel
            const int row = 21 * state + (y < 3 ? y : y >= 22 ? y - 4 : 3 + (2 * (y - 3) + 1) * 15 / 38);
            for (auto [x, cellX] : {std::pair{0, 0}, {2, 2}, {40, 3}, {79, 6}})
                CHECK(DcPixel(FaceOf(plain, state), x, y) == DcPixel(SkinImages().ButtonFaceImage, cellX, row));
        }
    // The caption as the platform draws it in that box, and the dotted box there while the button
    // has the focus: it comes and goes with the focus.
    HDC expected = CreateSkinSurface(80, 25);
    for (const wchar_t* caption : {L"OK 刷新", L"删除缓存!", L"Go", L"删除缓存删除缓存删除缓存删除缓存"}) {  // the last cut with an ellipsis
        test::Window text(test::MakeChild(parent, L"Button", caption, 0, 100, 10, 80, 25));
        REQUIRE(AttachSkin(text) == 1);
        for (bool focused : {false, true, false}) {
            SetFocus(focused ? text : parent);
            for (int state = 0; state < 4; ++state) {
                BitBlt(expected, 0, 0, 80, 25, FaceOf(plain, state), 0, 0, SRCCOPY);
                SetBkMode(expected, TRANSPARENT);
                SetTextColor(expected, state == 3 ? RGB(0x79, 0x8A, 0x96) : 0);
                RECT box{2, 2, 78, 23};
                DrawTextW(expected, caption, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
                if (focused) DrawFocusRect(expected, &box);
                int wrong = 0, ink = 0;
                for (int p = 0; p < 80 * 25; ++p) {
                    wrong += DcPixel(FaceOf(text, state), p % 80, p / 80) != DcPixel(expected, p % 80, p / 80);
                    ink += DcPixel(expected, p % 80, p / 80) != DcPixel(FaceOf(plain, state), p % 80, p / 80);
                }
                CHECK_MESSAGE((wrong == 0 && ink > 20), "state " << state << (focused ? ", focused" : ""));
            }
        }
    }
    auto blend = [&](HWND button, INT_PTR state, INT_PTR level) {
        FillSolidRect(expected, 0, 0, 80, 25, 0x204060);
        SetSkinProp(button, prop::OldState, state);
        SetSkinProp(button, prop::AlphaLevel, level);
        PaintButtonFace(button, expected);
        return DcPixel(expected, 40, 6);
    };
    const std::uint32_t face = DcPixel(FaceOf(plain, 1), 40, 6), got = blend(plain, 1, 140);
    for (int s : {0, 8, 16}) CHECK(std::abs(int(got >> s & 0xFF) - int(((face >> s & 0xFF) * 140 + (0x204060 >> s & 0xFF) * 115) / 255)) <= 1);
    CHECK((blend(plain, 1, 0) == 0x204060u && blend(plain, 1, 255) == face));
    CHECK((blend(plain, 4, 255) == 0x204060u && blend(check, 0, 200) == 0x204060u));  // a state without a face; a check-box style
    SendMessageW(check, WM_PAINT, 0, 0);  // a check box paints itself, the skin leaves its look alone
    CHECK(GetSkinProp(check, prop::AlphaLevel) == 200);
    EnableWindow(plain, FALSE);
    CHECK((blend(plain, 1, 255) == DcPixel(FaceOf(plain, 3), 40, 6) && GetSkinProp(plain, prop::OldState) == 3));
    DeleteSkinSurface(expected);
}
