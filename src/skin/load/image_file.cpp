#include "skin/load/image_file.h"

#include <windows.h>

#include <wincodec.h>

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

void AcceptImageSize(const std::wstring& file, unsigned fileWidth, unsigned fileHeight, int width,
                     int height)
{
    if (fileWidth == static_cast<unsigned>(width) && fileHeight == static_cast<unsigned>(height))
        return;
    const std::wstring size = std::to_wstring(fileWidth) + L" x " + std::to_wstring(fileHeight);
    const std::wstring builtIn = std::to_wstring(width) + L" x " + std::to_wstring(height);
    for (unsigned scale : {2u, 3u})
        if (fileWidth == scale * width && fileHeight == scale * height)
            Refuse(file + L": " + size + L" pixels is a picture for high DPI (" +
                   std::to_wstring(scale) + L"x), which this skin engine does not draw yet; it must be " +
                   builtIn);
    Refuse(file + L": the image is " + size + L" pixels; it must be " + builtIn);
}

std::vector<Rgb> DecodeSkinImage(const std::string& bytes, ImageFormat format,
                                 const std::wstring& file, int width, int height, Rgb key)
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
    AcceptImageSize(file, w, h, width, height);

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
    std::vector<Rgb> pixels;
    pixels.reserve(bgra.size());
    for (std::uint32_t p : bgra) pixels.push_back(p >> 24 ? p & 0xFFFFFF : key);
    return pixels;
}

}  // namespace skin
