// The launcher riding beside the stand-in messenger's IM window, once a second.
#include "fizzmo_app.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

// The first tick comes a second after the launcher loads; the probe itself takes a moment.
constexpr auto kFirstDock = 2s;
// One tick interval plus the stand-in's and the probe's own delays under Wine.
constexpr auto kFollow = 2500ms;

// Waits for the launcher to rest beside the anchor: its left edge on the anchor's right edge
// (one past its last column), its bottom level with the anchor's bottom. Gives what it saw last.
::testing::AssertionResult DocksBeside(const Rect& anchor, std::chrono::milliseconds timeout,
                                       bool topmost) {
    const Rect want{anchor.x + anchor.width, anchor.y + anchor.height - 51, 52, 51};
    std::optional<ProbeWindow> seen;
    if (WaitUntil(
            [&] { return (seen = VisibleWindow(kLauncher)) && Text(seen->rect) == Text(want); },
            timeout, 100ms) &&
        seen->topmost == topmost) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "launcher at " << (seen ? Text(seen->rect) : "nowhere")
           << (seen && seen->topmost ? " topmost" : "") << ", wanted at " << Text(want)
           << (topmost ? " topmost" : "");
}

TEST(Docking, StayOnTopSitsRightOfTheInputBox) {
    ResetSettings({{"StickToPM", "T"}, {"StayOnTop", "T"}});
    StandIn standIn({"200,150,500,400"});
    FizzmoApp app;
    WaitVisibleWindow(kLauncher);
    EXPECT_TRUE(DocksBeside(standIn.Windows().at(0).input, kFirstDock, true));
    standIn.Command("move 0 420 260 600 380");
    EXPECT_TRUE(DocksBeside(standIn.Windows().at(0).input, kFollow, true));
}

TEST(Docking, WithoutStayOnTopSitsOutsideTheWindowCorner) {
    ResetSettings({{"StickToPM", "T"}, {"StayOnTop", "F"}});
    StandIn standIn({"300,200,450,350"});
    FizzmoApp app;
    WaitVisibleWindow(kLauncher);
    EXPECT_TRUE(DocksBeside(standIn.Windows().at(0).rect, kFirstDock, false));
    standIn.Command("move 0 150 400 520 300");
    EXPECT_TRUE(DocksBeside(standIn.Windows().at(0).rect, kFollow, false));
}

// Two IM windows, the launcher docked beside the first one's input box and staying on top.
class DockedBesideTheFirstOfTwo : public ::testing::Test {
  protected:
    void SetUp() override {
        windows_ = standIn_.Windows();
        ASSERT_EQ(windows_.size(), 2u);
        WaitVisibleWindow(kLauncher);
        ASSERT_TRUE(DocksBeside(windows_[0].input, kFirstDock, true));
    }

    const bool settings_ = (ResetSettings({{"StickToPM", "T"}, {"StayOnTop", "T"}}), true);
    StandIn standIn_{{"100,100,450,350", "650,380,420,330"}};
    FizzmoApp app_;
    std::vector<StandInWindow> windows_;
};

TEST_F(DockedBesideTheFirstOfTwo, TheWindowBroughtToTheFrontTakesTheLauncher) {
    standIn_.Command("front 1");
    EXPECT_TRUE(DocksBeside(windows_[1].input, kFollow, true));
    standIn_.Command("front 0");
    EXPECT_TRUE(DocksBeside(windows_[0].input, kFollow, true));
}

// Another program's window made top-most over the launcher stands in front of it until the
// launcher asks to be in front again.
TEST_F(DockedBesideTheFirstOfTwo, TheLauncherComesBackInFrontOfAWindowMadeTopmostOverIt) {
    const std::string alone = TempDir() + "/alone.png";
    ASSERT_TRUE(Screenshot(alone));
    const Rect launcher = VisibleWindow(kLauncher)->rect;
    // The second window comes over the launcher, top-most: the launcher follows it, the
    // frontmost IM window, and must show whole in front of it.
    standIn_.Command("move 1 400 150 450 350");
    standIn_.Command("topmost 1");
    ASSERT_TRUE(DocksBeside(standIn_.Windows().at(1).input, kFollow, true));
    const std::string covered = TempDir() + "/over.png";
    const Rect now = VisibleWindow(kLauncher)->rect;
    EXPECT_TRUE(WaitUntil(
        [&] {
            return Screenshot(covered) &&
                   DifferingPixels({Crop(alone, launcher), Crop(covered, now)}) == 0;
        },
        kFollow, 250ms))
        << "the launcher does not show whole over the top-most window; see " << covered;
}

} // namespace
} // namespace e2e
