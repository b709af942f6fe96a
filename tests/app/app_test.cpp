// Form1 against the scripted browser (its window, layout in twips and pixels, skin, what a completed
// document does to it, the clearing commands), the program starter, RightKey's hooks, and the real
// OLE container around the platform's web-browser control.
// The X server runs at 96 DPI: 15 twips to the pixel.
#include <windows.h>
#include <exdispid.h>

#include "app/browser_host.h"
#include "app/browser_site.h"
#include "app/clearing_commands.h"
#include "app/ole_session.h"
#include "app/right_key.h"
#include "launcher_fixture.h"
#include "raw_skin.h"
#include "skin/core/skin_change.h"
#include "skin/draw/skin_image_tables.h"
#include "skin/support/skin_fixture.h"

namespace {

// The browser over the outer size; the buttons Width - 2000 and Width - 1100 twips from the left.
void CheckLayout(const test::Launcher& l, bool buttonsShown)
{
    RECT outer{};
    GetWindowRect(l.hwnd(), &outer);
    const int w = outer.right - outer.left;
    REQUIRE_FALSE(l.browser->placements.empty());
    CHECK(l.browser->placements.back() == RECT{0, 0, w, outer.bottom - outer.top});
    CHECK(test::RectInParent(l.form.Command1()) == RECT{w - 133, 3, w - 84, 22});
    CHECK(test::RectInParent(l.form.Command2()) == RECT{w - 73, 3, w - 13, 22});
    CHECK((bool(IsWindowVisible(l.form.Command1())) == buttonsShown && bool(IsWindowVisible(l.form.Command2())) == buttonsShown));
}

std::wstring Line(int what) { return L"RunDll32.exe InetCpl.cpl,ClearMyTracksByProcess " + std::to_wstring(what); }
const std::vector<std::wstring> DeleteCache = {Line(2) + L" ", Line(8) + L" ", Line(16) + L" ", Line(4351) + L" "};

HHOOK WINAPI SetHook(int type, HOOKPROC proc, HINSTANCE instance, DWORD thread)  // one that cannot set a mouse hook
{
    return type == WH_MOUSE ? nullptr : SetWindowsHookExW(type, proc, instance, thread);
}

struct NoEvents final : app::BrowserEvents { void DocumentComplete(app::BrowserObject&) noexcept override {} };

HRESULT WINAPI FailingOleStart(LPVOID) { return E_OUTOFMEMORY; }

// Raises DocumentComplete of the control itself on every connection of its event point; returns how many there were.
int CompleteOnEveryConnection(IWebBrowser2* control)
{
    app::ComPtr<IConnectionPointContainer> points;
    app::ComPtr<IConnectionPoint> point;
    app::ComPtr<IEnumConnections> connections;
    REQUIRE((SUCCEEDED(control->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(points.Put()))) &&
             SUCCEEDED(points->FindConnectionPoint(DIID_DWebBrowserEvents2, point.Put())) && SUCCEEDED(point->EnumConnections(connections.Put()))));
    VARIANTARG args[2]{};  // last first: the address (not read), the browser object
    V_VT(&args[1]) = VT_DISPATCH, V_DISPATCH(&args[1]) = control;
    DISPPARAMS params{args, nullptr, 2, 0};
    int count = 0;  // Wine hands each sink out without a reference of its own: releasing it would free the launcher's site
    for (CONNECTDATA c{}; connections->Next(1, &c, nullptr) == S_OK; ++count) {
        app::ComPtr<IDispatch> sink;
        if (SUCCEEDED(c.pUnk->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(sink.Put()))))
            sink->Invoke(DISPID_DOCUMENTCOMPLETE, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    }
    return count;
}

}  // namespace

