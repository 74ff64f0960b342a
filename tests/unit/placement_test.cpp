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
    EXPECT_EQ(PaletteAfterClick(), (PixelRect{1300, 100, 1503, 345}));
}

// Beside the primary screen, the palette flips at the edges of the launcher's own screen
// (the whole of it, as on one screen), not the primary one's.
TEST_F(Placement, FlipsAtTheEdgesOfTheLaunchersOwnScreen) {
    struct Case {
        const char* where;
        PixelRect second;
        int launcherX, launcherY;
        PixelRect palette;
    };
    const Case cases[] = {
        {"right, near its right edge", {1280, 0, 2560, 960}, 2500, 100, {2297, 100, 2500, 345}},
        {"right, well inside", {1280, 0, 2560, 1200}, 1300, 900, {1300, 900, 1503, 1145}},
        {"right, near its bottom", {1280, 0, 2560, 1200}, 1300, 1000, {1300, 755, 1503, 1000}},
        {"left, near its right edge", {-1280, 0, 0, 960}, -100, 100, {-303, 100, -100, 345}},
        {"above, near its bottom", {0, -960, 1280, 0}, 100, -100, {100, -345, 303, -100}},
        {"above, well inside", {0, -960, 1280, 0}, 100, -900, {100, -900, 303, -655}},
    };
    Store("StickToPM", "F");
    program.Start();
    for (const Case& c : cases) {
        toolkit.monitors = {{0, 0, 1280, 960}, c.second};
        toolkit.rects[FormId::Main] = {c.launcherX, c.launcherY, c.launcherX + 52,
                                       c.launcherY + 51};
        EXPECT_EQ(PaletteAfterClick(), c.palette) << c.where;
    }
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
