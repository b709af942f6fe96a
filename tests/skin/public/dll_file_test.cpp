// velmora-skin.dll read as a file, the way a linker or another language sees it.
#include <doctest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "velmora_version.h"

namespace {

// The export and import tables of a PE file (32- or 64-bit), read from its bytes.
struct PeFile {
    std::vector<char> bytes;

    template <class T> const T& At(DWORD offset) const { return *reinterpret_cast<const T*>(&bytes.at(offset)); }
    DWORD Nt() const { return At<IMAGE_DOS_HEADER>(0).e_lfanew; }
    const IMAGE_DATA_DIRECTORY& Directory(int index) const
    {
        const bool pe64 = At<IMAGE_NT_HEADERS32>(Nt()).OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC;
        return pe64 ? At<IMAGE_NT_HEADERS64>(Nt()).OptionalHeader.DataDirectory[index]
                    : At<IMAGE_NT_HEADERS32>(Nt()).OptionalHeader.DataDirectory[index];
    }
    DWORD Offset(DWORD rva) const  // through the section that holds the address
    {
        const auto& file = At<IMAGE_FILE_HEADER>(Nt() + 4);
        DWORD header = Nt() + 4 + sizeof file + file.SizeOfOptionalHeader;
        for (int i = 0; i < file.NumberOfSections; ++i, header += sizeof(IMAGE_SECTION_HEADER)) {
            const auto& section = At<IMAGE_SECTION_HEADER>(header);
            if (rva - section.VirtualAddress < section.Misc.VirtualSize) return rva - section.VirtualAddress + section.PointerToRawData;
        }
        throw std::out_of_range("address outside every section");
    }
    std::string Text(DWORD rva) const { return &At<char>(Offset(rva)); }
};

}  // namespace

TEST_CASE("velmora-skin.dll exports exactly the three entry points by their plain names, and no C++ runtime DLL")
{
    std::ifstream file(SKIN_DLL, std::ios::binary);
    const PeFile dll{{std::istreambuf_iterator<char>(file), {}}};
    const auto& exports = dll.At<IMAGE_EXPORT_DIRECTORY>(dll.Offset(dll.Directory(IMAGE_DIRECTORY_ENTRY_EXPORT).VirtualAddress));
    std::vector<std::string> names;
    for (DWORD i = 0; i < exports.NumberOfNames; ++i)
        names.push_back(dll.Text(dll.At<DWORD>(dll.Offset(exports.AddressOfNames) + 4 * i)));
    CHECK(exports.NumberOfFunctions == 3);
    CHECK(names == std::vector<std::string>{"AttachSkin", "DetachSkin", "SkinWindow"});

    std::vector<std::string> imports;
    DWORD entry = dll.Offset(dll.Directory(IMAGE_DIRECTORY_ENTRY_IMPORT).VirtualAddress);
    for (; dll.At<IMAGE_IMPORT_DESCRIPTOR>(entry).Name; entry += sizeof(IMAGE_IMPORT_DESCRIPTOR))
        imports.push_back(dll.Text(dll.At<IMAGE_IMPORT_DESCRIPTOR>(entry).Name));
    CHECK(imports.size() >= 4);  // user32, gdi32, msimg32, kernel32 at least: the table was read
    for (const std::string& name : imports) {
        INFO(name);
        CHECK(name.rfind("lib", 0) != 0);  // libstdc++-6.dll, libgcc_s_*.dll, libwinpthread-1.dll
    }
}

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
