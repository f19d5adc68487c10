// score_test.cpp: reading and raising score texts.
#include <gtest/gtest.h>

#include "core/score.h"

namespace torvelle {
namespace {

TEST(Score, EmptyCountsAsZeroAndAPointWritesTheNextWholeNumber)
{
    EXPECT_EQ(scoreValue(""), 0);
    EXPECT_EQ(scoreValue("7"), 7);
    EXPECT_EQ(scoreValue("11"), 11);
    EXPECT_EQ(scoreAfterPoint(""), "1");
    EXPECT_EQ(scoreAfterPoint("9"), "10");
    EXPECT_EQ(scoreAfterPoint("10"), "11");
}

} // namespace
} // namespace torvelle
