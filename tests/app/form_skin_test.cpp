// The launcher window carries the skin from its load handler to its destruction.
#include <doctest.h>

#include "launcher_fixture.h"
#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/draw/gdi_objects.h"

namespace {

BOOL CALLBACK Collect(HWND w, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
    return TRUE;
}

}  // namespace

TEST_CASE("Form1 is skinned with everything in it at load, and the skin goes with the window")
{
    REQUIRE(skin::SkinnedWindowCount() == 0);
    const long gdiBefore = skin::gdi::LiveObjectCount();
    {
        test::Launcher l;
        std::vector<HWND> all{l.hwnd()};
        EnumChildWindows(l.hwnd(), Collect, reinterpret_cast<LPARAM>(&all));
        REQUIRE(all.size() >= 4);  // the window, two buttons and the browser's window
        CHECK(skin::SkinnedWindowCount() == static_cast<long>(all.size()));
        for (HWND w : all) CHECK(skin::GetSkinProp(w, skin::prop::ProcAddr) != 0);
        // The portal look: the buttons shown over the browser in their normal face.
        l.browser->Load(L"http://portal.test/game.php", L"Game");
        REQUIRE(IsWindowVisible(l.form.Command1()));
        UpdateWindow(l.hwnd());
        RedrawWindow(l.form.Command1(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const auto face = reinterpret_cast<HDC>(skin::GetSkinProp(l.form.Command1(), skin::prop::FaceDc[0]));
        REQUIRE(GetObjectType(face) == OBJ_MEMDC);
        CHECK(test::WindowPixel(l.form.Command1(), 1, 10) == test::DcPixel(face, 1, 10));
        SendMessageW(l.hwnd(), WM_CLOSE, 0, 0);
    }
    CHECK(skin::SkinnedWindowCount() == 0);
    CHECK_FALSE(skin::SkinInitialized());
    CHECK(skin::gdi::LiveObjectCount() == gdiBefore);
}
