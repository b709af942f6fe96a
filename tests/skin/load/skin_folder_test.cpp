// Skin folders on real windows: what a folder changes on the skinned gallery form (every face,
// glyph, frame, header and window colour), on a second thread and during a fade; what the built-in
// skin brings back; the folders that are refused, each with its message and nothing changed.
// Every folder has a name outside ASCII.
#include "skin/support/skin_fixture.h"

#include <objbase.h>

#include <algorithm>
#include <cstring>

#include "gallery_form.h"
#include "pixels.h"
#include "raw_skin.h"
#include "skin/core/skin_change.h"
#include "skin/draw/skin_image_tables.h"
#include "skin/draw/skin_in_use.h"
#include "skin/load/skin_ini.h"

using namespace skintest;

namespace {

using Pixels = std::vector<Rgb>;
Rgb Same(Rgb c) { return c; }
Rgb SwapRB(Rgb c) { return (c & 0x00FF00) | (c >> 16 & 0xFF) | (c & 0xFF) << 16; }  // keeps black, white, greys and the key

void Clear(const std::wstring& dir)
{
    WIN32_FIND_DATAW f;
    HANDLE search = FindFirstFileW((dir + L"\\*").c_str(), &f);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &f)) DeleteFileW((dir + L"\\" + f.cFileName).c_str());
    FindClose(search);
}
std::string Narrow(const std::wstring& s)  // readable in the test's report
{
    std::string utf8(s.size() * 3, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, s.data(), int(s.size()), utf8.data(), int(utf8.size()), nullptr, nullptr));
    return utf8;
}
std::wstring LastError()
{
    wchar_t text[512];
    const LONG n = SkinGetLastErrorW(text, 512);
    return std::wstring(text, n);
}

// The built-in skin, every pixel and colour through f, written as skin-sheet --raw writes a skin;
// with more lines of skin.ini after the colours; at a factor of 2 or 3 as pictures for high DPI.
std::wstring WriteSkin(const std::wstring& name, Rgb (*f)(Rgb), const std::string& more = "", int factor = 1)
{
    SkinDefinition skin;
    for (size_t i = 0; i < SkinImageTables.size(); ++i)
        for (int p = 0; p < SkinImageTables[i].width * SkinImageTables[i].height; ++p) skin.images[i].push_back(f(SkinImageTables[i].pixels[p]));
    SkinColors& c = skin.colors;
    for (Rgb* x : {&c.frame, &c.disabledFrame, &c.pressedFrame, &c.progress, &c.key, &c.caption[0], &c.caption[1], &c.caption[2], &c.caption[3]})
        *x = f(*x);
    SkinImageSet set;
    BuildSkinImageSet(set, &skin);
    const std::wstring dir = test::TempPath(L"皮肤 " + name);
    CHECK(WriteRawSkin(dir, set, c, factor));
    ReleaseSkinImageSet(set);
    test::WriteBytes(dir + L"\\skin.ini", SkinIniText("测试", c) + more);
    return dir;
}

// The form's client area as the screen shows it, then the four faces of each of its buttons.
Pixels Shot(HWND form)
{
    RECT r;
    GetClientRect(form, &r);
    HDC dc = GetDC(form);
    Pixels all = ReadPicture(dc, r.right, r.bottom).pixels;
    ReleaseDC(form, dc);
    for (HWND part : gallery::GalleryParts(form))
        for (int s = 0; s < 4 && FaceOf(part, s); ++s) {
            GetWindowRect(part, &r);
            const Pixels face = ReadPicture(FaceOf(part, s), r.right - r.left, r.bottom - r.top).pixels;
            all.insert(all.end(), face.begin(), face.end());
        }
    return all;
}

// A GUI thread of its own with a skinned button, pumping until it is told to quit; a thread message
// WM_APP keeps it busy for 2.5 s.
struct SecondThread {
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HWND button = nullptr;
    DWORD id = 0;
    long leftObjects = -1;
    HANDLE thread = CreateThread(nullptr, 0, Run, this, 0, &id);
    static DWORD WINAPI Run(void* p)
    {
        auto& t = *static_cast<SecondThread*>(p);
        const long before = gdi::LiveObjectCount();
        {
            test::Window top = test::MakeTopLevel(L"SecondThread", 500, 100, 200, 80);
            t.button = test::MakeChild(top, L"Button", L"Go", BS_PUSHBUTTON, 40, 20, 80, 25);
            SkinWindow(t.button);
            UpdateWindow(t.button);
            SetEvent(t.ready);
            for (MSG m; GetMessageW(&m, nullptr, 0, 0) > 0;)
                m.message == WM_APP ? Sleep(2500) : void(DispatchMessageW(&m));
        }
        t.leftObjects = gdi::LiveObjectCount() - before;
        return 0;
    }
    SecondThread() { WaitForSingleObject(ready, 5000); }
};

}  // namespace

