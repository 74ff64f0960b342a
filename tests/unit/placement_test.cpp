#include "world.h"

#include <gtest/gtest.h>

namespace {

// Screen 19200 x 14400 twips; the palette comes out 3040 x 3680 twips at 15 per pixel.
struct Placement : ::testing::Test, World {
    Placement() {
        toolkit.screen = {1280, 960, 15, 15};
        Store("StickToPM", "F");
    }
    void LauncherAt(int leftTwips, int topTwips) {
        Store("Left", std::to_string(leftTwips));
        Store("top", std::to_string(topTwips));
        program.Start();
    }
    PixelRect PaletteAfterClick() {
        program.frmMain.Image1_MouseUp(kLeftButton);
        program.frmMain.Image1_Click();
        return toolkit.rects[FormId::Smilies];
    }
};

TEST_F(Placement, PaletteCornerLandsOnTheLauncherCorner) {
    LauncherAt(1500, 1200);
    const PixelRect r = PaletteAfterClick();
    EXPECT_EQ(r.Left, 100);
    EXPECT_EQ(r.Top, 80);
    EXPECT_EQ(r.Right - r.Left, 203); // 3040 twips
    EXPECT_EQ(r.Bottom - r.Top, 245); // 3680 twips
}

TEST_F(Placement, FlipsLeftNearTheRightEdge) {
    LauncherAt(17000, 1200);
    const PixelRect r = PaletteAfterClick();
    EXPECT_EQ(r.Left, 1133 - 203); // 17000 twips is pixel 1133
    EXPECT_EQ(r.Top, 80);
}

TEST_F(Placement, ExactlyFittingWidthDoesNotFlip) {
    LauncherAt(19200 - 203 * 15, 1200);
    EXPECT_EQ(PaletteAfterClick().Left * 15, 19200 - 203 * 15);
}

TEST_F(Placement, BottomRightCornerFlipsBothWaysWithoutCoveringTheLauncher) {
    LauncherAt(19200 - 780, 14400 - 765);
    const PixelRect r = PaletteAfterClick();
    EXPECT_EQ(r.Right * 15, 19200 - 780);
    EXPECT_EQ(r.Bottom * 15, 14400 - 765);
}

TEST_F(Placement, OnAScreenSmallerThanThePaletteItsCornerStaysOnTheScreen) {
    toolkit.screen = {320, 240, 15, 15};
    LauncherAt(3000, 2000); // x 200, y 133
    const PixelRect r = PaletteAfterClick();
    EXPECT_EQ(r, (PixelRect{0, 0, 203, 245}));
}

TEST_F(Placement, FlippedPaletteKeepsOutOfTheTaskbarAndOnTheLaunchersScreen) {
    toolkit.monitors = {{0, 0, 1280, 960}, {1280, 0, 2560, 960}};
    toolkit.workAreas = {{0, 0, 1280, 920}, {1280, 0, 2560, 960}};
    LauncherAt(1500, 12000); // y 800: the palette fits below it only over the taskbar
    const PixelRect low = PaletteAfterClick();
    EXPECT_EQ(low.Top, 800 - 245); // flipped, and whole above the taskbar
    EXPECT_EQ(low.Left, 100);

    toolkit.rects[FormId::Main] = {1300, 100, 1352, 151}; // on the right-hand screen
    const PixelRect right = PaletteAfterClick();
    // Flipped against the primary screen's width, then brought onto the launcher's screen.
    EXPECT_EQ(right.Left, 1280);
    EXPECT_EQ(right.Top, 100);
}

TEST_F(Placement, ReleaseOutsideThePictureOnlyPutsCornerOnCorner) {
    LauncherAt(1500, 1200);
    program.frmMain.Image1_MouseUp(kLeftButton);
    EXPECT_EQ(toolkit.rects[FormId::Smilies].Left, 100);
    EXPECT_EQ(toolkit.rects[FormId::Smilies].Top, 80);
    // Near the corner the palette still keeps whole on the screen.
    toolkit.rects[FormId::Main] = {1133, 867, 1185, 918};
    program.frmMain.Image1_MouseUp(kLeftButton);
    EXPECT_EQ(toolkit.rects[FormId::Smilies].Left, 1280 - 203);
    EXPECT_EQ(toolkit.rects[FormId::Smilies].Top, 960 - 245);
}

TEST_F(Placement, OtherButtonsDoNotOpenThePalette) {
    LauncherAt(1500, 1200);
    program.frmMain.Image1_MouseUp(kRightButton);
    program.frmMain.Image1_MouseUp(4);
    EXPECT_FALSE(program.frmSmilies.Loaded());
}

TEST_F(Placement, PositionsAreReadAfreshOnEveryClick) {
    LauncherAt(1500, 1200);
    PaletteAfterClick();
    toolkit.rects[FormId::Main] = {1200, 100, 1252, 151}; // the user dragged the launcher
    EXPECT_EQ(PaletteAfterClick().Left, 1200 - 203);
}

} // namespace
