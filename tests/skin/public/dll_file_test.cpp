// launcher.exe and velmora-skin.dll read as Windows reads their version.
#include <doctest.h>
#include <windows.h>

#include <vector>

#include "velmora_version.h"

TEST_CASE("launcher.exe and velmora-skin.dll carry the project's version")
{
    const WORD expected[] = {VELMORA_VERSION_NUMBERS};
    for (const wchar_t* file : {L"" SKIN_DLL, L"" LAUNCHER_EXE}) {
        std::vector<char> info(GetFileVersionInfoSizeW(file, nullptr));
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT size = 0;
        REQUIRE(GetFileVersionInfoW(file, 0, static_cast<DWORD>(info.size()), info.data()));
        REQUIRE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
        const WORD got[] = {HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                            HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS)};
        CHECK(std::vector<WORD>(got, got + 4) == std::vector<WORD>(expected, expected + 4));
    }
}