TEST_CASE("a skin folder reaches every face, glyph, frame and header; 200 switches leak nothing; the built-in skin comes back "
          "pixel for pixel; a refused folder: 0, a message naming the file, the line and the problem, and the skin in use stays") {
    NoLeaks leaks;
    const std::wstring raw = WriteSkin(L"raw", Same), swapped = WriteSkin(L"swapped", SwapRB),
                       windows = WriteSkin(L"windows", Same, "WindowColor=0x203040\r\nWindowTextColor=0xF0E0D0\r\nControlColor=0x102030\r\n"),
                       twice = WriteSkin(L"2x", Same, "", 2), thrice = WriteSkin(L"3x", Same, "", 3);
    test::Window form{gallery::CreateGalleryForm(GetModuleHandleW(nullptr), {false, false})};
    // Selections are drawn in the system's colours, which no skin changes.
    SendDlgItemMessageW(form, gallery::ListWithEdge, LB_SETCURSEL, WPARAM(-1), 0);
    SendDlgItemMessageW(form, gallery::ComboSimple, CB_SETCURSEL, WPARAM(-1), 0);
    SkinWindow(form);
    gallery::ShowGalleryForm(form, SW_SHOWNORMAL);
    SetForegroundWindow(form);
    CursorAway();
    for (HWND part : gallery::GalleryParts(form)) WaitForFadeEnd(part);  // the focused button's
    const Pixels builtIn = Shot(form);
    const long objects = gdi::LiveObjectCount();
    for (int i = 0; i < 100; ++i) CHECK((SkinLoadFolderW((i % 2 ? windows : thrice).c_str()) == 1 && SkinUseBuiltIn() == 1));
    CHECK(gdi::LiveObjectCount() == objects);

    for (const std::wstring& same : {raw, twice, thrice}) {  // the round trip; at 96 DPI the pictures for high DPI reduce to it
        CHECK(SkinLoadFolderW(same.c_str()) == 1);
        CHECK((Shot(form) == builtIn));
    }
    CHECK(SkinLoadFolderW(swapped.c_str()) == 1);
    const Pixels shown = Shot(form);
    Pixels expected = builtIn;
    std::transform(expected.begin(), expected.end(), expected.begin(), SwapRB);
    CHECK((shown == expected));
    CHECK(std::count(shown.begin(), shown.end(), SwapRB(0x1B8FD5)) > 1000);  // the faces' border, in the new colour
    CHECK(LastError().empty());

    const std::wstring dir = test::TempPath(L"皮肤 坏");
    const unsigned generation = CurrentSkin().generation;
    const auto bmp = [](int w, int h) { return [w, h](const std::wstring& file) { WriteBmp(file, Picture{w, h, Pixels(size_t(w) * h)}); }; };
    const auto text = [](std::string bytes) { return [bytes](const std::wstring& file) { test::WriteBytes(file, bytes); }; };
    const auto gone = [](const std::wstring& file) { DeleteFileW(file.c_str()); };
    struct Case {
        const wchar_t* file;
        std::function<void(const std::wstring&)> spoil;
        const wchar_t* says;
    } cases[] = {
        {L"\\skin.ini", gone, L"\\skin.ini: missing"},
        {L"\\HeaderItemImage.bmp", gone, L"\\HeaderItemImage.png (or .bmp): missing"},
        {L"\\ButtonFaceImage.bmp", gone, L"\\ButtonFaceImage.png (or .bmp): missing"},
        {L"\\ButtonFaceImage.png", text("x"), L"\\ButtonFaceImage.png: ButtonFaceImage.bmp is there too; keep one of the two"},
        {L"\\Extra.PNG", text("x"), L"\\Extra.PNG: not one of the five skin images"},
        {L"\\DropButtonImage.bmp", text(std::string(40, 'B') + "M"), L"\\DropButtonImage.bmp: not a readable BMP image"},
        {L"\\CheckGlyphImage.bmp", [](const std::wstring& f) { MoveFileW(f.c_str(), (f.substr(0, f.size() - 3) + L"png").c_str()); },
         L"\\CheckGlyphImage.png: not a PNG image, though its name says so"},
        {L"\\OptionCircleImage.bmp", bmp(13, 51), L"\\OptionCircleImage.bmp: the image is 13 x 51 pixels; it must be 13 x 52"},
        {L"\\ButtonFaceImage.bmp", bmp(14, 252), L"\\ButtonFaceImage.bmp: the image is 14 x 252 pixels; it must be 7 x 84, or 2 or 3 times"},
        {L"\\HeaderItemImage.bmp", bmp(36, 80), L"\\HeaderItemImage.bmp: the image is 36 x 80 pixels; it must be 9 x 20, or 2 or 3 times that for high DPI (18 x 40 or 27 x 60)"},
        {L"\\HeaderItemImage.bmp", [](const std::wstring& f) {  // the headers alone: 7.5 GB of pixels if decoded
             const BITMAPFILEHEADER file{0x4D42, 54, 0, 0, 54};
             const BITMAPINFOHEADER info{40, 50000, 50000, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
             test::WriteBytes(f, std::string(reinterpret_cast<const char*>(&file), 14) + std::string(reinterpret_cast<const char*>(&info), 40));
         }, L"\\HeaderItemImage.bmp: the image is 50000 x 50000 pixels; it must be 9 x 20"},
        {L"\\DropButtonImage.bmp", text(std::string((1 << 20) + 1, 'x')), L"\\DropButtonImage.bmp: 1048577 bytes, more than a skin's file may have"},
        {L"\\skin.ini", text(std::string("[Skin]\nName=a\0b", 15)), L"\\skin.ini: not a text file (a NUL byte at offset 13)"},
        {L"\\skin.ini", text("[Skin]\nName=\xC3\x28\n"), L"\\skin.ini, line 2: not UTF-8 text"},
        {L"\\skin.ini", text("[Colors]\n\nFrameColor 0x000000\n"), L"\\skin.ini, line 3: neither a [section], a key=value, a comment nor blank"},
        {L"\\skin.ini", text("[Colors]\r\nFrameColour=0x000000\r\n"), L"\\skin.ini, line 2: unknown key \"FrameColour\" in [Colors]"},
        {L"\\skin.ini", text("[Skin]\nFrameColor=0x000000\n"), L"\\skin.ini, line 2: unknown key \"FrameColor\" in [Skin]"},
        {L"\\skin.ini", text("[Colors]\nKeyColor=0xFF00F\n"), L"\\skin.ini, line 2: \"0xFF00F\" is not a colour (write 0xRRGGBB)"},
        {L"\\skin.ini", text("[Colors]\nKeyColor=0xFF00FG\n"), L"\\skin.ini, line 2: \"0xFF00FG\" is not a colour"},
        {L"\\skin.ini", text("[Colors]\nKeyColor=#FF00FF\n"), L"\\skin.ini, line 2: \"#FF00FF\" is not a colour"},
        {L"\\skin.ini", text("; fine\n[Colours]\n"), L"\\skin.ini, line 2: unknown section [Colours]"},
        {L"\\skin.ini", text("Name=x\n"), L"\\skin.ini, line 1: a key before the first [section]"},
        {L"\\skin.ini", text("[Colors]\nWindowTextColor=0x000000\n"), L"\\skin.ini: WindowColor and WindowTextColor go together"},
    };
    for (const Case& c : cases) {
        Clear(dir);
        WriteSkin(L"坏", Same);
        c.spoil(dir + c.file);
        CHECK(SkinLoadFolderW(dir.c_str()) == 0);
        const std::string expected = Narrow(dir + c.says);
        CHECK(Narrow(LastError()).substr(0, expected.size()) == expected);
    }
    CHECK(SkinLoadFolderW((dir + L"\\不在").c_str()) == 0);
    CHECK(LastError() == dir + L"\\不在: no such folder");
    CHECK(SkinLoadFolderA("C:\\no skin here\\") == 0);
    CHECK(LastError() == L"C:\\no skin here: no such folder");
    CHECK(SkinLoadFolderW((dir + L"\\skin.ini").c_str()) == 0);
    CHECK(LastError() == dir + L"\\skin.ini: not a folder");
    wchar_t cut[6] = L"#";
    CHECK((SkinGetLastErrorW(cut, 0) == LONG(LastError().size()) && cut[0] == L'#' && SkinGetLastErrorW(nullptr, 6) == LONG(LastError().size())));
    CHECK((SkinGetLastErrorW(cut, 6) == 5 && std::wstring(cut) == dir.substr(0, 5)));
    CHECK(CurrentSkin().generation == generation);
    CHECK((Shot(form) == shown));

    CHECK(SkinLoadFolderW(windows.c_str()) == 1);
    CHECK(LastError().empty());  // a success after a refusal leaves no message
    const Pixels dark = Shot(form);
    CHECK(std::count(dark.begin(), dark.end(), 0x203040u) > long(dark.size() / 3));  // the form and its statics, lists and edits
    CHECK(std::count(dark.begin(), dark.end(), 0x102030u) > 2000);  // boxes, combo rings, progress fields
    CHECK(std::count(dark.begin(), dark.end(), 0xF0E0D0u) > 100);                     // their text
    CHECK(SkinUseBuiltIn() == 1);
    CHECK((Shot(form) == builtIn));
    CHECK(FindWindowExW(HWND_MESSAGE, nullptr, L"VelmoraSkinEngine", nullptr));  // the engine's window goes with it
    DestroyWindow(form.release());
    CHECK(!FindWindowExW(HWND_MESSAGE, nullptr, L"VelmoraSkinEngine", nullptr));
}

TEST_CASE("a load reaches another thread's skinned button, also once that thread is no longer busy, and a running fade") {
    const std::wstring swapped = WriteSkin(L"swapped", SwapRB);
    ButtonWindow here;
    SecondThread there;
    const Rgb thereBefore = test::WindowPixel(there.button, 40, 4), hotBefore = DcPixel(FaceOf(here.button, look::Hot), 40, 4);
    SendMessageW(here.button, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    REQUIRE(GetSkinProp(here.button, prop::TimerId) != 0);

    CHECK(SkinLoadFolderW(swapped.c_str()) == 1);
    CHECK(test::WindowPixel(there.button, 40, 4) == SwapRB(thereBefore));
    CHECK(DcPixel(FaceOf(here.button, look::Hot), 40, 4) == SwapRB(hotBefore));
    CHECK(WaitForFadeEnd(here.button));
    CHECK(InteriorDifferences(here.button, int(GetSkinProp(here.button, prop::OldState))) == 0);

    PostThreadMessageW(there.id, WM_APP, 0, 0);
    Sleep(100);
    CHECK(SkinUseBuiltIn() == 1);
    CHECK(test::WindowPixel(there.button, 40, 4) == SwapRB(thereBefore));  // still busy
    CHECK(test::PumpUntil([&] { return test::WindowPixel(there.button, 40, 4) == thereBefore; }, 5000));
    PostThreadMessageW(there.id, WM_QUIT, 0, 0);
    WaitForSingleObject(there.thread, 5000);
    for (HANDLE h : {there.thread, there.ready}) CloseHandle(h);
    CHECK(there.leftObjects == 0);
}

TEST_CASE("skin.ini: each key its own colour, in any case, with comments, blanks, spaces, CRLF and a byte-order mark; an empty file changes nothing") {
    SkinDefinition skin;
    ReadSkinIni("\xEF\xBB\xBF; comment\r\n# comment\r\n\r\n [ skin ] \r\nname =  暗 色 \r\n[COLORS]\r\nframecolor=0x000001\r\nDisabledFrameColor = 0x000002\r\n"
                "PressedFrameColor=0x000003\nProgressColor=0x000004\nKeyColor=0x000005\nNormalCaptionColor=0X000006\nHotCaptionColor=0x000007\n"
                "PressedCaptionColor=0x000008\nDisabledCaptionColor=0x000009\nWindowColor=0x00000a\nWindowTextColor=0xABCDEF",
                L"f", skin);
    const SkinColors& c = skin.colors;
    CHECK(skin.name == L"暗 色");
    CHECK(Pixels{c.frame, c.disabledFrame, c.pressedFrame, c.progress, c.key, c.caption[0], c.caption[1], c.caption[2], c.caption[3], c.window, c.windowText} ==
          Pixels{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0xABCDEF});
    CHECK(c.hasWindowColors);
    SkinDefinition empty;
    ReadSkinIni("", L"f", empty);
    CHECK(std::memcmp(&empty.colors, &BuiltInColors, offsetof(SkinColors, hasWindowColors)) == 0);
    CHECK(!empty.colors.hasWindowColors);
}

TEST_CASE("a load leaves COM as the thread had it: none, single-threaded or multithreaded") {
    const std::wstring folder = WriteSkin(L"raw", Same);
    for (DWORD mode : {DWORD(-1), DWORD(COINIT_APARTMENTTHREADED), DWORD(COINIT_MULTITHREADED)}) {
        CAPTURE(mode);
        if (mode != DWORD(-1)) REQUIRE(SUCCEEDED(CoInitializeEx(nullptr, mode)));
        CHECK(SkinLoadFolderW(folder.c_str()) == 1);
        const HRESULT probe = CoInitializeEx(nullptr, COINIT_MULTITHREADED);  // S_OK: none; S_FALSE: MTA; RPC_E_CHANGED_MODE: STA
        if (SUCCEEDED(probe)) CoUninitialize();
        if (mode != DWORD(-1)) CoUninitialize();
        CHECK(probe == (mode == DWORD(-1) ? S_OK : mode == COINIT_MULTITHREADED ? S_FALSE : RPC_E_CHANGED_MODE));
    }
    SkinUseBuiltIn();
}
