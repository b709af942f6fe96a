#include "app/dispatch_value.h"

#include "app/com_ptr.h"
#include "app/error_report.h"

namespace app {

std::wstring ReadDefaultValue(IDispatch* object, const wchar_t* what)
{
    if (!object) throw AppError(what, E_POINTER);
    DISPPARAMS none{};
    Variant value;
    ThrowIfFailed(object->Invoke(DISPID_VALUE, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET,
                                 &none, value.Get(), nullptr, nullptr),
                  what);
    ThrowIfFailed(VariantChangeType(value.Get(), value.Get(), 0, VT_BSTR), what);
    const BSTR text = V_BSTR(value.Get());
    return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
}

}  // namespace app
