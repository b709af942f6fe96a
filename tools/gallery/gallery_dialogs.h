#pragma once
// The two modal windows the gallery opens: a message box and a dialog of its own, both owned by
// the form, so that the skin takes them on as they show up.
#include <windows.h>

namespace gallery {

void OpenGalleryMessageBox(HWND owner);
// A dialog built from an in-memory template with a few controls of the kinds the skin knows.
INT_PTR OpenGalleryDialog(HWND owner);

}  // namespace gallery
