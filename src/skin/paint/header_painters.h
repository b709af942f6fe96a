#pragma once
// List headers are painted by the skin alone: the background column of HeaderItemImage under the
// whole strip, one face per item (pressed for HDINDEX, hot for HMINDEX, else normal) and the
// item's caption centred on it in the header's font.
#include <windows.h>

#include <string>

namespace skin {

// The whole header, for WM_PAINT (the header's own procedure never paints). Returns 0.
LRESULT PaintHeaderBar(HWND header);

// One item with the face of state (1 hot, 2 pressed, anything else normal), into dc or, when dc
// is null, the header's window DC. Draws nothing for a negative index or an item the header
// does not have. Returns 0.
LRESULT PaintHeaderItem(HWND header, HDC dc, int index, int state);
// The same for a caller that has read the item's rectangle already.
LRESULT PaintHeaderItemAt(HWND header, HDC dc, int index, const RECT& item, int state);

int GetHeaderItemCount(HWND header);
bool GetHeaderItemRect(HWND header, int index, RECT& item);
// At most 255 characters, read as wide characters so that any script survives.
std::wstring GetHeaderCaption(HWND header, int index);

}  // namespace skin
