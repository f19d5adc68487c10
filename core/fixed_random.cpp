// fixed_random.cpp: uniform numbers in [0, 1) from the raw bits of the engine.
#include "core/fixed_random.h"

namespace torvelle {

double FixedRandom::next()
{
    // 32 bits over 2^32: exact in a double, never 1.
    constexpr double kTwoToThe32 = 4294967296.0;
    return static_cast<double>(engine_()) / kTwoToThe32;
}

} // namespace torvelle
