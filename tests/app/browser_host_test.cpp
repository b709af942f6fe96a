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
#include "app/error_report.h"
#include "support/test_window.h"

namespace {

struct RecordingEvents final : app::BrowserEvents {
    std::vector<std::wstring> names;
    void DocumentComplete(app::BrowserObject& source) noexcept override
    {
        try {
            names.push_back(source.Name());
        } catch (const app::AppError&) {
            names.push_back(L"<failed>");
        }
    }
};

// A frame's browser object, whose default value is its Name.
struct Frame final : IDispatch {
    STDMETHODIMP QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override
    {
        if (id != DISPID_VALUE) return DISP_E_MEMBERNOTFOUND;
        V_VT(result) = VT_BSTR;
        V_BSTR(result) = SysAllocString(L"frame-ad");
        return S_OK;
    }
};

}  // namespace

TEST_CASE("the hosted control: placement, Name and navigation")
{
    REQUIRE(SUCCEEDED(OleInitialize(nullptr)));
    test::Window parent = test::MakeTopLevel(L"BrowserHostTest", 0, 0, 400, 300);
    RecordingEvents events;
    {
        app::BrowserHost host(parent, RECT{0, 0, 200, 100}, events);
        REQUIRE(GetParent(host.Window()) == parent.get());
        CHECK(test::RectInParent(host.Window()).right == 200);
        host.Place(RECT{0, 0, 420, 330});
        const RECT r = test::RectInParent(host.Window());
        CHECK((r.left == 0 && r.top == 0 && r.right == 420 && r.bottom == 330));
        const std::wstring name = host.Name();
        CHECK_FALSE(name.empty());
        CHECK(host.Name() == name);
        host.Navigate(L"about:blank");
        CHECK(test::PumpUntil([&] { return host.LocationURL() == L"about:blank"; }, 10000));
    }
    CHECK(GetWindow(parent, GW_CHILD) == nullptr);  // nothing of the control is left
    OleUninitialize();
}

TEST_CASE("the event sink passes on DocumentComplete with its browser object, and nothing else")
{
    RecordingEvents events;
    auto* site = new app::BrowserSite(nullptr, RECT{}, events);
    IDispatch* sink = nullptr;
    REQUIRE(site->QueryInterface(DIID_DWebBrowserEvents2, reinterpret_cast<void**>(&sink)) == S_OK);
    Frame object;
    IDispatch* frame = &object;
    // Raises an event as the control does: arguments last first, (browser object, address).
    auto raise = [&](DISPID event, VARTYPE type) {
        VARIANT args[2]{};
        V_VT(&args[1]) = type;
        if (type == VT_DISPATCH) V_DISPATCH(&args[1]) = frame;
        if (type == (VT_DISPATCH | VT_BYREF)) V_DISPATCHREF(&args[1]) = &frame;
        DISPPARAMS params{args, nullptr, 2, 0};
        return sink->Invoke(event, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    };
    CHECK(raise(DISPID_DOCUMENTCOMPLETE, VT_DISPATCH) == S_OK);
    CHECK(raise(DISPID_DOCUMENTCOMPLETE, VT_DISPATCH | VT_BYREF) == S_OK);
    CHECK(raise(DISPID_DOCUMENTCOMPLETE, VT_EMPTY) == S_OK);  // no object: reading its Name fails
    CHECK(raise(DISPID_NAVIGATECOMPLETE2, VT_DISPATCH) == DISP_E_MEMBERNOTFOUND);
    CHECK(raise(DISPID_BEFORENAVIGATE2, VT_DISPATCH) == DISP_E_MEMBERNOTFOUND);
    CHECK(events.names == std::vector<std::wstring>{L"frame-ad", L"frame-ad", L"<failed>"});
    site->Disconnect();  // the window is going away
    CHECK(raise(DISPID_DOCUMENTCOMPLETE, VT_DISPATCH) == S_OK);
    CHECK(events.names.size() == 3);
    sink->Release();
    site->Release();
}
