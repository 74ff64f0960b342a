#include "world.h"

#include <gtest/gtest.h>

namespace {

struct Docking : ::testing::Test, World {
    Hwnd im = 0;
    Hwnd input = 0;
    Docking() {
        windows.AddTopLevel("Notepad", {0, 0, 10, 10});
        im = windows.AddTopLevel("IMClass", {300, 200, 1200, 700});
        input = windows.AddChild(im, "RICHEDIT", "", {310, 600, 1100, 680});
    }
    void Start(const std::string& stayOnTop) {
        Store("StayOnTop", stayOnTop);
        program.Start();
        Clear();
    }
    float Left() { return program.frmMain.Left().value; }
    float Top() { return program.frmMain.Top().value; }
};

TEST_F(Docking, BesideTheWholeWindowWithStayOnTopOff) {
    Start("F");
    program.frmMain.Timer1_Timer();
    EXPECT_EQ(Left(), 18000);
    EXPECT_EQ(Top(), 9735);
    EXPECT_TRUE(TopmostCalls(kLauncherHandle).empty());
}

TEST_F(Docking, BesideTheInputBoxWithStayOnTopOn) {
    Start("T");
    program.frmMain.Timer1_Timer();
    EXPECT_EQ(Left(), 16500);
    EXPECT_EQ(Top(), 9435);
    EXPECT_EQ(TopmostCalls(kLauncherHandle), (std::vector<std::string>{"topmost"}));
}

TEST_F(Docking, TopExactlyZeroLeavesTheTopmostBand) {
    windows.SetRect(input, {310, 0, 1100, 51});
    Start("T");
    program.frmMain.Timer1_Timer();
    EXPECT_EQ(Top(), 0);
    EXPECT_EQ(TopmostCalls(kLauncherHandle), (std::vector<std::string>{"not topmost"}));
}

TEST_F(Docking, InputBoxMissingKeepsTheLauncherInReach) {
    FakeWindowSystem& ws = windows;
    ws.Destroy(im);
    im = ws.AddTopLevel("IMClass", {300, 200, 1200, 700});
    Start("T");
    const float left = Left();
    const float top = Top();
    program.frmMain.Timer1_Timer();
    EXPECT_EQ(Left(), left);
    EXPECT_EQ(Top(), top);
    EXPECT_EQ(TopmostCalls(kLauncherHandle), (std::vector<std::string>{"topmost"}));
}

TEST_F(Docking, AMinimisedOrOffScreenIMWindowLeavesTheLauncherWhereItIs) {
    Start("F");
    const PixelRect before = toolkit.rects[FormId::Main];
    windows.SetRect(im, {-4509, -4760, -4009, -4360});
    program.frmMain.Timer1_Timer();
    EXPECT_EQ(toolkit.rects[FormId::Main], before);
    windows.SetRect(im, {-32000, -32000, -31840, -31969});
    windows.Minimize(im);
    program.frmMain.Timer1_Timer();
    EXPECT_EQ(toolkit.rects[FormId::Main], before);
    EXPECT_TRUE(TopmostCalls(kLauncherHandle).empty());

    // With Stay On Top on, the tick still asserts the topmost state.
    Store("StayOnTop", "T");
    program.Options.StayOnTop = VbTrue;
    program.frmMain.Timer1_Timer();
    EXPECT_EQ(toolkit.rects[FormId::Main], before);
    EXPECT_EQ(TopmostCalls(kLauncherHandle), (std::vector<std::string>{"topmost"}));
}

TEST_F(Docking, NothingWithStickToPMOffOrNoIMWindow) {
    Store("StickToPM", "F");
    Start("T");
    program.frmMain.Timer1_Timer();
    EXPECT_TRUE(windows.calls.empty());
    EXPECT_TRUE(toolkit.calls.empty());
    World lonely;
    lonely.program.Start();
    lonely.Clear();
    const PixelRect before = lonely.toolkit.rects[FormId::Main];
    lonely.program.frmMain.Timer1_Timer();
    EXPECT_EQ(lonely.toolkit.rects[FormId::Main], before);
    EXPECT_TRUE(lonely.toolkit.CallsStartingWith("Move").empty());
}

TEST_F(Docking, FollowsTheFrontmostIMWindowAndItsMoves) {
    const Hwnd second = windows.AddTopLevel("IMClass", {0, 0, 400, 300});
    Start("F");
    program.frmMain.Timer1_Timer();
    EXPECT_EQ(Left(), 18000);
    windows.BringToFront(second);
    program.frmMain.Timer1_Timer();
    EXPECT_EQ(Left(), 6000);
    EXPECT_EQ(Top(), 4500 - 765);
    windows.SetRect(second, {100, 100, 500, 400});
    program.frmMain.Timer1_Timer();
    EXPECT_EQ(Left(), 7500);
}

TEST_F(Docking, TurningStickToPMOnJumpsAtTheNextTick) {
    Store("StickToPM", "F");
    Start("F");
    program.frmMain.Timer1_Timer();
    program.frmMain.mnuStickToPM_Click();
    program.frmMain.Timer1_Timer();
    EXPECT_EQ(Left(), 18000);
}

} // namespace
