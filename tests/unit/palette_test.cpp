#include "world.h"

#include <gtest/gtest.h>

namespace {

using namespace SmiliesControls;

// The palette shown once, beside an IM window, from the code file ":)", ":(", "happy".
struct Palette : ::testing::Test, World {
    Hwnd input = 0;
    Palette() {
        input = windows.AddChild(windows.AddTopLevel("IMClass"), "RICHEDIT", "");
        program.Start();
        program.frmMain.Image1_Click();
    }
    FrmSmilies& palette() { return program.frmSmilies; }
    std::string TypedText() {
        std::string text;
        for (const SentMessage& m : windows.messages) {
            if (m.message == win::kWmChar) {
                text.push_back(static_cast<char>(m.wParam));
            }
        }
        return text;
    }
};

TEST_F(Palette, LoadFillsTheGridAndMakesItselfTopmost) {
    EXPECT_TRUE(palette().Loaded());
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(palette().BorderStyle(i), 1);
    }
    EXPECT_EQ(palette().Text1Text(), "");
    const auto pictures = toolkit.CallsStartingWith("Picture frmSmilies");
    ASSERT_EQ(pictures.size(), 64u);
    EXPECT_EQ(pictures.front(), "Picture frmSmilies.2(0) 101");
    EXPECT_EQ(pictures.back(), "Picture frmSmilies.2(63) 164");
    // The short code file leaves every label empty.
    const auto tips = toolkit.CallsStartingWith("ToolTip");
    EXPECT_EQ(tips[0], "ToolTip frmSmilies.2(0) :)   ");
    EXPECT_EQ(tips[2], "ToolTip frmSmilies.2(2) happy   ");
    // Built where the load puts it, and not moved again.
    EXPECT_EQ(toolkit.CallsStartingWith("Rect frmSmilies.2(9)"),
              (std::vector<std::string>{"Rect frmSmilies.2(9) 27,34,49,56"}));
    EXPECT_EQ(TopmostCalls(kPaletteHandle), (std::vector<std::string>{"topmost"}));
}

TEST_F(Palette, HoverShowsTheTextAndDropsOnlyThatBorder) {
    palette().smiley_MouseMove(3);
    palette().smiley_MouseMove(0);
    EXPECT_EQ(palette().Text1Text(), ":)   ");
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(palette().BorderStyle(i), i == 0 ? 0 : 1) << i;
    }
    // Moving over the background changes nothing.
    program.Dispatch(FormId::Smilies, FormEvent{EventKind::MouseMove, kOnForm});
    EXPECT_EQ(palette().BorderStyle(0), 0);
    EXPECT_EQ(palette().Text1Text(), ":)   ");
}

TEST_F(Palette, ClickTypesTheCodeAndKeepOpenDecidesHiding) {
    palette().smiley_Click(0);
    EXPECT_EQ(TypedText(), ":)");
    EXPECT_TRUE(toolkit.visible[FormId::Smilies]);
    program.frmMain.mnuKeepOpen_Click();
    palette().smiley_Click(1);
    EXPECT_EQ(TypedText(), ":):(");
    EXPECT_FALSE(toolkit.visible[FormId::Smilies]);
    EXPECT_TRUE(palette().Loaded());
}

TEST_F(Palette, ClickWithoutIMWindowStillHides) {
    World w;
    w.Store("KeepOpen", "F");
    w.program.Start();
    w.program.frmMain.Image1_Click();
    w.program.frmSmilies.smiley_Click(5);
    EXPECT_TRUE(w.windows.messages.empty());
    EXPECT_FALSE(w.toolkit.visible[FormId::Smilies]);
}

TEST_F(Palette, AMessengerThatDoesNotAnswerGetsNothingAndTheUserHearsIt) {
    windows.HangAfter(input, 0);
    toolkit.calls.clear();
    palette().smiley_Click(0);
    EXPECT_TRUE(windows.messages.empty());
    // The clicks made while it kept us waiting are dropped before anything else happens.
    EXPECT_EQ(toolkit.calls.at(0), "DiscardMouseInput");
    EXPECT_EQ(toolkit.calls.at(1), "Beep");
    // A messenger that answers again gets the next code, with no sign.
    windows.HangAfter(input, -1);
    toolkit.calls.clear();
    palette().smiley_Click(0);
    EXPECT_EQ(TypedText(), ":)");
    EXPECT_TRUE(toolkit.CallsStartingWith("Beep").empty());
}

TEST_F(Palette, APictureWithoutACodeSendsNothingNotEvenEnter) {
    palette().smiley_Click(63); // the test's code file has three fields
    EXPECT_TRUE(windows.messages.empty());
    EXPECT_TRUE(toolkit.CallsStartingWith("Beep").empty());
}

TEST_F(Palette, DeactivationAndLostFocusHideWhateverKeepOpenSays) {
    program.Dispatch(FormId::Smilies, FormEvent{EventKind::Deactivate});
    EXPECT_FALSE(toolkit.visible[FormId::Smilies]);
    program.frmMain.Image1_Click();
    EXPECT_TRUE(toolkit.visible[FormId::Smilies]);
    program.Dispatch(FormId::Smilies, FormEvent{EventKind::LostFocus});
    EXPECT_FALSE(toolkit.visible[FormId::Smilies]);
}

TEST_F(Palette, ShowingAgainKeepsItsStateAndClosingRereadsTheFile) {
    palette().smiley_MouseMove(1);
    palette().Hide();
    Clear();
    program.frmMain.Image1_Click();
    EXPECT_TRUE(toolkit.CallsStartingWith("Create").empty());
    EXPECT_EQ(palette().Text1Text(), ":(   ");

    program.Dispatch(FormId::Smilies, FormEvent{EventKind::Click, cmdClose});
    EXPECT_FALSE(palette().Loaded());
    files.AddFile("codes.dll", ";)\r\n");
    program.frmMain.Image1_Click();
    EXPECT_EQ(palette().BorderStyle(1), 1);
    EXPECT_EQ(palette().Text1Text(), "");
    palette().smiley_MouseMove(0);
    EXPECT_EQ(palette().Text1Text(), ";)   ");
    // A code file gone by then gives empty codes.
    program.Dispatch(FormId::Smilies, FormEvent{EventKind::CloseRequest});
    files.contents.clear();
    program.frmMain.Image1_Click();
    palette().smiley_MouseMove(0);
    EXPECT_EQ(palette().Text1Text(), "   ");
}

TEST_F(Palette, OnlyLeftPressesOnBackgroundAndFramesDrag) {
    Clear();
    program.Dispatch(FormId::Smilies, FormEvent{EventKind::MouseDown, kOnForm, 0, kRightButton});
    program.Dispatch(FormId::Smilies, FormEvent{EventKind::MouseDown, smiley, 3, kLeftButton});
    EXPECT_TRUE(windows.calls.empty());
    for (int control : {kOnForm, int{Frame1}, int{Frame2}}) {
        program.Dispatch(FormId::Smilies, FormEvent{EventKind::MouseDown, control, 0, kLeftButton});
    }
    EXPECT_EQ(std::count(windows.calls.begin(), windows.calls.end(), "ReleaseCapture"), 3);
}

} // namespace
