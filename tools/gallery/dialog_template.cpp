#include "dialog_template.h"

namespace gallery {
namespace {

constexpr size_t ItemCountAt = 8;  // the item count's word in the extended header

}  // namespace

DialogTemplate::DialogTemplate(const wchar_t* caption, DWORD style, short cx, short cy,
                               WORD pointSize, const wchar_t* face)
{
    words_ = {1, 0xFFFF};  // version 1 and the extended format's signature
    AddDword(0);           // help id
    AddDword(0);           // extended style
    AddDword(style | DS_SETFONT);
    words_.push_back(0);   // items, counted by AddItem
    for (short v : {short{0}, short{0}, cx, cy}) words_.push_back(static_cast<WORD>(v));
    words_.push_back(0);   // no menu
    words_.push_back(0);   // the system's dialog class
    AddString(caption);
    words_.push_back(pointSize);
    words_.push_back(FW_NORMAL);
    words_.push_back(MAKEWORD(FALSE, DEFAULT_CHARSET));  // italic, then character set
    AddString(face);
}

void DialogTemplate::AddItem(const wchar_t* className, const wchar_t* text, DWORD style,
                             DWORD exStyle, short x, short y, short cx, short cy, DWORD id)
{
    AlignToDword();
    AddDword(0);  // help id
    AddDword(exStyle);
    AddDword(style | WS_CHILD | WS_VISIBLE);
    for (short v : {x, y, cx, cy}) words_.push_back(static_cast<WORD>(v));
    AddDword(id);
    AddString(className);
    AddString(text);
    words_.push_back(0);  // no creation data
    ++words_[ItemCountAt];
}

void DialogTemplate::AddDword(DWORD value)
{
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
}

void DialogTemplate::AddString(const wchar_t* text)
{
    for (; *text; ++text) words_.push_back(static_cast<WORD>(*text));
    words_.push_back(0);
}

void DialogTemplate::AlignToDword()
{
    if (words_.size() % 2) words_.push_back(0);
}

}  // namespace gallery
