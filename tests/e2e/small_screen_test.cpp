// The real program on a 320 x 240 screen whose bottom 30 rows a panel reserves: every window
// it opens stays whole and within reach.
#include "fizzmo_app.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

constexpr int kWorkWidth = 320, kWorkHeight = 210;

void ExpectInsideTheWorkArea(const Rect& r, const char* what) {
    EXPECT_GE(r.x, 0) << what;
    EXPECT_GE(r.y, 0) << what;
    EXPECT_LE(r.x + r.width, kWorkWidth) << what;
    EXPECT_LE(r.y + r.height, kWorkHeight) << what;
}

TEST(SmallScreen, LauncherPaletteAndAboutBoxStayInTheWorkArea) {
    ResetSettings(); // Stick To PM on: the launcher starts at its design place, 318, 176
    FizzmoApp app;
    const Rect launcher = WaitVisibleWindow(kLauncher).rect;
    EXPECT_EQ(launcher.x, kWorkWidth - 52);
    EXPECT_EQ(launcher.y, kWorkHeight - 51);

    // The launcher's tooltip has no room below the pointer or to its right: it stands above
    // the pointer, wholly in the work area.
    const Rect pointer = Centre(launcher);
    MouseMove(pointer.x, pointer.y);
    const std::optional<ProbeWindow> tip = WaitToolTip("Click to see the list of smilies.");
    ASSERT_TRUE(tip) << "no tooltip over the launcher";
    ExpectInsideTheWorkArea(tip->rect, "the launcher's tooltip");
    EXPECT_LE(tip->rect.y + tip->rect.height, pointer.y);
    EXPECT_GT(tip->rect.y + tip->rect.height, pointer.y - 10);
    Screenshot(TempDir() + "/small_screen_tooltip.png");

    // Flipped up and left, then kept on the screen: taller than the work area, so at its top.
    const Rect palette = app.OpenPalette().rect;
    EXPECT_EQ(palette.x, kWorkWidth - 52 - 203);
    EXPECT_EQ(palette.y, 0);

    app.ChooseMenuItem(FizzmoApp::kAbout);
    const ProbeWindow about = WaitVisibleWindow("About FizzmoLIte");
    ExpectInsideTheWorkArea(about.rect, "the About box");
    Screenshot(TempDir() + "/small_screen_about.png");
    Key("Escape");
}

} // namespace
} // namespace e2e
