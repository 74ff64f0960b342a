#include "world.h"

#include <gtest/gtest.h>

namespace {

// Screen 19200 x 14400 twips; the palette comes out 3040 x 3680 twips (203 x 245 pixels).
struct Placement : ::testing::Test, World {
    PixelRect PaletteWithLauncherAt(int leftTwips, int topTwips, int button = kLeftButton) {
        Store("StickToPM", "F");
        Store("Left", std::to_string(leftTwips));
        Store("top", std::to_string(topTwips));
        program.Start();
        return PaletteAfterClick(button);
    }
    PixelRect PaletteAfterClick(int button = kLeftButton) {
        program.frmMain.Image1_MouseUp(button);
        if (button == kLeftButton) {
            program.frmMain.Image1_Click();
        }
        return toolkit.rects[FormId::Smilies];
    }
};

TEST_F(Placement, PaletteCornerLandsOnTheLauncherCorner) {
    EXPECT_EQ(PaletteWithLauncherAt(1500, 1200), (PixelRect{100, 80, 303, 325}));
}

TEST_F(Placement, FlipsLeftNearTheRightEdge) {
    EXPECT_EQ(PaletteWithLauncherAt(17000, 1200), (PixelRect{1133 - 203, 80, 1133, 325}));
}

TEST_F(Placement, ExactlyFittingWidthDoesNotFlip) {
    EXPECT_EQ(PaletteWithLauncherAt(19200 - 203 * 15, 1200).Left * 15, 19200 - 203 * 15);
}

TEST_F(Placement, BottomRightCornerFlipsBothWaysWithoutCoveringTheLauncher) {
    const PixelRect r = PaletteWithLauncherAt(19200 - 780, 14400 - 765);
    EXPECT_EQ(r.Right * 15, 19200 - 780);
    EXPECT_EQ(r.Bottom * 15, 14400 - 765);
}

TEST_F(Placement, OnAScreenSmallerThanThePaletteItsCornerStaysOnTheScreen) {
    toolkit.screen = {320, 240, 15, 15};
    EXPECT_EQ(PaletteWithLauncherAt(3000, 2000), (PixelRect{0, 0, 203, 245})); // launcher 200, 133
}

TEST_F(Placement, FlippedPaletteKeepsOutOfTheTaskbarAndOnTheLaunchersScreen) {
    toolkit.monitors = {{0, 0, 1280, 960}, {1280, 0, 2560, 960}};
    toolkit.workAreas = {{0, 0, 1280, 920}, {1280, 0, 2560, 960}};
    // y 800: below it, the palette would fit the screen only over the taskbar.
    EXPECT_EQ(PaletteWithLauncherAt(1500, 12000), (PixelRect{100, 800 - 245, 303, 800}));
    toolkit.rects[FormId::Main] = {1300, 100, 1352, 151}; // on the right-hand screen
    // Flipped against the primary screen's width, then brought onto the launcher's screen.
    EXPECT_EQ(PaletteAfterClick(), (PixelRect{1280, 100, 1483, 345}));
}

TEST_F(Placement, ReleaseOutsideThePictureOnlyPutsCornerOnCornerOtherButtonsNothing) {
    PaletteWithLauncherAt(1500, 1200, kRightButton);
    EXPECT_FALSE(program.frmSmilies.Loaded());
    program.frmMain.Image1_MouseUp(4);
    EXPECT_FALSE(program.frmSmilies.Loaded());
    program.frmMain.Image1_MouseUp(kLeftButton); // no click follows: the pointer left the picture
    EXPECT_EQ(toolkit.rects[FormId::Smilies], (PixelRect{100, 80, 303, 325}));
    // Near the corner the palette still keeps whole on the screen.
    toolkit.rects[FormId::Main] = {1133, 867, 1185, 918};
    program.frmMain.Image1_MouseUp(kLeftButton);
    EXPECT_EQ(toolkit.rects[FormId::Smilies], (PixelRect{1280 - 203, 960 - 245, 1280, 960}));
}

TEST_F(Placement, PositionsAreReadAfreshOnEveryClick) {
    PaletteWithLauncherAt(1500, 1200);
    toolkit.rects[FormId::Main] = {1200, 100, 1252, 151}; // the user dragged the launcher
    EXPECT_EQ(PaletteAfterClick().Left, 1200 - 203);
}

} // namespace
