#include "skin/load/skin_folder.h"

#include <windows.h>

#include <cstring>
#include <cwctype>
#include <utility>

#include "skin/draw/skin_image_tables.h"
#include "skin/load/image_file.h"
#include "skin/load/load_error.h"
#include "skin/load/skin_ini.h"

namespace skin {
namespace {

// Larger files are refused unread: the largest image a skin may hold is some 20 kilobytes even as
// an uncompressed BMP at 3x, and skin.ini a few lines.
constexpr DWORD kMaxImageBytes = 1 << 20;
constexpr DWORD kMaxIniBytes = 64 << 10;

std::wstring Widen(const char* ascii)
{
    return std::wstring(ascii, ascii + std::strlen(ascii));
}

std::wstring Lower(std::wstring s)
{
    for (wchar_t& c : s) c = static_cast<wchar_t>(std::towlower(c));
    return s;
}

std::wstring SystemMessage(DWORD error)
{
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    std::wstring message = text ? text : L"";
    LocalFree(text);
    while (!message.empty() && std::iswspace(message.back())) message.pop_back();
    return L"system error " + std::to_wstring(error) + (message.empty() ? L"" : L": " + message);
}

std::string ReadWholeFile(const std::wstring& path, DWORD limit)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) Refuse(path + L": missing");
        Refuse(path + L": cannot be read (" + SystemMessage(error) + L")");
    }
    LARGE_INTEGER size{};
    std::string bytes;
    const bool known = GetFileSizeEx(file, &size) != 0;
    const bool sized = known && size.QuadPart <= limit;
    DWORD read = 0;
    if (sized) bytes.resize(static_cast<size_t>(size.QuadPart));
    const bool ok = sized && ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read,
                                      nullptr) && read == bytes.size();
    const DWORD error = GetLastError();
    CloseHandle(file);
    if (known && !sized)
        Refuse(path + L": " + std::to_wstring(size.QuadPart) + L" bytes, more than a skin's file may have (" +
               std::to_wstring(limit) + L")");
    if (!ok) Refuse(path + L": cannot be read (" + SystemMessage(error) + L")");
    return bytes;
}

// Which of the five images each file of the folder is, and in which format: every .png or .bmp
// file must be one of them, and each only once.
std::array<std::wstring, 5> FindImageFiles(const std::wstring& folder)
{
    std::array<std::wstring, 5> files;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) Refuse(folder + L": cannot be listed (" + SystemMessage(GetLastError()) + L")");
    std::wstring problem;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const std::wstring name = found.cFileName;
        const std::wstring lower = Lower(name);
        if (lower.size() < 4 || (lower.substr(lower.size() - 4) != L".png" && lower.substr(lower.size() - 4) != L".bmp"))
            continue;
        size_t i = 0;
        while (i < files.size() && Lower(Widen(SkinImageTables[i].name)) + lower.substr(lower.size() - 4) != lower) ++i;
        if (i == files.size())
            problem = folder + L"\\" + name +
                      L": not one of the five skin images (ButtonFaceImage, DropButtonImage, "
                      L"CheckGlyphImage, OptionCircleImage, HeaderItemImage, each .png or .bmp)";
        else if (!files[i].empty())
            problem = folder + L"\\" + name + L": " + files[i] + L" is there too; keep one of the two";
        else
            files[i] = name;
    } while (problem.empty() && FindNextFileW(search, &found));
    FindClose(search);
    if (!problem.empty()) Refuse(problem);
    for (size_t i = 0; i < files.size(); ++i)
        if (files[i].empty())
            Refuse(folder + L"\\" + Widen(SkinImageTables[i].name) + L".png (or .bmp): missing");
    return files;
}

}  // namespace

std::shared_ptr<SkinDefinition> ReadSkinFolder(std::wstring folder)
{
    while (folder.size() > 1 && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) Refuse(folder + L": no such folder");
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) Refuse(folder + L": not a folder");

    auto skin = std::make_shared<SkinDefinition>();
    const std::array<std::wstring, 5> files = FindImageFiles(folder);
    const std::wstring ini = folder + L"\\skin.ini";
    ReadSkinIni(ReadWholeFile(ini, kMaxIniBytes), ini, *skin);
    for (size_t i = 0; i < files.size(); ++i) {
        const std::wstring path = folder + L"\\" + files[i];
        const ImageFormat format = Lower(files[i]).back() == L'g' ? ImageFormat::Png : ImageFormat::Bmp;
        const SkinImageTable& table = SkinImageTables[i];
        DecodedImage image = DecodeSkinImage(ReadWholeFile(path, kMaxImageBytes), format, path,
                                             table.width, table.height, skin->colors.key);
        skin->factor[i] = image.factor;
        if (image.factor == 1) {
            skin->images[i] = std::move(image.pixels);
            continue;
        }
        skin->images[i] = ReduceSkinPicture(image.pixels, table.width, table.height, image.factor,
                                            skin->colors.key);
        skin->large[i] = std::move(image.pixels);
    }
    return skin;
}

}  // namespace skin
