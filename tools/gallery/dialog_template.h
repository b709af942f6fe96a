#pragma once
// A dialog box template built in memory (the extended format), for a dialog that has no
// resource script.
#include <windows.h>

#include <vector>

namespace gallery {

class DialogTemplate {
public:
    // Dialog units; the font is set with DS_SETFONT, which the style always carries.
    DialogTemplate(const wchar_t* caption, DWORD style, short cx, short cy, WORD pointSize,
                   const wchar_t* face);
    void AddItem(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
                 short x, short y, short cx, short cy, DWORD id);
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void AddDword(DWORD value);
    void AddString(const wchar_t* text);
    void AlignToDword();

    std::vector<WORD> words_;
};

}  // namespace gallery
