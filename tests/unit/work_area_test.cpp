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

TEST(WorkArea, ARectangleIsOnSomeMonitorWhenAnyOfItShowsThere) {
    const std::vector<PixelRect> monitors = {{0, 0, 1280, 1024}, {1280, 0, 2560, 1024}};
    EXPECT_TRUE(OnSomeMonitor({1200, 900, 1300, 1100}, monitors)); // across both and below
    EXPECT_TRUE(OnSomeMonitor({2500, -50, 2600, 10}, monitors));   // a corner of the second
    EXPECT_FALSE(OnSomeMonitor({-100, 0, 0, 100}, monitors));      // touching the edge only
    EXPECT_FALSE(OnSomeMonitor({0, 1024, 100, 1100}, monitors));   // just below
    EXPECT_FALSE(OnSomeMonitor({3000, 100, 3100, 200}, monitors)); // right of both
    EXPECT_FALSE(OnSomeMonitor({100, 100, 100, 200}, monitors));   // no width at all
    EXPECT_FALSE(OnSomeMonitor({0, 0, 10, 10}, {}));
}
