#include "raw_skin.h"

#include <cstdio>

#include "pixels.h"
#include "skin/draw/skin_image_tables.h"

std::string SkinIniText(const std::string& name, const skin::SkinColors& colors)
{
    std::string text = "[Skin]\r\nName=" + name + "\r\n\r\n[Colors]\r\n";
    const auto line = [&text](const char* key, skin::Rgb color) {
        char value[16];
        std::snprintf(value, sizeof value, "0x%06X", static_cast<unsigned>(color));
        text += std::string(key) + "=" + value + "\r\n";
    };
    line("FrameColor", colors.frame);
    line("DisabledFrameColor", colors.disabledFrame);
    line("PressedFrameColor", colors.pressedFrame);
    line("ProgressColor", colors.progress);
    line("KeyColor", colors.key);
    line("ControlColor", colors.control);
    const char* captions[4] = {"NormalCaptionColor", "HotCaptionColor", "PressedCaptionColor",
                               "DisabledCaptionColor"};
    for (int i = 0; i < 4; ++i) line(captions[i], colors.caption[i]);
    if (colors.hasWindowColors) {
        line("WindowColor", colors.window);
        line("WindowTextColor", colors.windowText);
    }
    return text;
}

namespace {

Picture Enlarged(const Picture& image, int factor)
{
    Picture large{image.width * factor, image.height * factor, {}};
    for (int y = 0; y < large.height; ++y)
        for (int x = 0; x < large.width; ++x) large.pixels.push_back(image.at(x / factor, y / factor));
    return large;
}

}  // namespace

bool WriteRawSkin(const std::wstring& folder, const skin::SkinImageSet& images,
                  const skin::SkinColors& colors, int factor)
{
    CreateDirectoryW(folder.c_str(), nullptr);
    bool written = true;
    for (const skin::SkinImageTable& t : skin::SkinImageTables) {
        const std::wstring name(t.name, t.name + std::char_traits<char>::length(t.name));
        written &= WriteBmp(folder + L"\\" + name + L".bmp",
                            Enlarged(ReadPicture(images.*t.surface, t.width, t.height), factor));
    }
    const std::string ini = SkinIniText("Velmora", colors);
    FILE* file = _wfopen((folder + L"\\skin.ini").c_str(), L"wb");
    written &= file && std::fwrite(ini.data(), 1, ini.size(), file) == ini.size();
    if (file) written &= std::fclose(file) == 0;
    return written;
}
