#include "world.h"

#include <gtest/gtest.h>

namespace {

using Call = ToolkitCall;
using Calls = std::vector<ToolkitCall>;
using Op = ToolkitCall::Op;

// The palette open; keys are typed into its text box.
struct SlideShow : ::testing::Test, World {
    SlideShow() {
        program.Start();
        program.frmMain.Image1_Click();
    }
    FrmSlideShow& show() { return program.frmSlideShow; }
    void Type(const std::string& keys) {
        for (char c : keys) {
            program.frmSmilies.Text1_KeyPress(static_cast<unsigned char>(c));
        }
    }
};

// Five keys adding up to 583 ('u' 117 four times, 's' 115), and five adding up to 584.
constexpr const char* kHidden = "uuuus";
constexpr const char* kOneMore = "uuuut";

TEST(ScrollModel, StepsLeftAndJumpsBackAtTheFullWidth) {
    SlideScroll s;
    EXPECT_EQ(s.Tick(21600), -30);
    float last = 0;
    for (int i = 1; i < 719; ++i) {
        last = s.Tick(21600);
    }
    EXPECT_EQ(last, -21570);
    EXPECT_EQ(s.Tick(21600), 0);
}

TEST_F(SlideShow, FiveKeysSumming583OpenItAndTheCountersRestart) {
    Type(kHidden);
    EXPECT_TRUE(show().Loaded());
    EXPECT_EQ(program.KeyCount, 0);
    EXPECT_EQ(program.frmSmilies.KeySum, 0);
    EXPECT_EQ(toolkit.CallsOf(Op::ShowForm, FormId::SlideShow),
              (Calls{Call::ShowForm(FormId::SlideShow, FormId::Smilies)}));
    EXPECT_EQ(toolkit.CallsOf(Op::SetText, FormId::SlideShow),
              (Calls{Call::SetText(FormId::SlideShow, SlideShowControls::Label2, 0, "")}));
    EXPECT_TRUE(show().Scrolling());
}

TEST_F(SlideShow, OnlyWholeGroupsOfFiveCount) {
    Type(kOneMore);
    Type("uu");
    Type("uuu"); // with "us" next, 583 would be spread over two groups
    EXPECT_FALSE(show().Loaded());
    Type(kHidden);
    EXPECT_TRUE(show().Loaded());
}

TEST_F(SlideShow, KeyCountSurvivesAPaletteReloadButKeySumDoesNot) {
    Type("uuuu");
    program.frmSmilies.cmdClose_Click();
    program.frmMain.Image1_Click();
    EXPECT_EQ(program.KeyCount, 4);
    EXPECT_EQ(program.frmSmilies.KeySum, 0);
    program.frmSmilies.Text1_KeyPress(583);
    EXPECT_TRUE(show().Loaded()); // the fifth key, holding the whole sum
}

TEST_F(SlideShow, ScrollsPausesResumesAndRestartsAfterClosingButNotWhenTypedAgain) {
    Type(kHidden);
    show().Timer1_Timer();
    show().Timer1_Timer();
    EXPECT_EQ(show().Image1Left(), -60);
    show().Image1_Click();
    EXPECT_FALSE(show().Scrolling());
    Type(kHidden); // already open: nothing restarts
    EXPECT_EQ(show().Image1Left(), -60);
    EXPECT_EQ(toolkit.CallsOf(Op::CreateForm, FormId::SlideShow).size(), 1u);
    show().Image1_Click();
    show().Timer1_Timer();
    EXPECT_EQ(show().Image1Left(), -90);
    show().OKButton_Click();
    EXPECT_FALSE(show().Loaded());
    Type(kHidden);
    EXPECT_EQ(show().Image1Left(), 0);
    EXPECT_TRUE(show().Scrolling());
}

// Moved onto a 150 % monitor, the strip keeps its size on the screen and scrolls on from where
// it was.
TEST_F(SlideShow, AtAnotherScaleTheStripKeepsItsSizeAndGoesOnFromWhereItWas) {
    Type(kHidden);
    show().Timer1_Timer();
    show().Timer1_Timer();
    FormEvent moved{EventKind::DpiChanged};
    moved.dpi = 144;
    moved.suggested = toolkit.rects[FormId::SlideShow];
    program.Dispatch(FormId::SlideShow, moved);
    const auto strip = [&] {
        return toolkit.CallsOf(Op::SetControlRect, FormId::SlideShow, SlideShowControls::Image1)
            .back();
    };
    EXPECT_EQ(strip(), Call::SetControlRect(FormId::SlideShow, SlideShowControls::Image1, 0,
                                            {-6, 0, 2154, 150}));
    show().Timer1_Timer();
    EXPECT_EQ(strip(), Call::SetControlRect(FormId::SlideShow, SlideShowControls::Image1, 0,
                                            {-9, 0, 2151, 150}));
}

TEST_F(SlideShow, ClosingThePaletteClosesItAndTheSequenceOpensItAgain) {
    Type(kHidden);
    program.frmMain.Image1_Click();
    program.frmSmilies.cmdClose_Click();
    EXPECT_FALSE(program.frmSlideShow.Loaded());
    EXPECT_EQ(toolkit.calls.back(), Call::DestroyForm(FormId::Smilies));
    program.frmMain.Image1_Click();
    Type(kHidden);
    EXPECT_TRUE(program.frmSlideShow.Loaded());
    EXPECT_TRUE(toolkit.visible[FormId::SlideShow]);
}

TEST_F(SlideShow, LauncherExitClosesIt) {
    Type(kHidden);
    program.frmMain.mnuExit_Click();
    EXPECT_FALSE(show().Loaded());
    EXPECT_FALSE(program.frmSmilies.Loaded());
}

} // namespace
