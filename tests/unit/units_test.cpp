#include "shared/units.h"

#include <gtest/gtest.h>

namespace {

TEST(Units, PixelsAndTwipsConvertAtTheScreensResolution) {
    const ScreenMetrics at96{1280, 960, 15, 15};
    const ScreenMetrics at120{1600, 1200, 12, 12};
    EXPECT_EQ(TwipsX(22, at96), Twips(330));
    EXPECT_EQ(TwipsY(22, at120), Twips(264));
    EXPECT_EQ(ScreenWidth(at96), Twips(19200));
    EXPECT_EQ(ScreenHeight(at120), Twips(14400));
    // Halves go to the even pixel.
    EXPECT_EQ(PixelsX(Twips(22.5f), at96), 2); // 1.5
    EXPECT_EQ(PixelsX(Twips(37.5f), at96), 2); // 2.5
    EXPECT_EQ(PixelsY(Twips(-18), at120), -2); // -1.5
    // Corner and size are rounded each on their own, as the forms' designs are laid out.
    EXPECT_EQ(ToPixels({7.5f, 22.5f, 22.5f, 7.5f}, at96), (PixelRect{0, 2, 2, 2}));
}

TEST(Units, LengthsDrawnAt96DpiKeepTheirSizeOnTheScreen) {
    for (const auto& [twipsPerPixel, cell] :
         {std::pair{15.0f, 22}, {12.0f, 28}, {10.0f, 33}, {7.5f, 44}, {20.0f, 22}}) {
        const ScreenMetrics screen{1280, 960, twipsPerPixel, twipsPerPixel};
        EXPECT_EQ(ScaledPixelsX(22, screen), cell) << twipsPerPixel;
        EXPECT_EQ(ScaledPixelsY(22, screen), cell) << twipsPerPixel;
    }
    EXPECT_EQ(ScaledPixelsX(22, ScreenMetrics{1280, 960, 0, 0}), 22); // no resolution known
}

} // namespace
