// random_test.cpp: the game's generator stays in [0, 1) and never changes its sequence.
#include <gtest/gtest.h>

#include "core/fixed_random.h"

namespace torvelle {
namespace {

TEST(FixedRandom, EveryInstanceStartsFromTheSameStateAndStaysBelowOne)
{
    FixedRandom first, second;
    double lowest = 1.0, highest = 0.0;
    for (int i = 0; i < 100000; ++i) {
        const double r = first.next();
        ASSERT_EQ(r, second.next()) << "draw " << i;
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    // Spread over the whole interval, not stuck in a corner of it.
    EXPECT_LT(lowest, 0.001);
    EXPECT_GT(highest, 0.999);
}

TEST(FixedRandom, CellsAreDrawnEvenly)
{
    FixedRandom random;
    std::array<int, 100> hits{};
    constexpr int kDraws = 200000;
    for (int i = 0; i < kDraws; ++i)
        ++hits.at(static_cast<int>(100 * random.next()));
    for (int cell = 0; cell < 100; ++cell) {
        EXPECT_GT(hits[cell], kDraws / 100 * 9 / 10) << cell;
        EXPECT_LT(hits[cell], kDraws / 100 * 11 / 10) << cell;
    }
}

} // namespace
} // namespace torvelle
