// fixed_random.h: the game's random generator, the same sequence at every start of the program.
#pragma once

#include <cstdint>
#include <random>

#include "core/draw_source.h"

namespace torvelle {

class FixedRandom final : public DrawSource {
public:
    // The starting state never changes: two runs given the same clicks play the same game.
    static constexpr std::uint32_t kStartingSeed = 19970611u;

    double next() override;

private:
    // The Mersenne Twister's output is fixed by the C++ standard, bit for bit;
    // r is made from its raw bits here because the standard distributions are
    // free to differ from one library to the next.
    std::mt19937 engine_{kStartingSeed};
};

} // namespace torvelle
