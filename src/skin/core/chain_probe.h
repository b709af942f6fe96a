#pragma once
// Whether this module's SkinWindowProc is in a window's chain of procedures, wherever it sits.
// Other code may have subclassed the window after the skin, another copy of the skin (a DLL that
// links it too) may hold the window, and a class may have put its own procedure in place without
// calling the one it replaced: the properties, whose names every copy shares, cannot tell these
// apart.
#include <windows.h>

#include "skin/core/skin_window_proc.h"

namespace skin {

// The question is a message registered by name, which no other procedure knows and every
// procedure that passes messages on passes on (even WM_NULL has code of its own here and there);
// the address of this module's SkinWindowProc in wParam tells its own question from another copy's.
inline constexpr LPARAM kChainProbeMark = 0x56534B4E;
UINT ChainProbeMessage();

// Looks at the window's procedure; with another one on top, sends the window a question that only
// this module's SkinWindowProc answers. For windows of the calling thread.
bool SkinProcInChain(HWND window);

// For SkinWindowProc, which sees every message: whether the message is this module's question,
// and its answer.
inline bool IsChainProbe(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The address first: it rules out nearly every message without a call.
    return wParam == reinterpret_cast<WPARAM>(&SkinWindowProc) && lParam == kChainProbeMark &&
           message == ChainProbeMessage();
}
LRESULT AnswerChainProbe();

}  // namespace skin
