#include "shared/work_area.h"

#include <gtest/gtest.h>

namespace {

TEST(WorkArea, KeepInsideMovesTheLeastAndKeepsTheCornerOfWhatIsTooBig) {
    const PixelRect area{0, 0, 640, 480};
    struct Case {
        PixelRect rect, expected;
    };
    for (const Case& c : {
             Case{{10, 10, 60, 60}, {10, 10, 60, 60}},         // inside: unmoved
             Case{{620, 470, 670, 520}, {590, 430, 640, 480}}, // over the corner
             Case{{-30, -40, 20, 10}, {0, 0, 50, 50}},
             Case{{500, 300, 1200, 900}, {0, 0, 700, 600}}, // larger than the area
         }) {
        EXPECT_EQ(KeepInside(c.rect, area), c.expected);
        EXPECT_EQ(Contains(area, c.rect), c.rect == c.expected);
    }
}

} // namespace
