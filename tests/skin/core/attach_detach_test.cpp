// Attaching and detaching the skin on real windows: what each kind gets, what detach restores.
#include <doctest.h>

#include <atomic>

#include "skin/core/control_kind.h"
#include "skin/core/skin_window_proc.h"
#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/support/skin_fixture.h"

using namespace skin;
using skintest::ProcOf;
using skintest::SkinPropNames;
using Names = std::vector<std::string>;

namespace {

const Names kButtonProps{"PROCADDR", "OLDSTATE", "OLDSTYLE", "MOUSEFLAG", "TIMERID", "ALPHALEVEL",
                         "0HDC", "1HDC", "2HDC", "3HDC", "0BMP", "1BMP", "2BMP", "3BMP"};

bool g_destroySeenClean = false;

BOOL CALLBACK IsPlain(HWND w, LPARAM clean)
{
    if (skintest::HasSkinProps(w) || skintest::HasSkinProc(w)) *reinterpret_cast<bool*>(clean) = false;
    return TRUE;
}

// A container's own procedure: on WM_DESTROY the skin must be gone from it and all inside it.
LRESULT CALLBACK InspectingFormProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_DESTROY) {
        bool clean = SkinnedWindowCount() == 0;
        IsPlain(w, reinterpret_cast<LPARAM>(&clean));
        EnumChildWindows(w, IsPlain, reinterpret_cast<LPARAM>(&clean));
        g_destroySeenClean = clean;
    }
    return DefWindowProcW(w, msg, wp, lp);
}

}  // namespace

