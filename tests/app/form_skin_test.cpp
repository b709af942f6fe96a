// The launcher window carries the skin from its load handler to its destruction.
#include <doctest.h>

#include <vector>

#include "launcher_fixture.h"
#include "skin/core/skinner.h"
#include "skin/core/window_props.h"
#include "skin/draw/gdi_objects.h"

namespace {

BOOL CALLBACK CollectChild(HWND w, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
    return TRUE;
}

std::vector<HWND> Descendants(HWND w)
{
    std::vector<HWND> all;
    EnumChildWindows(w, CollectChild, reinterpret_cast<LPARAM>(&all));
    return all;
}

}  // namespace

TEST_CASE("Form1 is skinned with everything in it at load, and the skin goes with the window")
{
    REQUIRE(skin::SkinnedWindowCount() == 0);
    const long gdiBefore = skin::gdi::LiveObjectCount();
    {
        test::Launcher l;
        const std::vector<HWND> children = Descendants(l.hwnd());
        REQUIRE(children.size() >= 3);  // two buttons and the browser's window
        CHECK(skin::SkinnedWindowCount() == static_cast<long>(children.size()) + 1);
        CHECK(skin::GetSkinProp(l.hwnd(), skin::prop::ProcAddr) != 0);
        for (HWND c : children) CHECK(skin::GetSkinProp(c, skin::prop::ProcAddr) != 0);

        for (HWND b : {l.form.Command1(), l.form.Command2()}) {
            for (int i = 0; i < 4; ++i)
                CHECK(GetObjectType(reinterpret_cast<HDC>(
                          skin::GetSkinProp(b, skin::prop::FaceDc[i]))) == OBJ_MEMDC);
            HRGN rgn = CreateRectRgn(0, 0, 0, 0);
            CHECK(GetWindowRgn(b, rgn) == COMPLEXREGION);
            DeleteObject(rgn);
        }

        // The portal look: the buttons shown over the browser in their normal skin face.
        l.browser->Load(L"http://portal.test/game.php", L"Game");
        REQUIRE(IsWindowVisible(l.form.Command1()));
        UpdateWindow(l.hwnd());
        RedrawWindow(l.form.Command1(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const auto face = reinterpret_cast<HDC>(skin::GetSkinProp(l.form.Command1(), skin::prop::FaceDc[0]));
        CHECK(test::WindowPixel(l.form.Command1(), 1, 10) == test::DcPixel(face, 1, 10));

        SendMessageW(l.hwnd(), WM_CLOSE, 0, 0);
        CHECK_FALSE(IsWindow(l.hwnd()));
    }
    CHECK(skin::SkinnedWindowCount() == 0);
    CHECK_FALSE(skin::SkinInitialized());
    CHECK(skin::gdi::LiveObjectCount() == gdiBefore);
}
