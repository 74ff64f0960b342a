// The launcher riding beside the stand-in messenger's IM window, once a second.
#include "fizzmo_app.h"
#include "stand_in.h"

#include <gtest/gtest.h>

#include <ostream>

namespace e2e {

// Lets a failed comparison print where the launcher was.
inline std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << r.x << "," << r.y << " " << r.width << "x" << r.height;
}

namespace {

constexpr int kLauncherWidth = 52;
constexpr int kLauncherHeight = 51;

// Where the launcher comes to rest: its left edge on the anchor's right edge (one past its last
// column), its bottom level with the anchor's bottom.
Rect DockedBeside(const Rect& anchor) {
    return Rect{anchor.x + anchor.width, anchor.y + anchor.height - kLauncherHeight, kLauncherWidth,
                kLauncherHeight};
}

bool SameRect(const Rect& a, const Rect& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

// Polls the launcher until it stands at `expected`; `last` keeps what was seen last.
bool WaitLauncherAt(const FizzmoApp& app, const Rect& expected, std::chrono::milliseconds timeout,
                    ProbeWindow& last) {
    return WaitUntil(
        [&] {
            const std::optional<ProbeWindow> launcher = app.Launcher();
            if (launcher) {
                last = *launcher;
            }
            return launcher && SameRect(launcher->rect, expected);
        },
        timeout, 100ms);
}

using Clock = std::chrono::steady_clock;

std::chrono::milliseconds Since(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
}

// The first tick comes a second after the launcher loads; the probe itself takes a moment.
constexpr auto kFirstDock = 2s;
// One tick interval plus the stand-in's and the probe's own delays under Wine.
constexpr auto kFollow = 2500ms;

TEST(Docking, StayOnTopSitsRightOfTheInputBox) {
    ResetSettings({{"StickToPM", "T"}, {"StayOnTop", "T"}});
    StandIn standIn({"200,150,500,400"});
    FizzmoApp app;
    app.WaitVisible("");
    const Clock::time_point shown = Clock::now();
    const Rect input = standIn.Windows().at(0).input;
    ProbeWindow last;
    ASSERT_TRUE(WaitLauncherAt(app, DockedBeside(input), kFirstDock, last))
        << "launcher at " << last.rect << ", input box " << input << ", after "
        << Since(shown).count() << " ms";
    EXPECT_TRUE(last.topmost);
    Screenshot(TempDir() + "/docked_on_top.png");

    standIn.Command("move 0 420 260 600 380");
    const Clock::time_point moved = Clock::now();
    const Rect movedInput = standIn.Windows().at(0).input;
    ASSERT_TRUE(WaitLauncherAt(app, DockedBeside(movedInput), kFollow, last))
        << "launcher at " << last.rect << ", input box " << movedInput << ", after "
        << Since(moved).count() << " ms";
    EXPECT_TRUE(last.topmost);
    Screenshot(TempDir() + "/followed_on_top.png");
}

TEST(Docking, WithoutStayOnTopSitsOutsideTheWindowCorner) {
    ResetSettings({{"StickToPM", "T"}, {"StayOnTop", "F"}});
    StandIn standIn({"300,200,450,350"});
    FizzmoApp app;
    app.WaitVisible("");
    const Clock::time_point shown = Clock::now();
    const Rect frame = standIn.Windows().at(0).rect;
    ProbeWindow last;
    ASSERT_TRUE(WaitLauncherAt(app, DockedBeside(frame), kFirstDock, last))
        << "launcher at " << last.rect << ", IM window " << frame << ", after "
        << Since(shown).count() << " ms";
    EXPECT_FALSE(last.topmost);
    Screenshot(TempDir() + "/docked_outside.png");

    standIn.Command("move 0 150 400 520 300");
    const Clock::time_point moved = Clock::now();
    const Rect movedFrame = standIn.Windows().at(0).rect;
    ASSERT_TRUE(WaitLauncherAt(app, DockedBeside(movedFrame), kFollow, last))
        << "launcher at " << last.rect << ", IM window " << movedFrame << ", after "
        << Since(moved).count() << " ms";
    EXPECT_FALSE(last.topmost);
}

TEST(Docking, WindowBroughtToTheFrontTakesTheLauncher) {
    ResetSettings({{"StickToPM", "T"}, {"StayOnTop", "T"}});
    StandIn standIn({"100,100,450,350", "650,380,420,330"});
    FizzmoApp app;
    app.WaitVisible("");
    const std::vector<StandInWindow> windows = standIn.Windows();
    ASSERT_EQ(windows.size(), 2u);
    ProbeWindow last;
    ASSERT_TRUE(WaitLauncherAt(app, DockedBeside(windows.at(0).input), kFirstDock, last))
        << "launcher at " << last.rect << ", front input box " << windows.at(0).input;

    standIn.Command("front 1");
    Clock::time_point fronted = Clock::now();
    ASSERT_TRUE(WaitLauncherAt(app, DockedBeside(windows.at(1).input), kFollow, last))
        << "launcher at " << last.rect << ", second input box " << windows.at(1).input << ", after "
        << Since(fronted).count() << " ms";
    Screenshot(TempDir() + "/docked_second.png");

    standIn.Command("front 0");
    fronted = Clock::now();
    EXPECT_TRUE(WaitLauncherAt(app, DockedBeside(windows.at(0).input), kFollow, last))
        << "launcher at " << last.rect << ", first input box " << windows.at(0).input << ", after "
        << Since(fronted).count() << " ms";
}

TEST(Docking, StickToPMOffKeepsTheSavedPosition) {
    ResetSettings({{"StickToPM", "F"}, {"StayOnTop", "T"}, {"Left", "1500"}, {"top", "3000"}});
    StandIn standIn({"200,150,500,400"});
    FizzmoApp app;
    const Rect saved{100, 200, kLauncherWidth, kLauncherHeight};
    ProbeWindow last = app.WaitVisible("");
    EXPECT_TRUE(SameRect(last.rect, saved)) << "launcher at " << last.rect;
    // Several ticks pass, and the messenger moves its window meanwhile: the launcher stays.
    const auto moved = [&] {
        const std::optional<ProbeWindow> launcher = app.Launcher();
        if (launcher) {
            last = *launcher;
        }
        return !launcher || !SameRect(launcher->rect, saved);
    };
    EXPECT_FALSE(WaitUntil(moved, kFollow, 200ms)) << "launcher at " << last.rect;
    standIn.Command("move 0 400 300 500 400");
    EXPECT_FALSE(WaitUntil(moved, kFollow, 200ms)) << "launcher at " << last.rect;
    Screenshot(TempDir() + "/not_docked.png");
}

} // namespace
} // namespace e2e
