#pragma once
// Form1 as designed: caption, client size and its controls in the order they are stored with it,
// positions in twips in the window's client coordinates.
#include "app/twips.h"

namespace app::design {

inline constexpr wchar_t ClassName[] = L"Form";  // the skin treats "form" windows as containers
inline constexpr wchar_t Caption[] = L"Velmora登入器";
inline constexpr float ClientWidth = 12645.0f;
inline constexpr float ClientHeight = 7740.0f;

inline constexpr wchar_t Command2Caption[] = L"删除缓存";
inline constexpr TwipRect Command2{11640.0f, 50.0f, 900.0f, 280.0f};
inline constexpr wchar_t Command1Caption[] = L"刷新";
inline constexpr TwipRect Command1{10800.0f, 50.0f, 735.0f, 280.0f};
inline constexpr TwipRect WebBrowser1{0.0f, 0.0f, 9375.0f, 7455.0f};

inline constexpr int Command1Id = 1;
inline constexpr int Command2Id = 2;

// The buttons' left edges keep this distance from the window's outer right edge.
inline constexpr float Command1FromRight = 2000.0f;
inline constexpr float Command2FromRight = 1100.0f;

}  // namespace app::design
