#include "shared/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEvenToInt32(0.5), 0);
    EXPECT_EQ(RoundHalfEvenToInt32(1.5), 2);
    EXPECT_EQ(RoundHalfEvenToInt32(2.5), 2);
    EXPECT_EQ(RoundHalfEvenToInt32(-0.5), 0);
    EXPECT_EQ(RoundHalfEvenToInt32(-1.5), -2);
    EXPECT_EQ(RoundHalfEvenToInt32(-2.5), -2);
    EXPECT_EQ(RoundHalfEvenToInt32(2.51), 3);
    EXPECT_EQ(RoundHalfEvenToInt32(-2.49), -2);
}

TEST(Rounding, OutOfRangeSaturatesAndNaNIsZero) {
    EXPECT_EQ(RoundHalfEvenToInt32(1e12), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(RoundHalfEvenToInt32(-1e12), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(RoundHalfEvenToInt32(std::numeric_limits<double>::infinity()),
              std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(RoundHalfEvenToInt32(std::nan("")), 0);
    EXPECT_EQ(RoundHalfEvenToInt16(40000.0), 32767);
    EXPECT_EQ(RoundHalfEvenToInt16(-40000.0), -32768);
    EXPECT_EQ(RoundHalfEvenToInt16(330.5), 330);
}

} // namespace