TEST_CASE("Form1 from start-up to close: controls, skin, layout on every size change, hooks, 刷新 and the clearing commands") {
    REQUIRE(skin::SkinnedWindowCount() == 0);
    const skintest::NoLeaks noLeaks;
    test::Launcher l;
    // Created in their stored order, the buttons above the browser; all skinned at load.
    CHECK(test::ChildrenInZOrder(l.hwnd()) == std::vector<HWND>{l.form.Command2(), l.form.Command1(), l.browser->Window()});
    CHECK(skin::SkinnedWindowCount() == 4);
    RECT client{};
    GetClientRect(l.hwnd(), &client);
    CHECK(client == RECT{0, 0, 843, 516});  // 12645 x 7740 twips
    CHECK((test::Read(GetWindowTextW, l.form.Command1()) == L"刷新" && test::Read(GetWindowTextW, l.form.Command2()) == L"删除缓存"));
    CHECK((app::RightKey::MouseHook && app::RightKey::KeyboardHook));
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    REQUIRE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    for (HWND button : {l.form.Command1(), l.form.Command2()}) {
        LOGFONTW used{};
        REQUIRE(GetObjectW(HFONT(SendMessageW(button, WM_GETFONT, 0, 0)), sizeof used, &used));
        CHECK((std::wstring(used.lfFaceName) == metrics.lfMessageFont.lfFaceName && used.lfHeight == metrics.lfMessageFont.lfHeight));
    }
    // A show command or a new width; narrower than 2000 twips (133 pixels) the left edges are negative.
    CheckLayout(l, false);
    for (auto [show, width] : {std::pair{0, 700}, {SW_MAXIMIZE, 0}, {SW_RESTORE, 0}, {0, 120}, {SW_MINIMIZE, 0}, {SW_RESTORE, 0}}) {
        CAPTURE(show);
        const auto placed = l.browser->placements.size();
        if (show) ShowWindow(l.hwnd(), show);
        else SetWindowPos(l.hwnd(), nullptr, 0, 0, width, 300, SWP_NOMOVE | SWP_NOZORDER);
        CHECK(l.browser->placements.size() > placed);
        CheckLayout(l, false);
    }
    // The portal look: the buttons shown over the browser in their normal face.
    const wchar_t address[] = L"http://portal.test/game.php?sid=7&lang=zh-CN#lobby";
    l.browser->Load(address, L"游戏");
    RedrawWindow(l.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    CHECK(test::WindowPixel(l.form.Command1(), 1, 10) == test::DcPixel(skintest::FaceOf(l.form.Command1(), 0), 1, 10));
    // 刷新 navigates to the address the browser reports, after the login page at load.
    SendMessageW(l.form.Command1(), BM_CLICK, 0, 0);
    CHECK(l.browser->navigations == std::vector<std::wstring>{test::LoginUrl, address});
    l.browser->failing = L"Navigate";
    SendMessageW(l.form.Command1(), BM_CLICK, 0, 0);
    CHECK((l.errors.Only(L"Navigate 失败") && l.starter.lines.empty()));
    // The clearing commands start their exact lines, minimized.
    const std::pair<void (app::Form1::*)(), std::wstring> rows[] = {
        {&app::Form1::Clear_Temp_Files, Line(8) + L" "}, {&app::Form1::Clear_Cookies, Line(2)}, {&app::Form1::Clear_History, Line(1)},
        {&app::Form1::Clear_Form_Data, Line(16)}, {&app::Form1::Clear_Saved_Passwords, Line(32)}, {&app::Form1::Clear_All, Line(255)},
        {&app::Form1::Clear_Clear_Add_ons_Settings, Line(4351)}};
    for (auto [operation, line] : rows) {
        l.starter.Reset();
        (l.form.*operation)();
        CHECK((l.starter.lines == std::vector<std::wstring>{line} && l.starter.shows == std::vector<int>{SW_SHOWMINIMIZED}));
    }
    l.starter.Reset(1);
    CHECK_THROWS_AS(l.form.Clear_All(), app::AppError);
    l.starter.Reset();  // 删除缓存: four lines in order; a failed start ends the sequence and is reported
    l.errors.messages.clear();
    SendMessageW(l.form.Command2(), BM_CLICK, 0, 0);
    CHECK((l.starter.lines == DeleteCache && l.starter.shows == std::vector<int>(4, SW_SHOWMINIMIZED)));
    l.starter.Reset(2);
    SendMessageW(l.form.Command2(), BM_CLICK, 0, 0);
    CHECK((l.starter.lines == std::vector<std::wstring>{DeleteCache[0], DeleteCache[1]} && l.errors.Only(DeleteCache[1])));
    l.errors.messages.clear();
    const HWND hwnd = l.hwnd();
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    CHECK((!IsWindow(hwnd) && !app::RightKey::MouseHook && !app::RightKey::KeyboardHook && test::ScriptedBrowser::live == 0));
    CHECK(skin::SkinnedWindowCount() == 0);
    MSG quit{};
    CHECK((PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && quit.wParam == 0 && l.errors.messages.empty()));
}

TEST_CASE("the launcher's skin folder: its look on the buttons' faces; a broken one reported once, and the built-in look") {
    CHECK(app::SkinFolderBesideProgram().rfind(L"\\tests\\app\\skin") != std::wstring::npos);
    const std::wstring folder = test::TempPath(L"登入器 skin");
    skin::SkinDefinition plain;  // faces of one colour
    for (const skin::SkinImageTable& t : skin::SkinImageTables) plain.images[&t - &skin::SkinImageTables[0]].assign(t.width * t.height, 0x123456);
    skin::SkinImageSet set;
    skin::BuildSkinImageSet(set, &plain);
    REQUIRE(WriteRawSkin(folder, set, skin::BuiltInColors));
    skin::ReleaseSkinImageSet(set);
    for (const char* ini : {"[Skin]\nName=Portal\n", "[Skin]\nName Portal\n"}) {
        test::WriteBytes(folder + L"\\skin.ini", ini);
        const bool broken = ini[11] == ' ';
        skin::SkinUseBuiltIn();  // as the program starts
        test::Launcher l(folder);
        CHECK(l.errors.messages.size() == size_t(broken));
        CHECK((!broken || l.errors.Only(L"无法加载皮肤文件夹，已改用内置皮肤：\n" + folder + L"\\skin.ini, line 2: neither")));
        CHECK((test::DcPixel(skintest::FaceOf(l.form.Command1(), 0), 10, 10) == 0x123456) != broken);
    }
}

TEST_CASE("a completed document drives caption, maximize and buttons, one way") {
    constexpr wchar_t Start[] = L"Velmora登入器", Hall[] = L"http://portal.test/hall.php", Login[] = L"http://portal.test/dlq_login.php";
    struct Row {
        const wchar_t *url, *title, *caption;
        bool portal;
        const wchar_t* failing = L"";     // the browser call that throws
        const wchar_t* source = nullptr;  // Name of the completing browser object; null: the control's
    };
    const Row rows[] = {
        {Login, L"登录 - Velmora", L"登录 - Velmora", false}, {Login, Login, Start, false}, {Login, L"见 http://x", Start, false},
        {Login, L"HTTP://PORTAL.TEST", L"HTTP://PORTAL.TEST", false}, {Hall, Hall, Start, true},
        {L"http://portal.test/dlq_login.php?from=game", L"大厅", L"大厅", true},
        {L"http://portal.test/dlq_login.php/", L"大厅", L"大厅", true}, {L"http://portal.test/DLQ_login.php", L"大厅", L"大厅", true},
        {Hall, L"大厅", Start, false, L"", L"frame-ad"},
        {Hall, L"大厅", L"大厅", true, L"", L"Microsoft Web Browser Control"}, {Hall, L"大厅", Start, false, L"Name"},
        {Hall, L"大厅", Start, false, L"LocationName"}, {Hall, L"大厅", L"大厅", false, L"LocationURL"}};
    for (const Row& row : rows) {
        CAPTURE(&row - rows);
        test::Launcher l;
        l.browser->url = row.url;
        l.browser->title = row.title;
        l.browser->failing = row.failing;
        l.browser->Complete(row.source ? row.source : l.browser->name);
        CHECK((test::Read(GetWindowTextW, l.hwnd()) == row.caption && bool(IsZoomed(l.hwnd())) == row.portal));
        CheckLayout(l, row.portal);
        CHECK((*row.failing ? l.errors.Only(std::wstring(row.failing) + L" 失败") : l.errors.messages.empty()));
        // The program goes on; the portal look stays, also on the login page, and comes back after a restore.
        l.browser->failing.clear();
        l.browser->Load(test::LoginUrl, L"登录");
        CHECK((test::Read(GetWindowTextW, l.hwnd()) == L"登录" && bool(IsZoomed(l.hwnd())) == row.portal));
        CheckLayout(l, row.portal);
        ShowWindow(l.hwnd(), SW_RESTORE);
        l.browser->Load(Hall, L"页");
        CHECK(IsZoomed(l.hwnd()));
        CheckLayout(l, true);
    }
}

TEST_CASE("programs start from the system directory, found by bare name alone") {
    wchar_t system[MAX_PATH]{};
    REQUIRE(GetSystemDirectoryW(system, MAX_PATH) > 0);
    CHECK(app::SystemProgramStarter().ProgramPath(L"\"RunDll32.exe\" x") == std::wstring(system) + L"\\RunDll32.exe");
    for (const wchar_t* line :
         {L"", L" RunDll32.exe", L"..\\RunDll32.exe x", L"C:\\x\\RunDll32.exe", L"sub/RunDll32.exe", L"\"C:\\a b\\RunDll32.exe\" x"})
        CHECK_THROWS_AS(app::SystemProgramStarter().ProgramPath(line), app::AppError);
    CHECK_THROWS_AS(app::SystemProgramStarter(L"C:\\none").Start(DeleteCache[0], SW_SHOWMINIMIZED), app::AppError);
}

TEST_CASE("RightKey discards the right press and the Applications key, whatever the hook code, nothing else") {
    using namespace app::RightKey;
    const std::tuple<HOOKPROC, int, WPARAM, LRESULT> calls[] = {  // hook, code, message or key, 1: discarded
        {MouseHookProc, HC_ACTION, WM_RBUTTONDOWN, 1}, {MouseHookProc, HC_NOREMOVE, WM_RBUTTONDOWN, 1},
        {MouseHookProc, -1, WM_RBUTTONDOWN, 0}, {MouseHookProc, HC_ACTION, WM_RBUTTONUP, 0}, {MouseHookProc, HC_ACTION, WM_RBUTTONDBLCLK, 0},
        {MouseHookProc, HC_ACTION, WM_NCRBUTTONDOWN, 0}, {MouseHookProc, HC_ACTION, WM_LBUTTONDOWN, 0}, {KeyboardHookProc, HC_ACTION, VK_APPS, 1},
        {KeyboardHookProc, HC_NOREMOVE, VK_APPS, 1}, {KeyboardHookProc, -1, VK_APPS, 0}, {KeyboardHookProc, HC_ACTION, VK_F10, 0},
        {KeyboardHookProc, HC_ACTION, 'A', 0}};
    for (auto [hook, code, wParam, discarded] : calls) CHECK_MESSAGE(hook(code, wParam, 0) == discarded, wParam);
    InstallHooks(GetModuleHandleW(nullptr), SetHook);  // a mouse hook that cannot be set leaves the keyboard hook in place
    CHECK((!MouseHook && KeyboardHook));
    RemoveHooks();
    RemoveHooks();  // the second time there is nothing left
    CHECK((!MouseHook && !KeyboardHook));
}

TEST_CASE("the real control: placement and Name; its sink reaches Form1; nothing left of it, also after a failed set-up; a failed OLE start-up reported") {
    test::RecordingErrors errors;
    CHECK_FALSE(app::OleSession(errors, FailingOleStart).Ready());
    CHECK(errors.Only(L"无法初始化系统组件（OLE）。（错误代码 0x8007000E）"));
    errors.messages.clear();
    const app::OleSession ole(errors);
    REQUIRE(ole.Ready());
    test::Window parent = test::MakeTopLevel(L"BrowserHostTest", 0, 0, 400, 300);
    NoEvents events;
    {
        app::BrowserHost host(parent, RECT{0, 0, 200, 100}, events);
        CHECK((GetParent(host.Window()) == parent.hwnd && test::RectInParent(host.Window()) == RECT{0, 0, 200, 100}));
        host.Place(RECT{0, 0, 420, 330});
        CHECK(test::RectInParent(host.Window()) == RECT{0, 0, 420, 330});
        CHECK_FALSE(host.Name().empty());
    }
    {
        app::Form1 form({test::LoginUrl, app::WebBrowserFactory(), nullptr, &errors});
        REQUIRE(form.Create(GetModuleHandleW(nullptr)));
        auto& host = static_cast<app::BrowserHost&>(*form.WebBrowser1());
        host.Navigate(L"about:blank");  // not the login page: the completed document turns on the portal look
        REQUIRE(test::PumpUntil([&] { return host.LocationURL() == L"about:blank"; }, 10000));
        CHECK(CompleteOnEveryConnection(host.Control()) == 1);
        CHECK((IsZoomed(form.Hwnd()) && IsWindowVisible(form.Command1()) && errors.messages.empty()));
    }
    // Set-up failing at its last step, the connection: nothing of the control or its site is left.
    CHECK_THROWS_AS(app::BrowserHost(parent, RECT{0, 0, 200, 100}, events, IID_IUnknown), app::AppError);
    CHECK((GetWindow(parent, GW_CHILD) == nullptr && app::BrowserSite::LiveCount() == 0));
}
