#include "app/browser_site.h"

#include <exdisp.h>
#include <exdispid.h>

#include "app/dispatch_value.h"

namespace app {

namespace {

// The browser object that came with an event.
class EventObject final : public BrowserObject {
public:
    explicit EventObject(IDispatch* object) : object_(object) {}
    std::wstring Name() override
    {
        return ReadDefaultValue(object_, L"无法读取页面所属浏览器对象的名称。");
    }

private:
    IDispatch* object_;
};

template <class T>
HRESULT Hand(T* part, void** out)
{
    *out = part;
    part->AddRef();
    return S_OK;
}

}  // namespace

BrowserSite::BrowserSite(HWND parent, const RECT& pixels, BrowserEvents& events)
    : parent_(parent), rect_(pixels), events_(&events)
{
    InterlockedIncrement(&live_);
}

HRESULT BrowserSite::QueryInterface(REFIID iid, void** out)
{
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite) return Hand(&client_, out);
    if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) return Hand(&inPlace_, out);
    if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) return Hand(&frame_, out);
    // The control also asks its site for IDispatch (ambient properties); the sink answers that
    // it has none, which leaves the control at its defaults.
    if (iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2) return Hand(&sink_, out);
    return E_NOINTERFACE;
}

ULONG BrowserSite::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&refs_));
}

ULONG BrowserSite::Release()
{
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

void BrowserSite::OnDocumentComplete(DISPPARAMS* params)
{
    // Arguments come last first: (browser object, address); the address is not needed.
    if (!events_ || !params || params->cArgs < 2) return;
    const VARIANT& arg = params->rgvarg[params->cArgs - 1];
    IDispatch* object = nullptr;
    if (V_VT(&arg) == VT_DISPATCH) object = V_DISPATCH(&arg);
    else if (V_VT(&arg) == (VT_DISPATCH | VT_BYREF) && V_DISPATCHREF(&arg))
        object = *V_DISPATCHREF(&arg);
    EventObject source(object);
    events_->DocumentComplete(source);
}

// --- client site ---

STDMETHODIMP BrowserSite::ClientSitePart::SaveObject() { return E_NOTIMPL; }

STDMETHODIMP BrowserSite::ClientSitePart::GetMoniker(DWORD, DWORD, IMoniker** out)
{
    if (out) *out = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP BrowserSite::ClientSitePart::GetContainer(IOleContainer** out)
{
    if (out) *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP BrowserSite::ClientSitePart::ShowObject() { return S_OK; }
STDMETHODIMP BrowserSite::ClientSitePart::OnShowWindow(BOOL) { return S_OK; }
STDMETHODIMP BrowserSite::ClientSitePart::RequestNewObjectLayout() { return E_NOTIMPL; }

// --- in-place site ---

STDMETHODIMP BrowserSite::InPlaceSitePart::GetWindow(HWND* out)
{
    if (!out) return E_POINTER;
    *out = site.parent_;
    return S_OK;
}

STDMETHODIMP BrowserSite::InPlaceSitePart::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }
STDMETHODIMP BrowserSite::InPlaceSitePart::CanInPlaceActivate() { return S_OK; }
STDMETHODIMP BrowserSite::InPlaceSitePart::OnInPlaceActivate() { return S_OK; }
STDMETHODIMP BrowserSite::InPlaceSitePart::OnUIActivate() { return S_OK; }

STDMETHODIMP BrowserSite::InPlaceSitePart::GetWindowContext(IOleInPlaceFrame** frame,
                                                            IOleInPlaceUIWindow** doc, RECT* pos,
                                                            RECT* clip, OLEINPLACEFRAMEINFO* info)
{
    if (!frame || !doc || !pos || !clip || !info) return E_POINTER;
    *frame = &site.frame_;
    site.AddRef();
    *doc = nullptr;  // no separate document window: the frame is the window
    *pos = site.rect_;
    *clip = site.rect_;
    info->fMDIApp = FALSE;
    info->hwndFrame = site.parent_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP BrowserSite::InPlaceSitePart::Scroll(SIZE) { return E_NOTIMPL; }
STDMETHODIMP BrowserSite::InPlaceSitePart::OnUIDeactivate(BOOL) { return S_OK; }
STDMETHODIMP BrowserSite::InPlaceSitePart::OnInPlaceDeactivate() { return S_OK; }
STDMETHODIMP BrowserSite::InPlaceSitePart::DiscardUndoState() { return E_NOTIMPL; }
STDMETHODIMP BrowserSite::InPlaceSitePart::DeactivateAndUndo() { return E_NOTIMPL; }

// The window decides where the control goes; a wish of the control's own is not followed.
STDMETHODIMP BrowserSite::InPlaceSitePart::OnPosRectChange(const RECT*) { return S_OK; }

// --- in-place frame: no menus, tool space or status bar to share ---

STDMETHODIMP BrowserSite::FramePart::GetWindow(HWND* out)
{
    if (!out) return E_POINTER;
    *out = site.parent_;
    return S_OK;
}

STDMETHODIMP BrowserSite::FramePart::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }
STDMETHODIMP BrowserSite::FramePart::GetBorder(RECT*) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP BrowserSite::FramePart::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP BrowserSite::FramePart::SetBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP BrowserSite::FramePart::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) { return S_OK; }
STDMETHODIMP BrowserSite::FramePart::InsertMenus(HMENU, OLEMENUGROUPWIDTHS*) { return E_NOTIMPL; }
STDMETHODIMP BrowserSite::FramePart::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
STDMETHODIMP BrowserSite::FramePart::RemoveMenus(HMENU) { return E_NOTIMPL; }
STDMETHODIMP BrowserSite::FramePart::SetStatusText(LPCOLESTR) { return S_OK; }
STDMETHODIMP BrowserSite::FramePart::EnableModeless(BOOL) { return S_OK; }
STDMETHODIMP BrowserSite::FramePart::TranslateAccelerator(MSG*, WORD) { return S_FALSE; }

// --- event sink ---

STDMETHODIMP BrowserSite::EventSinkPart::GetTypeInfoCount(UINT* count)
{
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP BrowserSite::EventSinkPart::GetTypeInfo(UINT, LCID, ITypeInfo** out)
{
    if (out) *out = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP BrowserSite::EventSinkPart::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

STDMETHODIMP BrowserSite::EventSinkPart::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params,
                                                VARIANT*, EXCEPINFO*, UINT*)
{
    if (id != DISPID_DOCUMENTCOMPLETE) return DISP_E_MEMBERNOTFOUND;
    // The handler reports its own errors; nothing may unwind into the control.
    try {
        site.OnDocumentComplete(params);
    } catch (...) {
        return E_UNEXPECTED;
    }
    return S_OK;
}

}  // namespace app
