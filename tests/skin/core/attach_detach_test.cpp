// Attaching and detaching the skin on real windows: what each kind gets, what detach restores.
#include <doctest.h>

#include <string>

#include "skin/core/control_kind.h"
#include "skin/core/skin_window_proc.h"
#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/support/skin_fixture.h"

using namespace skin;
using skintest::HasSkinProps;
using skintest::ProcOf;

namespace {

void* AsPtr(WNDPROC p)
{
    return reinterpret_cast<void*>(p);
}

INT_PTR Prop(HWND w, const char* name)
{
    return GetSkinProp(w, name);
}

// Procedures recorded while a container's own procedure sees WM_DESTROY.
struct DestroySnapshot {
    bool seen = false;
    bool anySkinProps = false;
    bool anySkinProc = false;
    long countAtDestroy = -1;
};
DestroySnapshot g_snapshot;

BOOL CALLBACK InspectChild(HWND child, LPARAM)
{
    if (HasSkinProps(child)) g_snapshot.anySkinProps = true;
    if (ProcOf(child) == &SkinWindowProc) g_snapshot.anySkinProc = true;
    return TRUE;
}

LRESULT CALLBACK InspectingFormProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_DESTROY) {
        g_snapshot.seen = true;
        g_snapshot.countAtDestroy = SkinnedWindowCount();
        InspectChild(w, 0);
        EnumChildWindows(w, InspectChild, 0);
    }
    return DefWindowProcW(w, msg, wp, lp);
}

}  // namespace