TEST_CASE("attaching a form skins the whole tree, each window after its kind")
{
    REQUIRE(SkinnedWindowCount() == 0);
    skintest::FormTree t = skintest::MakeFormTree();
    const WNDPROC staticProc = ProcOf(t.other);
    const LONG checkStyle = GetWindowLongW(t.checkStyleButton, GWL_STYLE);
    const LONG pushStyle = GetWindowLongW(t.button, GWL_STYLE);

    CHECK(SkinWindow(t.form) == 1);
    CHECK(SkinnedWindowCount() == 8);
    for (HWND w : t.All()) CHECK(skintest::HasSkinProc(w));
    CHECK(GetSkinProp(t.deepOther, prop::ProcAddr) == reinterpret_cast<INT_PTR>(staticProc));
    for (HWND w : {t.other, t.deepOther, t.nested, t.form.get()}) CHECK(SkinPropNames(w) == Names{"PROCADDR"});

    // Command buttons, the check-box style one included: faces of the window's size, a rounded region.
    for (HWND b : {t.button, t.deepButton, t.disabledButton, t.checkStyleButton}) {
        CHECK(SkinPropNames(b) == kButtonProps);
        RECT r;
        GetWindowRect(b, &r);
        for (int i = 0; i < 4; ++i) {
            const auto dc = reinterpret_cast<HDC>(GetSkinProp(b, prop::FaceDc[i]));
            const auto bmp = reinterpret_cast<HBITMAP>(GetSkinProp(b, prop::FaceBitmap[i]));
            REQUIRE(GetCurrentObject(dc, OBJ_BITMAP) == bmp);
            BITMAP info{};
            GetObjectW(bmp, sizeof info, &info);
            CHECK(info.bmWidth == r.right - r.left);
            CHECK(info.bmHeight == r.bottom - r.top);
        }
        HRGN rgn = CreateRectRgn(0, 0, 0, 0);
        REQUIRE(GetWindowRgn(b, rgn) != ERROR);
        RECT box;
        GetRgnBox(rgn, &box);
        CHECK(box.right == r.right - r.left);
        CHECK(box.bottom == r.bottom - r.top);
        CHECK_FALSE(PtInRegion(rgn, 0, 0));  // one pixel cut per corner
        CHECK(PtInRegion(rgn, 1, 0));
        DeleteObject(rgn);
        CHECK(GetSkinProp(b, prop::MouseFlag) + GetSkinProp(b, prop::TimerId) + GetSkinProp(b, prop::AlphaLevel) == 0);
    }
    CHECK((GetWindowLongW(t.button, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW);
    CHECK(GetSkinProp(t.button, prop::OldStyle) == pushStyle);
    CHECK(GetWindowLongW(t.checkStyleButton, GWL_STYLE) == checkStyle);  // keeps its own look
    CHECK(GetSkinProp(t.checkStyleButton, prop::OldStyle) == checkStyle);
    CHECK(GetSkinProp(t.button, prop::OldState) == 0);
    CHECK(GetSkinProp(t.disabledButton, prop::OldState) == 3);

    // Again: nothing changes.
    const INT_PTR before = GetSkinProp(t.button, prop::ProcAddr);
    CHECK(AttachSkin(t.button) + AttachSkin(t.form) + SkinWindow(t.form) == 0);
    CHECK(SkinnedWindowCount() == 8);
    CHECK(GetSkinProp(t.button, prop::ProcAddr) == before);

    DestroyWindow(t.form.release());
    CHECK(SkinnedWindowCount() == 0);
}

TEST_CASE("the kind of a window comes from its class name, lower-cased")
{
    const std::pair<const wchar_t*, ControlKind> classes[] = {
        {L"ThunderRT6FormDC", ControlKind::Container}, {L"ApexGridOleDB32", ControlKind::Grid},
        {L"ThunderCheckBox", ControlKind::CheckBox},   {L"DBLISTWNDCLASS", ControlKind::DataList},
        {L"ButtonS", ControlKind::Other},
    };
    for (const auto& [name, kind] : classes) {
        test::Window w = test::MakeTopLevel(name, 0, 0, 50, 50);
        CHECK(GetControlKind(w) == kind);
    }
    CHECK(ControlKindOf("button") == ControlKind::CommandButton);
    CHECK(ControlKindOf("combolbox") == ControlKind::DropDownList);
    CHECK(ControlKindOf("apexgrid") == ControlKind::Grid);
    CHECK(ControlKindOf("Form") == ControlKind::Other);  // callers lower-case first

    std::wstring longName = L"button";  // 255 characters: read back cut to 254
    longName.resize(255, L'x');
    test::Window w = test::MakeTopLevel(longName.c_str(), 0, 0, 50, 50);
    CHECK(GetWindowClassName(w).size() == 254);
    CHECK(GetControlKind(w) == ControlKind::Other);
    CHECK(GetWindowClassName(nullptr).empty());
}

TEST_CASE("combo boxes and headers get their tracking state, and detach takes it away")
{
    REQUIRE(SkinnedWindowCount() == 0);
    test::Window form = test::MakeTopLevel(L"Form", 40, 40, 300, 200);
    HWND combo = test::MakeChild(form, L"ComboBox", L"", CBS_DROPDOWNLIST, 10, 10, 100, 120).release();
    HWND header = test::MakeChild(form, L"SysHeader32", L"", 0, 10, 60, 200, 20).release();
    CHECK(SkinWindow(form) == 1);
    CHECK(SkinPropNames(combo) == Names{"PROCADDR", "OLDSTATE", "MOUSEFLAG"});
    CHECK(SkinPropNames(header) == Names{"PROCADDR", "MOUSEFLAG", "HDINDEX", "HMINDEX"});
    CHECK(GetSkinProp(header, prop::HdIndex) == -1);
    CHECK(GetSkinProp(header, prop::HmIndex) == -1);
    CHECK(DetachSkin(combo) + DetachSkin(header) == 2);
    CHECK(SkinPropNames(combo).empty());
    CHECK(SkinPropNames(header).empty());
    CHECK(DetachSkin(header) + DetachSkin(nullptr) + AttachSkin(nullptr) == 0);
    CHECK(SkinnedWindowCount() == 1);
    DestroyWindow(form.release());
}

TEST_CASE("detach restores each window; the WM_DESTROY of a container detaches all inside first")
{
    REQUIRE(SkinnedWindowCount() == 0);
    test::RegisterClassOnce(L"ThunderFormDC", InspectingFormProc);
    HWND form = test::MakeTopLevel(L"ThunderFormDC", 0, 0, 300, 200).release();
    HWND button = test::MakeChild(form, L"Button", L"b", BS_DEFPUSHBUTTON, 5, 5, 60, 20).release();
    HWND inner = test::MakeChild(form, L"#32770", L"", 0, 5, 40, 200, 100).release();
    test::MakeChild(inner, L"Button", L"d", 0, 5, 5, 60, 20).release();
    const LONG style = GetWindowLongW(button, GWL_STYLE);
    const WNDPROC proc = ProcOf(button);
    REQUIRE(SkinWindow(form) == 1);

    CHECK(DetachSkin(button) == 1);
    CHECK(GetWindowLongW(button, GWL_STYLE) == style);
    CHECK((ProcOf(button) == proc));
    CHECK(SkinPropNames(button).empty());
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    CHECK(GetWindowRgn(button, rgn) == ERROR);
    DeleteObject(rgn);
    CHECK(AttachSkin(button) == 1);

    g_destroySeenClean = false;
    DestroyWindow(form);
    CHECK(g_destroySeenClean);
    CHECK_FALSE(SkinInitialized());
}

TEST_CASE("the image set lives from the first attach to the last detach and rebuilds the same")
{
    REQUIRE(SkinnedWindowCount() == 0);
    auto pixels = [] {
        std::vector<std::uint32_t> all;
        for (int y = 0; y < 84; ++y)
            for (int x = 0; x < 7; ++x) all.push_back(skintest::Pixel(SkinImages().ButtonFaceImage, x, y));
        return all;
    };
    test::Window first = test::MakeTopLevel(L"Form", 0, 0, 100, 100);
    REQUIRE(SkinWindow(first) == 1);
    CHECK(TrackMouseEventAvailable());
    const auto built = pixels();
    CHECK(built[0] == 0xBFE1F9u);
    DestroyWindow(first.release());
    CHECK_FALSE(SkinInitialized());
    CHECK(SkinImages().ButtonFaceImage == nullptr);

    test::Window second = test::MakeTopLevel(L"Form", 0, 0, 100, 100);
    REQUIRE(SkinWindow(second) == 1);
    CHECK(pixels() == built);
}

namespace {

DWORD WINAPI ForeignThreadMain(void* param)
{
    auto* window = static_cast<std::atomic<HWND>*>(param);
    HWND w = test::MakeTopLevel(L"#32770", 0, 0, 200, 100).release();
    test::MakeChild(w, L"Button", L"x", 0, 5, 5, 60, 20).release();
    *window = w;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    DestroyWindow(w);
    return 0;
}

}  // namespace

TEST_CASE("windows of another thread are never attached, however the skin hears of them")
{
    REQUIRE(SkinnedWindowCount() == 0);
    std::atomic<HWND> created = nullptr;
    DWORD threadId = 0;
    HANDLE thread = CreateThread(nullptr, 0, ForeignThreadMain, &created, 0, &threadId);
    REQUIRE(test::PumpUntil([&] { return created != nullptr; }, 5000));
    HWND foreign = created;
    const WNDPROC foreignProc = ProcOf(foreign);
    test::Window form = test::MakeTopLevel(L"Form", 0, 0, 100, 100);
    REQUIRE(SkinWindow(form) == 1);

    CHECK(AttachSkin(foreign) + SkinWindow(foreign) == 0);
    SendMessageW(form, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(foreign));
    SendMessageW(form, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(foreign));
    CHECK(SkinnedWindowCount() == 1);
    CHECK_FALSE(skintest::HasSkinProps(foreign));
    CHECK((ProcOf(foreign) == foreignProc));

    DestroyWindow(form.release());
    PostThreadMessageW(threadId, WM_QUIT, 0, 0);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
}
