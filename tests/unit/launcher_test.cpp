#include "world.h"

#include <gtest/gtest.h>

namespace {

using namespace MainControls;

TEST(Launcher, StartUpRunsInOrderAndShowsTheLauncher) {
    World w;
    w.program.Start();
    EXPECT_EQ(w.toolkit.calls, (std::vector<std::string>{
                                   "Create frmMain",
                                   "Picture frmMain.1(0) 101",
                                   "Check frmMain.5(0) on", // Stay On Top
                                   "Check frmMain.7(0) on", // Stick To PM
                                   "Check frmMain.6(0) on", // SendOnClick
                                   "Check frmMain.8(0) on", // Keep Open
                                   "Show frmMain owner frmMain",
                               }));
    EXPECT_FALSE(w.program.frmSmilies.Loaded());
    // First run: saved 100, 100 is not applied while Stick To PM is on.
    EXPECT_EQ(w.toolkit.rects[FormId::Main], (PixelRect{318, 176, 370, 227}));
    EXPECT_EQ(w.TopmostCalls(kLauncherHandle), (std::vector<std::string>{"topmost"}));
    EXPECT_EQ(w.store.reads.size(), 6u);
    EXPECT_TRUE(w.store.writes.empty());
}

TEST(Launcher, MissingCodeFileShowsTheMessageAndEndsWithTheStoreUntouched) {
    World w;
    w.files.attributes.clear();
    w.Store("StayOnTop", "T");
    w.program.Start();
    EXPECT_EQ(
        w.toolkit.calls,
        (std::vector<std::string>{"Create frmMain",
                                  "MessageBox Fizzmo Lite: A required file, code.dll is not found.",
                                  "Destroy frmMain", "End"}));
    EXPECT_TRUE(w.store.reads.empty());
    EXPECT_TRUE(w.store.writes.empty());
    EXPECT_EQ(w.Stored("StayOnTop"), "T");
}

TEST(Launcher, CodeFileMustBeAnOrdinaryFileInTheProgramFolder) {
    for (const FileAttributes attributes :
         {FileAttributes{true, false, false}, FileAttributes{false, true, false},
          FileAttributes{false, false, true}}) {
        World w;
        w.files.attributes["C:\\Fizzmo\\codes.dll"] = attributes;
        w.program.Start();
        EXPECT_TRUE(w.toolkit.ended);
        EXPECT_FALSE(w.program.frmMain.Loaded());
    }
    World empty;
    empty.files.AddFile("codes.dll", "");
    empty.program.Start();
    EXPECT_TRUE(empty.program.frmMain.Loaded());
}

TEST(Launcher, SavedPositionAppliesOnlyWithStickToPMOff) {
    World w;
    w.Store("StickToPM", "F");
    w.Store("StayOnTop", "F");
    w.Store("Left", "3000");
    w.Store("top", "1500");
    w.program.Start();
    EXPECT_EQ(w.toolkit.rects[FormId::Main], (PixelRect{200, 100, 252, 151}));
    EXPECT_TRUE(w.TopmostCalls(kLauncherHandle).empty());
}

TEST(Launcher, SavedPositionOffEveryScreenComesBackOntoThePrimaryScreen) {
    struct Case {
        const char* left;
        const char* top;
        PixelRect expected;
    };
    // Primary screen 1280 x 960; launcher 52 x 51.
    for (const Case& c :
         {Case{"-30000", "-30000", {0, 0, 52, 51}}, Case{"60000", "4500", {1228, 300, 1280, 351}},
          Case{"3000", "2147483647", {200, 909, 252, 960}}}) {
        World w;
        w.Store("StickToPM", "F");
        w.Store("Left", c.left);
        w.Store("top", c.top);
        w.program.Start();
        EXPECT_EQ(w.toolkit.rects[FormId::Main], c.expected) << c.left << ", " << c.top;
    }
}

TEST(Launcher, SavedPositionOnASecondScreenIsKeptAPartlyHiddenOneComesWhollyIntoView) {
    World w;
    w.toolkit.monitors = {{0, 0, 1280, 960}, {-1024, 0, 0, 768}};
    w.Store("StickToPM", "F");
    w.Store("Left", "-9000"); // x -600, on the left-hand screen
    w.Store("top", "1500");
    w.program.Start();
    EXPECT_EQ(w.toolkit.rects[FormId::Main], (PixelRect{-600, 100, -548, 151}));

    World edge;
    edge.Store("StickToPM", "F");
    edge.Store("Left", "19155"); // x 1277: 3 pixels still showing
    edge.Store("top", "14355");  // y 957
    edge.program.Start();
    EXPECT_EQ(edge.toolkit.rects[FormId::Main], (PixelRect{1228, 909, 1280, 960}));

    // The taskbar's strip is no place for it, docked or not: the design's place is below it.
    World taskbar;
    taskbar.toolkit.screen = {640, 200, 15, 15};
    taskbar.toolkit.workAreas = {{0, 0, 640, 170}};
    taskbar.program.Start();
    EXPECT_EQ(taskbar.toolkit.rects[FormId::Main], (PixelRect{318, 119, 370, 170}));
}

TEST(Launcher, SessionEndSavesLikeExitOnce) {
    World w;
    w.program.Start();
    w.program.frmMain.mnuStayonTop_Click();
    w.program.Dispatch(FormId::Main, FormEvent{EventKind::EndSession});
    w.program.Dispatch(FormId::Main, FormEvent{EventKind::EndSession});
    w.program.Dispatch(FormId::Smilies, FormEvent{EventKind::EndSession});
    EXPECT_EQ(w.store.writes.size(), 6u);
    EXPECT_EQ(w.Stored("StayOnTop"), "F");
    EXPECT_TRUE(w.toolkit.ended);
}

TEST(Launcher, SecondStartOnlyCallsUpTheFirst) {
    World second;
    second.Store("StayOnTop", "F");
    second.toolkit.prevInstance = true;
    second.program.Start();
    EXPECT_EQ(second.toolkit.calls, (std::vector<std::string>{"WakePrevInstance", "End"}));
    EXPECT_TRUE(second.store.writes.empty());
    EXPECT_FALSE(second.program.frmMain.Loaded());

    // The first, dragged nearly off the screen, comes back whole and in front.
    World first;
    first.program.Start();
    first.toolkit.rects[FormId::Main] = {1270, -40, 1322, 11};
    first.Clear();
    first.program.Dispatch(FormId::Main, FormEvent{EventKind::AnotherStart});
    EXPECT_EQ(first.toolkit.rects[FormId::Main], (PixelRect{1228, 0, 1280, 51}));
    EXPECT_EQ(first.toolkit.calls.back(), "BringForward frmMain");
    EXPECT_TRUE(first.store.writes.empty());
}

TEST(Launcher, SwitchItemsFlipTheirMarkAndOption) {
    World w;
    w.program.Start();
    FrmMain& m = w.program.frmMain;
    m.mnuKeepOpen_Click();
    EXPECT_FALSE(m.Checked(mnuKeepOpen));
    EXPECT_EQ(w.program.Options.KeepOpen, VbFalse);
    EXPECT_FALSE(w.toolkit.menuChecked[mnuKeepOpen]);
    m.mnuSendOnClick_Click();
    m.mnuStickToPM_Click();
    EXPECT_EQ(w.program.Options.SendOnClick, VbFalse);
    EXPECT_EQ(w.program.Options.StickToPM, VbFalse);
    m.mnuKeepOpen_Click();
    EXPECT_EQ(w.program.Options.KeepOpen, VbTrue);
    EXPECT_TRUE(w.store.writes.empty()); // only the exit writes
}

TEST(Launcher, StayOnTopItemAppliesAtOnce) {
    World w;
    w.program.Start();
    w.Clear();
    w.program.frmMain.mnuStayonTop_Click();
    w.program.frmMain.mnuStayonTop_Click();
    EXPECT_EQ(w.TopmostCalls(kLauncherHandle),
              (std::vector<std::string>{"not topmost", "topmost"}));
}

TEST(Launcher, AboutLeavesTheTopmostBandWhileOpen) {
    World w;
    w.program.Start();
    w.Clear();
    std::vector<std::string> duringModal;
    w.toolkit.whileModal = [&] {
        duringModal = w.TopmostCalls(kLauncherHandle);
        w.program.frmAbout.Command1_Click();
    };
    w.program.frmMain.mnuAbout_Click();
    EXPECT_EQ(duringModal, (std::vector<std::string>{"not topmost"}));
    EXPECT_EQ(w.TopmostCalls(kLauncherHandle),
              (std::vector<std::string>{"not topmost", "topmost"}));
    EXPECT_FALSE(w.program.frmAbout.Loaded());
    EXPECT_EQ(w.toolkit.CallsStartingWith("ShowModal"),
              (std::vector<std::string>{"ShowModal frmAbout owner frmMain"}));
}

TEST(Launcher, AboutIsCentredOverTheLauncherAndKeptOutOfTheTaskbar) {
    World w;
    w.toolkit.workAreas = {{0, 0, 1280, 920}};
    w.program.Start();
    w.toolkit.rects[FormId::Main] = {600, 400, 652, 451};
    PixelRect about{};
    w.toolkit.whileModal = [&] {
        about = w.toolkit.rects[FormId::About];
        w.program.frmAbout.Unload(); // as its button does
    };
    w.program.frmMain.mnuAbout_Click();
    const int width = about.Right - about.Left;
    const int height = about.Bottom - about.Top;
    EXPECT_EQ(about.Left, (600 + 652 - width) / 2);
    EXPECT_EQ(about.Top, (400 + 451 - height) / 2);

    w.toolkit.rects[FormId::Main] = {1228, 869, 1280, 920}; // in the corner above the taskbar
    w.program.frmMain.mnuAbout_Click();
    EXPECT_EQ(about.Right, 1280);
    EXPECT_EQ(about.Bottom, 920);
}

TEST(Launcher, AboutWithStayOnTopOffDoesNotTouchTopmost) {
    World w;
    w.Store("StayOnTop", "F");
    w.program.Start();
    w.Clear();
    w.toolkit.whileModal = [&] { w.program.frmAbout.Command1_Click(); };
    w.program.frmMain.mnuAbout_Click();
    EXPECT_TRUE(w.TopmostCalls(kLauncherHandle).empty());
}

TEST(Launcher, ExitSavesThenUnloadsSlideShowAndPaletteThenEnds) {
    World w;
    w.Store("KeepOpen", "F");
    w.program.Start();
    w.program.frmMain.Image1_Click();
    w.program.frmMain.mnuKeepOpen_Click();
    w.Clear();
    w.program.frmMain.mnuExit_Click();
    EXPECT_EQ(w.Stored("KeepOpen"), "T");
    EXPECT_EQ(w.Stored("Left"), "4770");
    EXPECT_EQ(w.Stored("top"), "2640");
    EXPECT_EQ(w.toolkit.calls,
              (std::vector<std::string>{"Destroy frmSmilies", "Destroy frmMain", "End"}));
    EXPECT_FALSE(w.program.frmSmilies.Loaded());
}

TEST(Launcher, HiddenButtonAndPlatformCloseAlsoSave) {
    World a;
    a.program.Start();
    a.program.frmMain.Command1_Click();
    EXPECT_EQ(a.store.writes.size(), 6u);
    EXPECT_TRUE(a.toolkit.ended);
    World b;
    b.program.Start();
    b.program.Dispatch(FormId::Main, FormEvent{EventKind::CloseRequest});
    EXPECT_EQ(b.store.writes.size(), 6u);
    EXPECT_TRUE(b.toolkit.ended);
}

TEST(Launcher, RightPressOnPicturePopsUpTheMenuAtThePicturePoint) {
    World w;
    w.program.Start();
    w.Clear();
    w.toolkit.menuChoice = mnuKeepOpen;
    w.program.Dispatch(FormId::Main,
                       FormEvent{EventKind::MouseDown, Image1, 0, kRightButton, 0, 10, 20});
    EXPECT_EQ(w.toolkit.calls.front(), "Popup frmMain 10,20");
    EXPECT_EQ(w.program.Options.KeepOpen, VbFalse);
    // A left press on the picture neither drags nor pops up; a right press on the rim does
    // nothing; a left press on the rim drags.
    w.Clear();
    w.program.Dispatch(FormId::Main, FormEvent{EventKind::MouseDown, Image1, 0, kLeftButton});
    w.program.Dispatch(FormId::Main, FormEvent{EventKind::MouseDown, kOnForm, 0, kRightButton});
    EXPECT_TRUE(w.toolkit.calls.empty());
    EXPECT_TRUE(w.windows.calls.empty());
    w.program.Dispatch(FormId::Main, FormEvent{EventKind::MouseDown, kOnForm, 0, kLeftButton});
    EXPECT_EQ(w.windows.calls,
              (std::vector<std::string>{"ReleaseCapture", "SendMessageA(1000,161,2,0)"}));
}

} // namespace
