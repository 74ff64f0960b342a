#include "world.h"

#include <gtest/gtest.h>

namespace {

using namespace MainControls;
using Call = ToolkitCall;
using Calls = std::vector<ToolkitCall>;
using Op = ToolkitCall::Op;

TEST(Launcher, StartUpLoadsTheLauncherThenShowsIt) {
    World w;
    w.program.Start();
    ASSERT_FALSE(w.toolkit.calls.empty());
    EXPECT_EQ(w.toolkit.calls.front(), Call::CreateForm(FormId::Main));
    EXPECT_EQ(w.toolkit.calls.back(), Call::ShowForm(FormId::Main, FormId::Main));
    EXPECT_EQ(w.toolkit.CallsOf(Op::SetPicture),
              (Calls{Call::SetPicture(FormId::Main, Image1, 0, 101)}));
    EXPECT_EQ(w.toolkit.menuChecked, (std::map<int, bool>{{mnuStayonTop, true},
                                                          {mnuSendOnClick, true},
                                                          {mnuStickToPM, true},
                                                          {mnuKeepOpen, true},
                                                          {mnuAnyWindow, false},
                                                          {mnuStartWithWindows, false}}));
    EXPECT_EQ(w.toolkit.CallsOf(Op::RegisterHotKey),
              (Calls{Call::RegisterHotKey(FormId::Main, 1)}));
    EXPECT_FALSE(w.program.frmSmilies.Loaded());
    // First run: saved 100, 100 is not applied while Stick To PM is on.
    EXPECT_EQ(w.toolkit.rects[FormId::Main], (PixelRect{318, 176, 370, 227}));
    EXPECT_EQ(w.toolkit.CallsOf(Op::SetTopmost),
              (Calls{Call::SetTopmost(FormId::Main, true, true)}));
    EXPECT_EQ(w.store.reads.size(), 8u); // the seven options and the hot key
    EXPECT_TRUE(w.store.writes.empty());
}

TEST(Launcher, MissingCodeFileShowsTheMessageAndEndsWithTheStoreUntouched) {
    World w;
    w.files.attributes.clear();
    w.Store("StayOnTop", "T");
    // A second start meanwhile shows no launcher, nor takes the keys from the message.
    w.toolkit.whileMessageBox = [&] {
        w.program.Dispatch(FormId::Main, FormEvent{EventKind::AnotherStart});
    };
    w.program.Start();
    EXPECT_EQ(
        w.toolkit.calls,
        (Calls{Call::CreateForm(FormId::Main),
               Call::MessageBoxCritical("A required file, code.dll is not found.", "Fizzmo Lite"),
               Call::DestroyForm(FormId::Main), Call::EndProgram()}));
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
    World empty; // an empty file is a code file
    empty.files.AddFile("codes.dll", "");
    empty.program.Start();
    EXPECT_TRUE(empty.program.frmMain.Loaded());
}

// Primary screen 1280 x 960, another of 1024 x 768 left of it; launcher 52 x 51. Stick To PM off.
TEST(Launcher, SavedPositionIsKeptOnSomeScreenElseBroughtOntoThePrimaryOne) {
    struct Case {
        const char* left;
        const char* top;
        PixelRect expected;
    };
    for (const Case& c :
         {Case{"3000", "1500", {200, 100, 252, 151}},
          Case{"-30000", "-30000", {-1024, 0, -972, 51}}, // onto the nearest screen
          Case{"60000", "4500", {1228, 300, 1280, 351}},
          Case{"3000", "2147483647", {200, 909, 252, 960}},
          Case{"-9000", "1500", {-600, 100, -548, 151}}, // on the left-hand screen
          Case{"-600", "1500", {-52, 100, 0, 151}},      // across two screens: whole onto the one
          Case{"19155", "14355", {1228, 909, 1280, 960}}}) { // 3 x 3 pixels showing
        World w;
        w.toolkit.monitors = {{0, 0, 1280, 960}, {-1024, 0, 0, 768}};
        w.Store("StickToPM", "F");
        w.Store("StayOnTop", "F");
        w.Store("Left", c.left);
        w.Store("top", c.top);
        w.program.Start();
        EXPECT_EQ(w.toolkit.rects[FormId::Main], c.expected) << c.left << ", " << c.top;
        EXPECT_TRUE(w.toolkit.CallsOf(Op::SetTopmost).empty());
    }
}

TEST(Launcher, NotOnTheTaskbarsStripEvenAtTheDesignPlace) {
    World w;
    w.toolkit.screen = {640, 200, 15, 15};
    w.toolkit.workAreas = {{0, 0, 640, 170}};
    w.program.Start(); // Stick To PM on: the design's place, 318, 176, is below the work area
    EXPECT_EQ(w.toolkit.rects[FormId::Main], (PixelRect{318, 119, 370, 170}));
}

TEST(Launcher, SessionEndSavesLikeExitOnce) {
    World w;
    w.program.Start();
    w.program.frmMain.mnuStayonTop_Click();
    w.program.Dispatch(FormId::Main, FormEvent{EventKind::EndSession});
    w.program.Dispatch(FormId::Main, FormEvent{EventKind::EndSession});
    w.program.Dispatch(FormId::Smilies, FormEvent{EventKind::EndSession});
    EXPECT_EQ(w.store.writes.size(), 8u); // once: the options, the position and its dpi
    EXPECT_EQ(w.Stored("StayOnTop"), "F");
    EXPECT_TRUE(w.toolkit.ended);
}

TEST(Launcher, SecondStartOnlyCallsUpTheFirst) {
    World second;
    second.Store("StayOnTop", "F");
    second.toolkit.prevInstance = true;
    second.program.Start();
    EXPECT_EQ(second.toolkit.calls, (Calls{Call::WakePrevInstance(), Call::EndProgram()}));
    EXPECT_TRUE(second.store.writes.empty());
    EXPECT_FALSE(second.program.frmMain.Loaded());

    // The first, dragged nearly off the screen, comes back whole and in front.
    World first;
    first.program.Start();
    first.toolkit.rects[FormId::Main] = {1270, -40, 1322, 11};
    first.Clear();
    first.program.Dispatch(FormId::Main, FormEvent{EventKind::AnotherStart});
    EXPECT_EQ(first.toolkit.rects[FormId::Main], (PixelRect{1228, 0, 1280, 51}));
    EXPECT_EQ(first.toolkit.calls.back(), Call::BringForward(FormId::Main));
    EXPECT_TRUE(first.store.writes.empty());
}

TEST(Launcher, SecondStartWhileTheAboutBoxIsOpenBringsTheBoxForward) {
    World w;
    w.program.Start();
    w.toolkit.rects[FormId::Main] = {1270, -40, 1322, 11};
    Calls whileOpen;
    w.toolkit.whileModal = [&] {
        w.Clear();
        // Every form of the program hears the second start.
        w.program.Dispatch(FormId::About, FormEvent{EventKind::AnotherStart});
        w.program.Dispatch(FormId::Main, FormEvent{EventKind::AnotherStart});
        whileOpen = w.toolkit.calls;
        w.program.frmAbout.Command1_Click();
    };
    w.program.frmMain.mnuAbout_Click();
    // The launcher under the box still comes back onto the screen.
    EXPECT_EQ(whileOpen, (Calls{Call::MoveForm(FormId::Main, {1228, 0, 1280, 51}),
                                Call::BringForward(FormId::About)}));
    w.Clear();
    w.program.Dispatch(FormId::Main, FormEvent{EventKind::AnotherStart});
    EXPECT_EQ(w.toolkit.calls, (Calls{Call::BringForward(FormId::Main)}));
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
    EXPECT_EQ(w.toolkit.CallsOf(Op::SetTopmost),
              (Calls{Call::SetTopmost(FormId::Main, false, true),
                     Call::SetTopmost(FormId::Main, true, true)}));
}

TEST(Launcher, AboutLeavesTheTopmostBandWhileOpenOnlyWithStayOnTop) {
    for (const char* stayOnTop : {"T", "F"}) {
        World w;
        w.Store("StayOnTop", stayOnTop);
        w.program.Start();
        w.Clear();
        Calls duringModal;
        w.toolkit.whileModal = [&] {
            duringModal = w.toolkit.CallsOf(Op::SetTopmost);
            w.program.frmAbout.Command1_Click();
        };
        w.program.frmMain.mnuAbout_Click();
        const Call out = Call::SetTopmost(FormId::Main, false, true);
        const Call in = Call::SetTopmost(FormId::Main, true, true);
        const bool on = stayOnTop[0] == 'T';
        EXPECT_EQ(duringModal, on ? Calls{out} : Calls{});
        EXPECT_EQ(w.toolkit.CallsOf(Op::SetTopmost), (on ? Calls{out, in} : Calls{}));
        EXPECT_FALSE(w.program.frmAbout.Loaded());
        EXPECT_EQ(w.toolkit.CallsOf(Op::ShowModal),
                  (Calls{Call::ShowModal(FormId::About, FormId::Main)}));
    }
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
              (Calls{Call::UnregisterHotKey(FormId::Main, 1), Call::DestroyForm(FormId::Smilies),
                     Call::DestroyForm(FormId::Main), Call::EndProgram()}));
    EXPECT_FALSE(w.program.frmSmilies.Loaded());
}

