#include <cmath>
#include <limits>

#include "skin/draw/primitives.h"

namespace skin {

int SignedLoWord(LPARAM value)
{
    return static_cast<short>(static_cast<DWORD_PTR>(value) & 0xFFFF);
}

int SignedHiWord(LPARAM value)
{
    return static_cast<short>((static_cast<DWORD_PTR>(value) >> 16) & 0xFFFF);
}

int RoundHalfEven(double value)
{
    // Written out rather than left to the FPU's current rounding mode, which is not ours.
    if (std::isnan(value)) return 0;
    const double below = std::floor(value);
    const double rest = value - below;
    double rounded = below;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0.0)) rounded = below + 1.0;
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    return static_cast<int>(rounded < lo ? lo : (rounded > hi ? hi : rounded));
}

}  // namespace skin
