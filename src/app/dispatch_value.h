#pragma once
// Reading an automation object's default value (dispatch id 0) as text.
#include <windows.h>
#include <oaidl.h>

#include <string>

namespace app {

// Throws AppError(what, ...) when the object is missing or the read fails.
std::wstring ReadDefaultValue(IDispatch* object, const wchar_t* what);

}  // namespace app
