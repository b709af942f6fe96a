#include "pixels.h"

#include <cstdint>

BITMAPINFO TopDown32(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

Picture ReadPicture(HDC dc, int width, int height)
{
    Picture picture{width, height, {}};
    picture.pixels.resize(static_cast<size_t>(width) * height);
    const BITMAPINFO info = TopDown32(width, height);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC copy = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(copy, dib);
    BitBlt(copy, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    if (bits) {
        const auto* p = static_cast<const std::uint32_t*>(bits);
        for (size_t i = 0; i < picture.pixels.size(); ++i) picture.pixels[i] = p[i] & 0xFFFFFF;
    }
    SelectObject(copy, old);
    DeleteDC(copy);
    DeleteObject(dib);
    return picture;
}

bool WriteBmp(const std::wstring& path, const Picture& picture)
{
    const int stride = (picture.width * 3 + 3) & ~3;
    const DWORD imageSize = static_cast<DWORD>(stride) * picture.height;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + imageSize;
    header.biSize = sizeof header;
    header.biWidth = picture.width;
    header.biHeight = picture.height;  // bottom row first
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = imageSize;

    std::vector<unsigned char> data;
    data.reserve(file.bfSize);
    auto append = [&data](const void* p, size_t n) {
        const auto* b = static_cast<const unsigned char*>(p);
        data.insert(data.end(), b, b + n);
    };
    append(&file, sizeof file);
    append(&header, sizeof header);
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const skin::Rgb c = picture.at(x, y);
            const unsigned char bgr[3] = {static_cast<unsigned char>(c & 0xFF),
                                          static_cast<unsigned char>((c >> 8) & 0xFF),
                                          static_cast<unsigned char>((c >> 16) & 0xFF)};
            append(bgr, 3);
        }
        data.resize(data.size() + (stride - picture.width * 3), 0);
    }

    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(f, data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
    CloseHandle(f);
    return ok && written == data.size();
}
