#include "palette/grid.h"

#include <gtest/gtest.h>

namespace {

TEST(Grid, AtFifteenTwipsPerPixelCellsAre330AndTheWindow3040By3680) {
    const GridLayout layout = LayOutGrid(22 * 15.0f, 22 * 15.0f);
    EXPECT_EQ(layout.cells[0], (TwipRect{75, 175, 330, 330}));
    EXPECT_EQ(layout.cells[7], (TwipRect{75 + 7 * 330, 175, 330, 330}));
    EXPECT_EQ(layout.cells[8], (TwipRect{75, 175 + 330, 330, 330}));
    EXPECT_EQ(layout.cells[63], (TwipRect{75 + 7 * 330, 175 + 7 * 330, 330, 330}));
    EXPECT_EQ(layout.frame1, (TwipRect{75, 0, 2790, 2890}));
    EXPECT_EQ(layout.frame2, (TwipRect{75, 2840, 2790, 540}));
    EXPECT_EQ(layout.windowWidth, 3040);
    EXPECT_EQ(layout.windowHeight, 3680);
}

TEST(Grid, FractionalCellsRoundEachStepHalfToEven) {
    // 22 pixels at 1440/120 dpi-like factors that are not whole: 16.5 twips per cell.
    const GridLayout layout = LayOutGrid(16.5f, 16.5f);
    EXPECT_EQ(layout.cells[1].Left, 92);  // 75 + 16.5 = 91.5 -> 92
    EXPECT_EQ(layout.cells[2].Left, 108); // 92 + 16.5 = 108.5 -> 108
    EXPECT_EQ(layout.cells[8].Top, 192);  // 175 + 16.5 = 191.5 -> 192
    EXPECT_EQ(layout.cells[16].Top, 208); // 192 + 16.5 = 208.5 -> 208
    EXPECT_FLOAT_EQ(layout.frame1.Width, 8 * 16.5f + 150);
}

// At 144 dpi, where the box was designed 52 to 264 in a strip 279 pixels wide.
TEST(Grid, TheTextBoxMakesRoomForTheLabelAndItsWidestTextWithinTheStrip) {
    const PixelRect designed{52, 18, 264, 46};
    EXPECT_EQ(FitTextBox(designed, 59, 215, 279), (PixelRect{59, 18, 274, 46}));
    EXPECT_EQ(FitTextBox(designed, 59, 300, 279), (PixelRect{59, 18, 279, 46}));
    EXPECT_EQ(FitTextBox(designed, 40, 100, 279), designed);
}

} // namespace
