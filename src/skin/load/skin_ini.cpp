#include "skin/load/skin_ini.h"

#include <windows.h>

#include <cstring>
#include <string_view>

#include "skin/load/load_error.h"

namespace skin {
namespace {

struct ColorKey {
    const char* name;
    Rgb SkinColors::*field;
};

// Caption colours are elements of an array, which a pointer to member cannot name: they have a
// table of their own.
constexpr ColorKey kColorKeys[] = {
    {"FrameColor", &SkinColors::frame},
    {"DisabledFrameColor", &SkinColors::disabledFrame},
    {"PressedFrameColor", &SkinColors::pressedFrame},
    {"ProgressColor", &SkinColors::progress},
    {"KeyColor", &SkinColors::key},
    {"WindowColor", &SkinColors::window},
    {"WindowTextColor", &SkinColors::windowText},
    {"ControlColor", &SkinColors::control},
};
constexpr const char* kCaptionKeys[4] = {"NormalCaptionColor", "HotCaptionColor",
                                         "PressedCaptionColor", "DisabledCaptionColor"};

std::wstring Widen(std::string_view utf8)
{
    std::wstring wide(utf8.size(), L'\0');
    const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                      static_cast<int>(utf8.size()), wide.data(),
                                      static_cast<int>(wide.size()));
    if (n == 0 && !utf8.empty()) throw std::wstring(L"not UTF-8 text");
    wide.resize(n);
    return wide;
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, const char* b)
{
    return a.size() == std::strlen(b) && _strnicmp(a.data(), b, a.size()) == 0;
}

Rgb ParseColor(std::string_view value)
{
    Rgb color = 0;
    bool ok = value.size() == 8 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X');
    for (size_t i = 2; ok && i < 8; ++i) {
        const char c = value[i];
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
        ok = digit >= 0;
        color = color << 4 | static_cast<Rgb>(digit);
    }
    if (!ok) throw L"\"" + Widen(value) + L"\" is not a colour (write 0xRRGGBB)";
    return color;
}

// One key of a section; false when the section has no such key.
bool SetKey(std::string_view section, std::string_view key, std::string_view value,
            SkinDefinition& skin, bool& windowColorSeen, bool& windowTextSeen)
{
    if (SameName(section, "Skin")) {
        if (!SameName(key, "Name")) return false;
        skin.name = Widen(value);
        return true;
    }
    for (int i = 0; i < 4; ++i)
        if (SameName(key, kCaptionKeys[i])) return skin.colors.caption[i] = ParseColor(value), true;
    for (const ColorKey& k : kColorKeys) {
        if (!SameName(key, k.name)) continue;
        skin.colors.*k.field = ParseColor(value);
        windowColorSeen |= k.field == &SkinColors::window;
        windowTextSeen |= k.field == &SkinColors::windowText;
        return true;
    }
    return false;
}

}  // namespace

void ReadSkinIni(const std::string& bytes, const std::wstring& file, SkinDefinition& skin)
{
    if (const size_t nul = bytes.find('\0'); nul != std::string::npos)
        Refuse(file + L": not a text file (a NUL byte at offset " + std::to_wstring(nul) + L")");
    std::string_view text(bytes);
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

    std::string_view section;
    bool windowColorSeen = false, windowTextSeen = false;
    for (int line = 1; !text.empty() || line == 1; ++line) {
        const size_t end = text.find('\n');
        const std::string_view raw = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        try {
            Widen(raw);
            const std::string_view s = Trim(raw);
            if (s.empty() || s[0] == ';' || s[0] == '#') continue;
            if (s.front() == '[' && s.back() == ']') {
                section = Trim(s.substr(1, s.size() - 2));
                if (!SameName(section, "Skin") && !SameName(section, "Colors"))
                    throw L"unknown section [" + Widen(section) + L"] (the sections are [Skin] and [Colors])";
                continue;
            }
            const size_t equals = s.find('=');
            if (equals == std::string_view::npos)
                throw std::wstring(L"neither a [section], a key=value, a comment nor blank");
            if (section.empty()) throw std::wstring(L"a key before the first [section]");
            const std::string_view key = Trim(s.substr(0, equals));
            if (!SetKey(section, key, Trim(s.substr(equals + 1)), skin, windowColorSeen, windowTextSeen))
                throw L"unknown key \"" + Widen(key) + L"\" in [" + Widen(section) + L"]";
        } catch (const std::wstring& problem) {
            Refuse(file + L", line " + std::to_wstring(line) + L": " + problem);
        }
    }
    if (windowColorSeen != windowTextSeen)
        Refuse(file + L": WindowColor and WindowTextColor go together (give both or neither)");
    skin.colors.hasWindowColors = windowColorSeen;
}

}  // namespace skin
