#include "skin/load/image_file.h"

#include <windows.h>

#include <wincodec.h>

#include <algorithm>

#include "skin/load/load_error.h"

namespace skin {
namespace {

// Holds one COM interface and releases it.
template <class T>
class ComRef {
public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef()
    {
        if (p_) p_->Release();
    }
    T* operator->() const { return p_; }
    T* get() const { return p_; }
    T** out() { return &p_; }

private:
    T* p_ = nullptr;
};

// COM for the length of a decode. A thread that has COM already, in either apartment, keeps it
// (an apartment of the other kind answers RPC_E_CHANGED_MODE, and COM works as the thread has
// it); a thread without COM has it only until the decode ends.
class ComForThisCall {
public:
    ComForThisCall() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ComForThisCall(const ComForThisCall&) = delete;
    ComForThisCall& operator=(const ComForThisCall&) = delete;
    ~ComForThisCall()
    {
        if (SUCCEEDED(hr_)) CoUninitialize();
    }

private:
    HRESULT hr_;
};

const wchar_t* FormatName(ImageFormat format)
{
    return format == ImageFormat::Png ? L"PNG" : L"BMP";
}

}  // namespace

int AcceptImageSize(const std::wstring& file, unsigned fileWidth, unsigned fileHeight, int width,
                    int height)
{
    for (unsigned factor : {1u, 2u, 3u})
        if (fileWidth == factor * width && fileHeight == factor * height) return static_cast<int>(factor);
    const auto size = [](unsigned w, unsigned h) { return std::to_wstring(w) + L" x " + std::to_wstring(h); };
    Refuse(file + L": the image is " + size(fileWidth, fileHeight) + L" pixels; it must be " +
           size(width, height) + L", or 2 or 3 times that for high DPI (" + size(2 * width, 2 * height) +
           L" or " + size(3 * width, 3 * height) + L")");
}

// The most frequent colour rather than the average: an average would mix the key colour into
// every glyph's edge (a fringe of it at 96 DPI) and make colours the skin's author never drew,
// while the majority keeps the edges clean and gives back exactly the image a picture was
// enlarged from pixel by pixel. Ties go to the colour met first, from the block's top left.
std::vector<Rgb> ReduceSkinPicture(const std::vector<Rgb>& picture, int width, int height,
                                   int factor, Rgb key)
{
    std::vector<Rgb> image;
    image.reserve(static_cast<size_t>(width) * height);
    std::vector<Rgb> block;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            block.clear();
            for (int v = 0; v < factor; ++v)
                for (int u = 0; u < factor; ++u)
                    block.push_back(picture[static_cast<size_t>(y * factor + v) * width * factor + x * factor + u]);
            const auto count = [&block](Rgb c) { return std::count(block.begin(), block.end(), c); };
            Rgb best = key;
            if (2 * count(key) <= std::ssize(block))
                for (Rgb c : block)
                    if (c != key && (best == key || count(c) > count(best))) best = c;
            image.push_back(best);
        }
    return image;
}

DecodedImage DecodeSkinImage(const std::string& bytes, ImageFormat format, const std::wstring& file,
                             int width, int height, Rgb key)
{
    ComForThisCall com;
    ComRef<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(factory.out()))))
        Refuse(file + L": the system's imaging component (WIC) is not available");

    const std::wstring corrupt = file + L": not a readable " + FormatName(format) + L" image";
    ComRef<IWICStream> stream;
    ComRef<IWICBitmapDecoder> decoder;
    GUID container{};
    if (FAILED(factory->CreateStream(stream.out())) ||
        FAILED(stream->InitializeFromMemory(
            reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())), static_cast<DWORD>(bytes.size()))) ||
        FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                                decoder.out())) ||
        FAILED(decoder->GetContainerFormat(&container)))
        Refuse(corrupt);
    if (container != (format == ImageFormat::Png ? GUID_ContainerFormatPng : GUID_ContainerFormatBmp))
        Refuse(file + L": not a " + FormatName(format) + L" image, though its name says so");

    ComRef<IWICBitmapFrameDecode> frame;
    UINT w = 0, h = 0;
    if (FAILED(decoder->GetFrame(0, frame.out())) || FAILED(frame->GetSize(&w, &h))) Refuse(corrupt);
    DecodedImage image;
    image.factor = AcceptImageSize(file, w, h, width, height);
    width *= image.factor;
    height *= image.factor;

    ComRef<IWICFormatConverter> converter;
    std::vector<std::uint32_t> bgra(static_cast<size_t>(width) * height);
    if (FAILED(factory->CreateFormatConverter(converter.out())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(bgra.size() * 4),
                                     reinterpret_cast<BYTE*>(bgra.data()))))
        Refuse(corrupt);
    // A BGRA pixel read as one little-endian number is 0xAARRGGBB.
    image.pixels.reserve(bgra.size());
    for (std::uint32_t p : bgra) image.pixels.push_back(p >> 24 ? p & 0xFFFFFF : key);
    return image;
}

}  // namespace skin
