// skin-fuzz: corrupted skin folders loaded while the skinned gallery form is up. Each folder is a
// good one (the built-in skin as skin-sheet --raw writes it, in BMP files, or the dark skin of the
// repository, in PNG files) with one file spoiled at random: bytes overwritten, the file cut short,
// bytes added, or the file replaced by random bytes. Each load must answer 1 (a change that spoiled
// nothing the skin reads) or 0 with a message that names the folder; at the end the form must
// answer, and its GDI objects must be back where they started once the built-in skin is back in use.
// A crash names the folder and the spoiled file.
//
//   skin-fuzz [FOLDERS [SEED]]      (defaults 1000 and 1)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>

#include "gallery_form.h"
#include "process_figures.h"
#include "raw_skin.h"
#include "skin/core/skin_change.h"
#include "skin/core/skinner.h"
#include "skin/draw/gdi_objects.h"

namespace {

using Folder = std::map<std::wstring, std::string>;  // file name -> bytes

std::string ReadAll(const std::wstring& path)
{
    std::string bytes;
    if (FILE* f = _wfopen(path.c_str(), L"rb")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) bytes.append(buffer, n);
        std::fclose(f);
    }
    return bytes;
}

Folder ReadFolder(const std::wstring& dir)
{
    Folder folder;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((dir + L"\\*").c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found))
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            folder[found.cFileName] = ReadAll(dir + L"\\" + found.cFileName);
    FindClose(search);
    return folder;
}

void WriteFolder(const std::wstring& dir, const Folder& folder)
{
    CreateDirectoryW(dir.c_str(), nullptr);
    for (const auto& [name, bytes] : folder)
        if (FILE* f = _wfopen((dir + L"\\" + name).c_str(), L"wb")) {
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
}

void RemoveFolder(const std::wstring& dir, const Folder& folder)
{
    for (const auto& entry : folder) DeleteFileW((dir + L"\\" + entry.first).c_str());
    RemoveDirectoryW(dir.c_str());
}

void Spoil(std::string& bytes, std::mt19937& random)
{
    const auto below = [&random](size_t n) { return n ? random() % n : 0; };
    switch (random() % 4) {
    case 0:
        for (int i = 1 + int(below(16)); i > 0 && !bytes.empty(); --i) bytes[below(bytes.size())] = char(random());
        break;
    case 1:
        bytes.resize(below(bytes.size()));
        break;
    case 2:
        for (int i = 1 + int(below(64)); i > 0; --i) bytes.insert(bytes.begin() + long(below(bytes.size() + 1)), char(random()));
        break;
    default:
        bytes.resize(below(2048));
        for (char& c : bytes) c = char(random());
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const long folders = argc > 1 ? std::wcstol(argv[1], nullptr, 10) : 1000;
    std::mt19937 random(argc > 2 ? std::wcstoul(argv[2], nullptr, 10) : 1);

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring raw = std::wstring(temp) + L"skin-fuzz 原", work = std::wstring(temp) + L"skin-fuzz 坏";
    skin::SkinImageSet set;
    skin::BuildSkinImageSet(set);
    WriteRawSkin(raw, set, skin::BuiltInColors);
    skin::ReleaseSkinImageSet(set);
    const Folder good[2] = {ReadFolder(raw), ReadFolder(L"" DARK_SKIN)};
    RemoveFolder(raw, good[0]);
    if (good[0].size() != 6 || good[1].size() != 6) {
        std::fprintf(stderr, "skin-fuzz: the good folders are not there\n");
        return 2;
    }

    const long objectsBefore = skin::gdi::LiveObjectCount();
    gallery::Options options;
    options.openModalWindows = false;
    HWND form = gallery::CreateGalleryForm(GetModuleHandleW(nullptr), options);
    skin::SkinWindow(form);
    gallery::ShowGalleryForm(form, SW_SHOWNORMAL);
    const long objectsShown = skin::gdi::LiveObjectCount();

    long loaded = 0, failures = 0;
    for (long i = 0; i < folders; ++i) {
        Folder folder = good[i % 2];
        auto file = folder.begin();
        std::advance(file, random() % folder.size());
        Spoil(file->second, random);
        WriteFolder(work, folder);
        std::fprintf(stderr, "\rskin-fuzz: folder %ld, %ls spoiled", i, file->first.c_str());
        if (skin::SkinLoadFolderW(work.c_str())) {
            ++loaded;
        } else {
            wchar_t message[1024];
            skin::SkinGetLastErrorW(message, 1024);
            if (std::wstring(message).rfind(work, 0) != 0) {
                std::fprintf(stderr, "\nskin-fuzz: folder %ld: the message names no folder: %ls\n", i, message);
                ++failures;
            }
        }
        RemoveFolder(work, folder);
        bench::DrainMessages();
    }
    skin::SkinUseBuiltIn();
    const long objectsEnd = skin::gdi::LiveObjectCount();
    const bool answers = SendMessageTimeoutW(form, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr) != 0;
    DestroyWindow(form);
    std::printf("\nskin-fuzz: %ld folders, %ld loaded, %ld refused; GDI objects %ld with the form up, %ld at the end, "
                "%ld before the form and %ld after it\n",
                folders, loaded, folders - loaded, objectsShown, objectsEnd, objectsBefore, skin::gdi::LiveObjectCount());
    failures += !answers + (objectsEnd != objectsShown) + (skin::gdi::LiveObjectCount() != objectsBefore);
    return failures ? 1 : 0;
}
