#include "app/browser_host.h"

#include "app/browser_site.h"
#include "app/dispatch_value.h"
#include "app/error_report.h"

namespace app {

BrowserHost::BrowserHost(HWND parent, const RECT& pixels, BrowserEvents& events, REFIID eventsId)
    : site_(new BrowserSite(parent, pixels, events))
{
    try {
        SetUp(parent, pixels, eventsId);
    } catch (...) {
        TearDown();
        throw;
    }
}

BrowserHost::~BrowserHost()
{
    TearDown();
}

// Client site first (the control asks for it before anything else), in-place activation, then
// the event connection. TearDown undoes these in the opposite order.
void BrowserHost::SetUp(HWND parent, const RECT& pixels, REFIID eventsId)
{
    constexpr wchar_t failed[] = L"无法创建网页浏览器控件。";
    ThrowIfFailed(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                   reinterpret_cast<void**>(object_.Put())),
                  failed);
    ThrowIfFailed(object_->SetClientSite(site_->ClientSite()), failed);
    clientSiteSet_ = true;
    OleSetContainedObject(object_.Get(), TRUE);

    RECT rect = pixels;
    ThrowIfFailed(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_->ClientSite(), 0, parent,
                                  &rect),
                  failed);
    ThrowIfFailed(object_.As(IID_IOleInPlaceObject, inPlace_), failed);
    ThrowIfFailed(object_.As(IID_IWebBrowser2, browser_), failed);

    ComPtr<IConnectionPointContainer> points;
    ThrowIfFailed(object_.As(IID_IConnectionPointContainer, points), failed);
    ThrowIfFailed(points->FindConnectionPoint(eventsId, eventSource_.Put()), failed);
    ThrowIfFailed(eventSource_->Advise(site_->EventSink(), &adviseCookie_), failed);
}

void BrowserHost::TearDown() noexcept
{
    site_->Disconnect();
    if (eventSource_ && adviseCookie_) eventSource_->Unadvise(adviseCookie_);
    adviseCookie_ = 0;
    eventSource_.Reset();
    browser_.Reset();
    if (inPlace_) inPlace_->InPlaceDeactivate();
    inPlace_.Reset();
    if (object_) {
        object_->Close(OLECLOSE_NOSAVE);
        if (clientSiteSet_) object_->SetClientSite(nullptr);
    }
    clientSiteSet_ = false;
    object_.Reset();
    if (site_) site_->Release();
    site_ = nullptr;
}

void BrowserHost::Navigate(const std::wstring& url)
{
    const Bstr address(url);
    VARIANT none;
    VariantInit(&none);
    ThrowIfFailed(browser_->Navigate(address.Get(), &none, &none, &none, &none),
                  (L"无法打开网页：" + url).c_str());
}

std::wstring BrowserHost::LocationURL()
{
    Bstr url;
    ThrowIfFailed(browser_->get_LocationURL(url.Put()), L"无法读取当前网页的地址。");
    return url.Str();
}

std::wstring BrowserHost::LocationName()
{
    Bstr name;
    ThrowIfFailed(browser_->get_LocationName(name.Put()), L"无法读取当前网页的标题。");
    return name.Str();
}

std::wstring BrowserHost::Name()
{
    return ReadDefaultValue(browser_.Get(), L"无法读取网页浏览器控件的名称。");
}

void BrowserHost::Place(const RECT& pixels)
{
    site_->SetRect(pixels);
    ThrowIfFailed(inPlace_->SetObjectRects(&pixels, &pixels), L"无法调整网页浏览器控件的位置。");
}

HWND BrowserHost::Window()
{
    HWND window = nullptr;
    if (inPlace_) inPlace_->GetWindow(&window);
    return window;
}

bool BrowserHost::TranslateAccelerator(MSG& message)
{
    ComPtr<IOleInPlaceActiveObject> active;
    if (FAILED(object_.As(IID_IOleInPlaceActiveObject, active))) return false;
    return active->TranslateAccelerator(&message) == S_OK;
}

BrowserFactory WebBrowserFactory()
{
    return [](HWND parent, const RECT& pixels, BrowserEvents& events) -> std::unique_ptr<Browser> {
        return std::make_unique<BrowserHost>(parent, pixels, events);
    };
}

}  // namespace app