TEST_CASE("attaching a form skins the whole tree, each window after its kind")
{
    REQUIRE(SkinnedWindowCount() == 0);
    skintest::FormTree t = skintest::MakeFormTree();
    const WNDPROC buttonProc = ProcOf(t.button);
    const WNDPROC staticProc = ProcOf(t.other);
    const LONG checkStyle = GetWindowLongW(t.checkStyleButton, GWL_STYLE);
    const LONG pushStyle = GetWindowLongW(t.button, GWL_STYLE);

    CHECK(SkinWindow(t.form) == 1);
    CHECK(SkinInitialized());
    CHECK(SkinnedWindowCount() == 8);

    SUBCASE("every window carries its previous procedure and runs the skin's")
    {
        for (HWND w : t.All()) {
            CHECK(Prop(w, prop::ProcAddr) != 0);
            CHECK(AsPtr(ProcOf(w)) == AsPtr(&SkinWindowProc));
        }
        CHECK(Prop(t.button, prop::ProcAddr) == reinterpret_cast<INT_PTR>(buttonProc));
        CHECK(Prop(t.deepOther, prop::ProcAddr) == reinterpret_cast<INT_PTR>(staticProc));
    }

    SUBCASE("push buttons get four faces, their state, owner-draw and a rounded region")
    {
        for (HWND b : {t.button, t.deepButton, t.disabledButton}) {
            for (int i = 0; i < 4; ++i) {
                const auto dc = reinterpret_cast<HDC>(Prop(b, prop::FaceDc[i]));
                const auto bmp = reinterpret_cast<HBITMAP>(Prop(b, prop::FaceBitmap[i]));
                REQUIRE(GetObjectType(dc) == OBJ_MEMDC);
                REQUIRE(GetObjectType(bmp) == OBJ_BITMAP);
                CHECK(GetCurrentObject(dc, OBJ_BITMAP) == bmp);
                BITMAP info{};
                GetObjectW(bmp, sizeof info, &info);
                RECT r;
                GetWindowRect(b, &r);
                CHECK(info.bmWidth == r.right - r.left);
                CHECK(info.bmHeight == r.bottom - r.top);
            }
            CHECK((GetWindowLongW(b, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW);
            CHECK(Prop(b, prop::MouseFlag) == 0);
            CHECK(Prop(b, prop::TimerId) == 0);
            CHECK(Prop(b, prop::AlphaLevel) == 0);

            HRGN rgn = CreateRectRgn(0, 0, 0, 0);
            REQUIRE(GetWindowRgn(b, rgn) != ERROR);
            RECT box;
            GetRgnBox(rgn, &box);
            RECT r;
            GetWindowRect(b, &r);
            CHECK(box.right == r.right - r.left);
            CHECK(box.bottom == r.bottom - r.top);
            CHECK_FALSE(PtInRegion(rgn, 0, 0));  // one pixel cut per corner
            CHECK(PtInRegion(rgn, 1, 0));
            CHECK(PtInRegion(rgn, 0, 1));
            DeleteObject(rgn);
        }
        CHECK(Prop(t.button, prop::OldStyle) == pushStyle);
        CHECK(Prop(t.button, prop::OldState) == 0);
        CHECK(Prop(t.disabledButton, prop::OldState) == 3);
    }

    SUBCASE("a check-box-style button is a command button that keeps its style")
    {
        CHECK(GetControlKind(t.checkStyleButton) == ControlKind::CommandButton);
        CHECK(GetWindowLongW(t.checkStyleButton, GWL_STYLE) == checkStyle);
        CHECK(Prop(t.checkStyleButton, prop::OldStyle) == checkStyle);
        for (int i = 0; i < 4; ++i)
            CHECK(GetObjectType(reinterpret_cast<HDC>(Prop(t.checkStyleButton, prop::FaceDc[i]))) ==
                  OBJ_MEMDC);
    }

    SUBCASE("windows of kind Other and containers carry PROCADDR alone")
    {
        for (HWND w : {t.other, t.deepOther, t.nested, t.form.get()}) {
            CHECK(skintest::SkinPropNames(w) == std::vector<std::string>{"PROCADDR"});
        }
    }

    SUBCASE("attaching again returns 0 and changes nothing")
    {
        const INT_PTR before = Prop(t.button, prop::ProcAddr);
        CHECK(AttachSkin(t.button) == 0);
        CHECK(AttachSkin(t.form) == 0);
        CHECK(SkinWindow(t.form) == 0);
        CHECK(SkinnedWindowCount() == 8);
        CHECK(Prop(t.button, prop::ProcAddr) == before);
    }

    DestroyWindow(t.form.release());
    CHECK(SkinnedWindowCount() == 0);
}

TEST_CASE("the kind of a window comes from its class name, lower-cased")
{
    SUBCASE("names in any case")
    {
        CHECK(ControlKindOf("form") == ControlKind::Container);
        CHECK(ControlKindOf("#32770") == ControlKind::Container);
        CHECK(ControlKindOf("button") == ControlKind::CommandButton);
        CHECK(ControlKindOf("combolbox") == ControlKind::DropDownList);
        CHECK(ControlKindOf("combobox") == ControlKind::ComboBox);
        CHECK(ControlKindOf("sysheader32") == ControlKind::Header);
        CHECK(ControlKindOf("apexgrid") == ControlKind::Grid);
        CHECK(ControlKindOf("apexgridx") == ControlKind::Grid);
        CHECK(ControlKindOf("Form") == ControlKind::Other);  // callers lower-case first
        CHECK(ControlKindOf("") == ControlKind::Other);
        CHECK(ControlKindOf("buttons") == ControlKind::Other);

        test::Window mixed = test::MakeTopLevel(L"ThunderRT6FormDC", 0, 0, 50, 50);
        CHECK(GetWindowClassName(mixed) == "ThunderRT6FormDC");
        CHECK(GetControlKind(mixed) == ControlKind::Container);
        test::Window grid = test::MakeTopLevel(L"ApexGridOleDB32", 0, 0, 50, 50);
        CHECK(GetControlKind(grid) == ControlKind::Grid);
    }

    SUBCASE("a class name of 255 characters is cut to 254 and falls under Other")
    {
        std::wstring longName = L"button";
        longName.resize(255, L'x');
        test::Window w = test::MakeTopLevel(longName.c_str(), 0, 0, 50, 50);
        REQUIRE(w.get() != nullptr);
        CHECK(GetWindowClassName(w).size() == 254);
        CHECK(GetControlKind(w) == ControlKind::Other);
    }

    SUBCASE("an invalid window has an empty class name")
    {
        CHECK(GetWindowClassName(nullptr).empty());
        CHECK(GetControlKind(nullptr) == ControlKind::Other);
    }
}

TEST_CASE("combo boxes, check boxes, option buttons and headers get their tracking state")
{
    REQUIRE(SkinnedWindowCount() == 0);
    test::Window form = test::MakeTopLevel(L"Form", 40, 40, 300, 200);
    HINSTANCE inst = GetModuleHandleW(nullptr);
    HWND combo = CreateWindowExW(0, L"ComboBox", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST,
                                 10, 10, 100, 120, form, nullptr, inst, nullptr);
    HWND header = CreateWindowExW(0, L"SysHeader32", L"", WS_CHILD | WS_VISIBLE, 10, 60, 200, 20,
                                  form, nullptr, inst, nullptr);
    REQUIRE(combo);
    REQUIRE(header);
    CHECK(SkinWindow(form) == 1);

    CHECK(skintest::SkinPropNames(combo).size() == 3);  // PROCADDR, MOUSEFLAG, OLDSTATE
    CHECK(GetSkinProp(combo, prop::OldState) == 0);
    CHECK(GetSkinProp(header, prop::HdIndex) == -1);
    CHECK(GetSkinProp(header, prop::HmIndex) == -1);
    CHECK(skintest::SkinPropNames(header).size() == 4);

    CHECK(DetachSkin(combo) == 1);
    CHECK_FALSE(HasSkinProps(combo));
    CHECK(DetachSkin(header) == 1);
    CHECK_FALSE(HasSkinProps(header));
    DestroyWindow(form.release());
    CHECK(SkinnedWindowCount() == 0);
}

TEST_CASE("WM_DESTROY of a container detaches every descendant before its own procedure runs")
{
    REQUIRE(SkinnedWindowCount() == 0);
    // Registered under a container's class name so that its children are attached with it.
    test::RegisterClassOnce(L"ThunderFormDC", InspectingFormProc);
    HWND form = test::MakeTopLevel(L"ThunderFormDC", 0, 0, 300, 200).release();
    test::MakeChild(form, L"Button", L"b", 0, 5, 5, 60, 20).release();
    HWND inner = test::MakeChild(form, L"#32770", L"", 0, 5, 40, 200, 100).release();
    test::MakeChild(inner, L"Button", L"d", 0, 5, 5, 60, 20).release();

    REQUIRE(SkinWindow(form) == 1);
    REQUIRE(SkinnedWindowCount() == 4);
    g_snapshot = {};
    DestroyWindow(form);

    CHECK(g_snapshot.seen);
    CHECK(g_snapshot.countAtDestroy == 0);
    CHECK_FALSE(g_snapshot.anySkinProps);
    CHECK_FALSE(g_snapshot.anySkinProc);
    CHECK_FALSE(SkinInitialized());
}

TEST_CASE("detaching restores the window as it was")
{
    REQUIRE(SkinnedWindowCount() == 0);
    test::Window form = test::MakeTopLevel(L"Form", 40, 40, 300, 200);
    HWND button = CreateWindowExW(0, L"Button", L"x", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 5,
                                  5, 60, 20, form, nullptr, GetModuleHandleW(nullptr), nullptr);
    const LONG style = GetWindowLongW(button, GWL_STYLE);
    const WNDPROC proc = ProcOf(button);
    REQUIRE(SkinWindow(form) == 1);

    SUBCASE("an unskinned window or a null handle: 0, count unchanged")
    {
        test::Window plain = test::MakeTopLevel(L"PlainWindow", 0, 0, 50, 50);
        CHECK(DetachSkin(plain) == 0);
        CHECK(DetachSkin(nullptr) == 0);
        CHECK(AttachSkin(nullptr) == 0);
        CHECK(SkinnedWindowCount() == 2);
    }

    SUBCASE("a detached button has its style, procedure and no region")
    {
        CHECK(DetachSkin(button) == 1);
        CHECK(SkinnedWindowCount() == 1);
        CHECK(GetWindowLongW(button, GWL_STYLE) == style);
        CHECK(AsPtr(ProcOf(button)) == AsPtr(proc));
        CHECK_FALSE(HasSkinProps(button));
        HRGN rgn = CreateRectRgn(0, 0, 0, 0);
        CHECK(GetWindowRgn(button, rgn) == ERROR);
        DeleteObject(rgn);
        CHECK(DetachSkin(button) == 0);
    }

    DestroyWindow(form.release());
    CHECK(SkinnedWindowCount() == 0);
}

TEST_CASE("the image set lives from the first attach to the last detach and rebuilds the same")
{
    REQUIRE(SkinnedWindowCount() == 0);
    auto snapshot = [] {
        std::vector<std::uint32_t> pixels;
        HDC img = SkinImages().ButtonFaceImage;
        for (int y = 0; y < 84; ++y)
            for (int x = 0; x < 7; ++x) pixels.push_back(skintest::Pixel(img, x, y));
        return pixels;
    };

    test::Window first = test::MakeTopLevel(L"Form", 0, 0, 100, 100);
    REQUIRE(SkinWindow(first) == 1);
    REQUIRE(SkinImages().ButtonFaceImage != nullptr);
    const auto before = snapshot();
    CHECK(before[0] == 0xBFE1F9u);
    CHECK(TrackMouseEventAvailable());

    DestroyWindow(first.release());
    CHECK_FALSE(SkinInitialized());
    CHECK(SkinImages().ButtonFaceImage == nullptr);
    CHECK(SkinImages().HeaderItemImage == nullptr);

    test::Window second = test::MakeTopLevel(L"Form", 0, 0, 100, 100);
    REQUIRE(SkinWindow(second) == 1);
    CHECK(snapshot() == before);
    DestroyWindow(second.release());
}

namespace {

struct ForeignThread {
    HWND window = nullptr;
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD threadId = 0;
    HANDLE thread = nullptr;
};

DWORD WINAPI ForeignThreadMain(void* param)
{
    auto* f = static_cast<ForeignThread*>(param);
    f->window = CreateWindowExW(0, L"#32770", L"foreign", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    CreateWindowExW(0, L"Button", L"x", WS_CHILD | WS_VISIBLE, 5, 5, 60, 20, f->window, nullptr,
                    GetModuleHandleW(nullptr), nullptr);
    SetEvent(f->ready);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    DestroyWindow(f->window);
    return 0;
}

}  // namespace

TEST_CASE("windows of another thread are never attached")
{
    REQUIRE(SkinnedWindowCount() == 0);
    ForeignThread foreign;
    foreign.thread = CreateThread(nullptr, 0, ForeignThreadMain, &foreign, 0, &foreign.threadId);
    REQUIRE(WaitForSingleObject(foreign.ready, 5000) == WAIT_OBJECT_0);
    const WNDPROC foreignProc = ProcOf(foreign.window);

    test::Window form = test::MakeTopLevel(L"Form", 0, 0, 100, 100);
    REQUIRE(SkinWindow(form) == 1);

    SUBCASE("directly")
    {
        CHECK(AttachSkin(foreign.window) == 0);
        CHECK(SkinWindow(foreign.window) == 0);
    }
    SUBCASE("through the windows a skinned window is told about")
    {
        SendMessageW(form, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(foreign.window));
        SendMessageW(form, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(foreign.window));
    }
    CHECK(SkinnedWindowCount() == 1);
    CHECK_FALSE(HasSkinProps(foreign.window));
    CHECK(AsPtr(ProcOf(foreign.window)) == AsPtr(foreignProc));

    DestroyWindow(form.release());
    PostThreadMessageW(foreign.threadId, WM_QUIT, 0, 0);
    WaitForSingleObject(foreign.thread, 5000);
    CloseHandle(foreign.thread);
    CloseHandle(foreign.ready);
}
