#pragma once
// The system's message font, owned. Controls that use it show their captions in any language
// through the system's font linking.
#include <windows.h>

namespace app {

class MessageFont {
public:
    MessageFont();
    ~MessageFont();
    MessageFont(const MessageFont&) = delete;
    MessageFont& operator=(const MessageFont&) = delete;
    HFONT Get() const { return font_; }  // 0 when the system gave no font

private:
    HFONT font_ = nullptr;
};

}  // namespace app
