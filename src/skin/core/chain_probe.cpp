#include "skin/core/chain_probe.h"

#include <utility>

#include "skin/core/skinner.h"

namespace skin {
namespace {

thread_local bool t_answered = false;

}  // namespace

UINT ChainProbeMessage()
{
    static const UINT message = RegisterWindowMessageW(L"VelmoraSkinChainProbe");
    return message;
}

bool SkinProcInChain(HWND window)
{
    if (SkinProcOnTop(window)) return true;
    const bool outer = std::exchange(t_answered, false);  // a probe sent while answering another
    SendMessageW(window, ChainProbeMessage(), reinterpret_cast<WPARAM>(&SkinWindowProc),
                 kChainProbeMark);
    return std::exchange(t_answered, outer);
}

LRESULT AnswerChainProbe()
{
    t_answered = true;
    return 0;
}

}  // namespace skin