TEST(Launcher, HiddenButtonAndPlatformCloseAlsoSave) {
    for (int way = 0; way < 2; ++way) {
        World w;
        w.program.Start();
        if (way == 0) {
            w.program.frmMain.Command1_Click();
        } else {
            w.program.Dispatch(FormId::Main, FormEvent{EventKind::CloseRequest});
        }
        EXPECT_EQ(w.store.writes.size(), 8u); // the options, the position and its dpi
        EXPECT_TRUE(w.toolkit.ended);
    }
}

TEST(Launcher, RightPressOnPicturePopsUpTheMenuAtThePicturePoint) {
    World w;
    w.program.Start();
    w.Clear();
    w.toolkit.menuChoice = mnuKeepOpen;
    w.program.Dispatch(FormId::Main,
                       FormEvent{EventKind::MouseDown, Image1, 0, kRightButton, 0, 10, 20});
    EXPECT_EQ(w.toolkit.CallsOf(Op::PopupMenu), (Calls{Call::PopupMenu(FormId::Main, 10, 20)}));
    EXPECT_EQ(w.program.Options.KeepOpen, VbFalse);
    // A left press on the picture neither drags nor pops up; a right press on the rim does
    // nothing; a left press on the rim drags.
    w.Clear();
    w.program.Dispatch(FormId::Main, FormEvent{EventKind::MouseDown, Image1, 0, kLeftButton});
    w.program.Dispatch(FormId::Main, FormEvent{EventKind::MouseDown, kOnForm, 0, kRightButton});
    EXPECT_TRUE(w.toolkit.calls.empty());
    EXPECT_TRUE(w.windows.calls.empty());
    w.program.Dispatch(FormId::Main, FormEvent{EventKind::MouseDown, kOnForm, 0, kLeftButton});
    EXPECT_EQ(w.toolkit.calls, (Calls{Call::BeginDrag(FormId::Main)}));
}

} // namespace
