// The real OLE container around the platform's web-browser control, and its event sink.
#include <windows.h>
#include <exdisp.h>
#include <exdispid.h>
#include <ole2.h>

#include <doctest.h>

#include <string>
#include <vector>

#include "app/browser_host.h"
#include "app/browser_site.h"
#include "support/test_window.h"

namespace {

struct OleSession {
    OleSession() { REQUIRE(SUCCEEDED(OleInitialize(nullptr))); }
    ~OleSession() { OleUninitialize(); }
};

struct RecordingEvents final : app::BrowserEvents {
    std::vector<std::wstring> names;
    void DocumentComplete(app::BrowserObject& source) noexcept override
    {
        try {
            names.push_back(source.Name());
        } catch (...) {
            names.push_back(L"<failed>");
        }
    }
};

// An automation object whose default value is a given text, standing in for a frame's browser.
class NamedObject final : public IDispatch {
public:
    explicit NamedObject(const wchar_t* name) : name_(name) {}
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override
    {
        if (iid != IID_IUnknown && iid != IID_IDispatch) return *out = nullptr, E_NOINTERFACE;
        *out = this;
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetTypeInfoCount(UINT* n) override { return *n = 0, S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                        UINT*) override
    {
        if (id != DISPID_VALUE || !(flags & DISPATCH_PROPERTYGET) || !result) return DISP_E_MEMBERNOTFOUND;
        V_VT(result) = VT_BSTR;
        V_BSTR(result) = SysAllocString(name_);
        return S_OK;
    }

private:
    const wchar_t* name_;
};

// Raises an event on the sink the way the control does: arguments last first.
HRESULT Raise(IDispatch* sink, DISPID id, VARIANT browserObject)
{
    VARIANT address;
    VariantInit(&address);
    VARIANT args[2] = {address, browserObject};
    DISPPARAMS params{args, nullptr, 2, 0};
    return sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr,
                        nullptr);
}

VARIANT ByValue(IDispatch* object)
{
    VARIANT v;
    V_VT(&v) = VT_DISPATCH;
    V_DISPATCH(&v) = object;
    return v;
}

}  // namespace

TEST_CASE("the hosted web-browser control")
{
    OleSession ole;
    test::Window parent = test::MakeTopLevel(L"BrowserHostTest", 0, 0, 400, 300);
    RecordingEvents events;
    {
        app::BrowserHost host(parent, RECT{0, 0, 200, 100}, events);
        HWND control = host.Window();
        REQUIRE(control != nullptr);
        CHECK(GetParent(control) == parent.get());
        RECT r = test::RectInParent(control);
        CHECK(r.right - r.left == 200);

        host.Place(RECT{0, 0, 420, 330});
        r = test::RectInParent(control);
        CHECK(r.left == 0);
        CHECK(r.top == 0);
        CHECK(r.right == 420);
        CHECK(r.bottom == 330);

        // The default value of the control's browser object is its Name.
        const std::wstring name = host.Name();
        CHECK_FALSE(name.empty());
        CHECK(host.Name() == name);

        host.Navigate(L"about:blank");
        CHECK(test::PumpUntil([&] { return host.LocationURL() == L"about:blank"; }, 10000));
        CHECK_NOTHROW(host.LocationName());
    }
    // Taken down with the host: no window of the control is left.
    CHECK(GetWindow(parent, GW_CHILD) == nullptr);
}

TEST_CASE("the event sink passes DocumentComplete on with the event's browser object")
{
    RecordingEvents events;
    auto* site = new app::BrowserSite(nullptr, RECT{}, events);
    IDispatch* sink = nullptr;
    REQUIRE(site->QueryInterface(DIID_DWebBrowserEvents2, reinterpret_cast<void**>(&sink)) == S_OK);
    NamedObject frame(L"frame-ad");

    SUBCASE("the browser object, by value or by reference")
    {
        CHECK(Raise(sink, DISPID_DOCUMENTCOMPLETE, ByValue(&frame)) == S_OK);
        IDispatch* reference = &frame;
        VARIANT byRef;
        V_VT(&byRef) = VT_DISPATCH | VT_BYREF;
        V_DISPATCHREF(&byRef) = &reference;
        CHECK(Raise(sink, DISPID_DOCUMENTCOMPLETE, byRef) == S_OK);
        CHECK(events.names == std::vector<std::wstring>{L"frame-ad", L"frame-ad"});
    }
    SUBCASE("other events are left alone")
    {
        CHECK(Raise(sink, DISPID_NAVIGATECOMPLETE2, ByValue(&frame)) == DISP_E_MEMBERNOTFOUND);
        CHECK(Raise(sink, DISPID_BEFORENAVIGATE2, ByValue(&frame)) == DISP_E_MEMBERNOTFOUND);
        CHECK(events.names.empty());
    }
    SUBCASE("no object: the handler's read fails inside the handler")
    {
        CHECK(Raise(sink, DISPID_DOCUMENTCOMPLETE, ByValue(nullptr)) == S_OK);
        CHECK(events.names == std::vector<std::wstring>{L"<failed>"});
    }
    SUBCASE("after disconnecting, nothing is passed on")
    {
        site->Disconnect();
        CHECK(Raise(sink, DISPID_DOCUMENTCOMPLETE, ByValue(&frame)) == S_OK);
        CHECK(events.names.empty());
    }
    sink->Release();
    site->Release();
}
