#pragma once
// The container side of the hosted browser control: one reference-counted site whose small
// parts (client site, in-place site, in-place frame, event sink) each hand QueryInterface,
// AddRef and Release to it.
#include <windows.h>
#include <ole2.h>
#include <oleidl.h>

#include "app/browser.h"

namespace app {

class BrowserSite {
public:
    // Starts with one reference, the creator's.
    BrowserSite(HWND parent, const RECT& pixels, BrowserEvents& events);

    HRESULT QueryInterface(REFIID iid, void** out);
    ULONG AddRef();
    ULONG Release();

    IOleClientSite* ClientSite() { return &client_; }
    IDispatch* EventSink() { return &sink_; }

    // Where the control is to be, in the parent's client pixels.
    const RECT& Rect() const { return rect_; }
    void SetRect(const RECT& pixels) { rect_ = pixels; }
    // After this, events are no longer passed on (the window is going away).
    void Disconnect() { events_ = nullptr; }

    // Sites not yet freed: the control and the host hold references to a site, and a host that
    // is not taken down whole leaves its site behind.
    static LONG LiveCount() { return live_; }

private:
    ~BrowserSite() { InterlockedDecrement(&live_); }

    // Each part is one interface of the site; their IUnknown is the site's.
    template <class Interface>
    struct Part : Interface {
        BrowserSite& site;
        explicit Part(BrowserSite& s) : site(s) {}
        STDMETHODIMP QueryInterface(REFIID iid, void** out) override
        {
            return site.QueryInterface(iid, out);
        }
        STDMETHODIMP_(ULONG) AddRef() override { return site.AddRef(); }
        STDMETHODIMP_(ULONG) Release() override { return site.Release(); }
    };

    struct ClientSitePart final : Part<IOleClientSite> {
        using Part::Part;
        STDMETHODIMP SaveObject() override;
        STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** out) override;
        STDMETHODIMP GetContainer(IOleContainer** out) override;
        STDMETHODIMP ShowObject() override;
        STDMETHODIMP OnShowWindow(BOOL) override;
        STDMETHODIMP RequestNewObjectLayout() override;
    };

    struct InPlaceSitePart final : Part<IOleInPlaceSite> {
        using Part::Part;
        STDMETHODIMP GetWindow(HWND* out) override;
        STDMETHODIMP ContextSensitiveHelp(BOOL) override;
        STDMETHODIMP CanInPlaceActivate() override;
        STDMETHODIMP OnInPlaceActivate() override;
        STDMETHODIMP OnUIActivate() override;
        STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc,
                                      RECT* pos, RECT* clip, OLEINPLACEFRAMEINFO* info) override;
        STDMETHODIMP Scroll(SIZE) override;
        STDMETHODIMP OnUIDeactivate(BOOL) override;
        STDMETHODIMP OnInPlaceDeactivate() override;
        STDMETHODIMP DiscardUndoState() override;
        STDMETHODIMP DeactivateAndUndo() override;
        STDMETHODIMP OnPosRectChange(const RECT* pos) override;
    };

    struct FramePart final : Part<IOleInPlaceFrame> {
        using Part::Part;
        STDMETHODIMP GetWindow(HWND* out) override;
        STDMETHODIMP ContextSensitiveHelp(BOOL) override;
        STDMETHODIMP GetBorder(RECT*) override;
        STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override;
        STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override;
        STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override;
        STDMETHODIMP InsertMenus(HMENU, OLEMENUGROUPWIDTHS*) override;
        STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override;
        STDMETHODIMP RemoveMenus(HMENU) override;
        STDMETHODIMP SetStatusText(LPCOLESTR) override;
        STDMETHODIMP EnableModeless(BOOL) override;
        STDMETHODIMP TranslateAccelerator(MSG*, WORD) override;
    };

    // DWebBrowserEvents2: only DocumentComplete is handled.
    struct EventSinkPart final : Part<IDispatch> {
        using Part::Part;
        STDMETHODIMP GetTypeInfoCount(UINT* count) override;
        STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** out) override;
        STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
        STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                            EXCEPINFO*, UINT*) override;
    };

    void OnDocumentComplete(DISPPARAMS* params);

    inline static LONG live_ = 0;
    LONG refs_ = 1;
    HWND parent_;
    RECT rect_;
    BrowserEvents* events_;
    ClientSitePart client_{*this};
    InPlaceSitePart inPlace_{*this};
    FramePart frame_{*this};
    EventSinkPart sink_{*this};
};

}  // namespace app
