#include "world.h"

#include <gtest/gtest.h>

namespace {

using Call = ToolkitCall;
using Calls = std::vector<ToolkitCall>;
using Op = ToolkitCall::Op;

// An IM window at 300,200-1200,700 pixels with its input box at 310,600-1100,680, behind Notepad.
struct Desk : World {
    Hwnd im = 0;
    Hwnd input = 0;
    Desk() {
        windows.AddTopLevel("Notepad", {0, 0, 10, 10});
        im = windows.AddTopLevel("IMClass", {300, 200, 1200, 700});
        input = windows.AddChild(im, "RICHEDIT", "", {310, 600, 1100, 680});
    }
    // The launcher put into or taken out of the top-most band.
    Calls LauncherBands() { return toolkit.CallsOf(Op::SetTopmost, FormId::Main); }
    // Starts with Stay On Top as given and lets the timer tick once; the launcher's place.
    std::pair<float, float> Tick(const std::string& stayOnTop = "") {
        if (!stayOnTop.empty()) {
            Store("StayOnTop", stayOnTop);
            program.Start();
            Clear();
        }
        program.frmMain.Timer1_Timer();
        return {program.frmMain.Left().value, program.frmMain.Top().value};
    }
};

struct Docking : ::testing::Test, Desk {};

TEST_F(Docking, BesideTheWholeWindowWithStayOnTopOffBesideTheInputBoxWithItOn) {
    EXPECT_EQ(Tick("F"), (std::pair<float, float>{18000, 9735}));
    EXPECT_TRUE(LauncherBands().empty());
    Desk on;
    EXPECT_EQ(on.Tick("T"), (std::pair<float, float>{16500, 9435}));
    EXPECT_EQ(on.LauncherBands(), (Calls{Call::SetTopmost(FormId::Main, true, true)}));
}

TEST_F(Docking, TopExactlyZeroLeavesTheTopmostBand) {
    windows.SetRect(input, {310, 0, 1100, 51});
    EXPECT_EQ(Tick("T").second, 0);
    EXPECT_EQ(LauncherBands(), (Calls{Call::SetTopmost(FormId::Main, false, true)}));
}

TEST_F(Docking, InputBoxMissingKeepsTheLauncherInReach) {
    windows.Destroy(im);
    windows.AddTopLevel("IMClass", {300, 200, 1200, 700});
    Store("StayOnTop", "T");
    program.Start();
    Clear();
    const std::pair<float, float> before{program.frmMain.Left().value, program.frmMain.Top().value};
    EXPECT_EQ(Tick(), before);
    EXPECT_EQ(LauncherBands(), (Calls{Call::SetTopmost(FormId::Main, true, true)}));
}

TEST_F(Docking, AMinimisedOrOffScreenIMWindowLeavesTheLauncherWhereItIs) {
    windows.SetRect(im, {-4509, -4760, -4009, -4360});
    const std::pair<float, float> atStart{4770, 2640};
    EXPECT_EQ(Tick("F"), atStart);
    windows.SetRect(im, {-32000, -32000, -31840, -31969});
    windows.Minimize(im);
    EXPECT_EQ(Tick(), atStart);
    EXPECT_TRUE(LauncherBands().empty());

    // With Stay On Top on, the tick still asserts the topmost state.
    Desk on;
    on.windows.Minimize(on.im);
    EXPECT_EQ(on.Tick("T"), atStart);
    EXPECT_EQ(on.LauncherBands(), (Calls{Call::SetTopmost(FormId::Main, true, true)}));
}

TEST_F(Docking, NothingWithStickToPMOffOrNoIMWindow) {
    Store("StickToPM", "F");
    Tick("T");
    EXPECT_TRUE(windows.calls.empty());
    EXPECT_TRUE(toolkit.calls.empty());
    World lonely;
    lonely.program.Start();
    lonely.Clear();
    lonely.program.frmMain.Timer1_Timer();
    EXPECT_TRUE(lonely.toolkit.CallsOf(Op::MoveForm).empty());
}

TEST_F(Docking, FollowsTheFrontmostIMWindowAndItsMovesAndStickToPMTurnedOn) {
    const Hwnd second = windows.AddTopLevel("IMClass", {0, 0, 400, 300});
    Store("StickToPM", "F");
    EXPECT_EQ(Tick("F").first, 105); // the saved 100 twips, as the 7 pixels it shows at
    program.frmMain.mnuStickToPM_Click();
    EXPECT_EQ(Tick().first, 18000);
    windows.BringToFront(second);
    EXPECT_EQ(Tick(), (std::pair<float, float>{6000, 4500 - 765}));
    windows.SetRect(second, {100, 100, 500, 400});
    EXPECT_EQ(Tick().first, 7500);
}

} // namespace
