#include "shared/scale2x.h"

#include <gtest/gtest.h>

namespace {

using Pixels = std::vector<std::uint32_t>;

Pixels Doubled(const Pixels& in, int width, int height) {
    Pixels out;
    for (int y = 0; y < height * 2; ++y) {
        for (int x = 0; x < width * 2; ++x) {
            out.push_back(in[static_cast<std::size_t>(y / 2 * width + x / 2)]);
        }
    }
    return out;
}

TEST(Scale2x, TheStepsOfADiagonalAreFilledIn) {
    // A diagonal of 1 on 0, away from the edges.
    const Pixels in = {0, 0, 0, 0, //
                       0, 1, 0, 0, //
                       0, 0, 1, 0, //
                       0, 0, 0, 0};
    const Pixels out = Scale2x(in, 4, 4);
    ASSERT_EQ(out.size(), 64u);
    const auto at = [&](int x, int y) { return out[static_cast<std::size_t>(y * 8 + x)]; };
    // The two pixels beside the step each take the diagonal's colour in the corner facing it.
    EXPECT_EQ(at(4, 3), 1u); // right of (1,1): its bottom-left corner
    EXPECT_EQ(at(3, 4), 1u); // below (1,1): its top-right corner
    EXPECT_EQ(at(5, 2), 0u); // the far corners stay as they were
    EXPECT_EQ(at(2, 5), 0u);
    EXPECT_NE(out, Doubled(in, 4, 4));
    // The diagonal's own pixels keep their colour whole.
    EXPECT_EQ(at(2, 2), 1u);
    EXPECT_EQ(at(3, 3), 1u);
}

TEST(Scale2x, FlatAreasStraightEdgesAndLonePixelsAreDoubled) {
    const Pixels edge = {5, 5, 7, //
                         5, 5, 7, //
                         5, 5, 7};
    EXPECT_EQ(Scale2x(edge, 3, 3), Doubled(edge, 3, 3));
    const Pixels lone = {5, 5, 5, //
                         5, 9, 5, //
                         5, 5, 5};
    EXPECT_EQ(Scale2x(lone, 3, 3), Doubled(lone, 3, 3));
    EXPECT_EQ(Scale2x({4}, 1, 1), (Pixels{4, 4, 4, 4}));
}

TEST(Scale2x, AWrongSizeGivesNothing) {
    EXPECT_TRUE(Scale2x({1, 2, 3}, 2, 2).empty());
    EXPECT_TRUE(Scale2x({}, 0, 0).empty());
    EXPECT_TRUE(Scale2x({1}, -1, -1).empty());
}

} // namespace
