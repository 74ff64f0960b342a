#include "world.h"

#include <gtest/gtest.h>

namespace {

struct SlideShow : ::testing::Test, World {
    SlideShow() {
        program.Start();
        program.frmMain.Image1_Click();
    }
    void Type(const std::string& keys) {
        for (char c : keys) {
            program.frmSmilies.Text1_KeyPress(static_cast<unsigned char>(c));
        }
    }
};

std::string FiveKeysSumming(int sum) {
    std::string keys(4, 'u'); // 468
    keys.push_back(static_cast<char>(sum - 4 * 'u'));
    return keys;
}

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
    Type(FiveKeysSumming(583));
    EXPECT_TRUE(program.frmSlideShow.Loaded());
    EXPECT_EQ(program.KeyCount, 0);
    EXPECT_EQ(program.frmSmilies.KeySum, 0);
    EXPECT_EQ(toolkit.CallsStartingWith("Show frmSlideShow"),
              (std::vector<std::string>{"Show frmSlideShow owner frmSmilies"}));
    EXPECT_EQ(toolkit.CallsStartingWith("Text frmSlideShow"),
              (std::vector<std::string>{"Text frmSlideShow.3(0) "}));
    EXPECT_TRUE(program.frmSlideShow.Scrolling());
}

TEST_F(SlideShow, OnlyWholeGroupsOfFiveCount) {
    Type(FiveKeysSumming(584));
    EXPECT_FALSE(program.frmSlideShow.Loaded());
    Type("uu" + FiveKeysSumming(583).substr(0, 3)); // 583 spread over two groups
    EXPECT_FALSE(program.frmSlideShow.Loaded());
    Type(FiveKeysSumming(583));
    EXPECT_TRUE(program.frmSlideShow.Loaded());
}

TEST_F(SlideShow, KeyCountSurvivesAPaletteReloadButKeySumDoesNot) {
    Type("uuuu");
    program.frmSmilies.cmdClose_Click();
    program.frmMain.Image1_Click();
    EXPECT_EQ(program.KeyCount, 4);
    EXPECT_EQ(program.frmSmilies.KeySum, 0);
    program.frmSmilies.Text1_KeyPress(583);
    EXPECT_TRUE(program.frmSlideShow.Loaded()); // the fifth key, holding the whole sum
}

TEST_F(SlideShow, ScrollsPausesResumesAndRestartsAfterClosing) {
    Type(FiveKeysSumming(583));
    FrmSlideShow& show = program.frmSlideShow;
    show.Timer1_Timer();
    show.Timer1_Timer();
    EXPECT_EQ(show.Image1Left(), -60);
    show.Image1_Click();
    EXPECT_FALSE(show.Scrolling());
    EXPECT_EQ(show.Image1Left(), -60);
    show.Image1_Click();
    show.Timer1_Timer();
    EXPECT_EQ(show.Image1Left(), -90);
    show.Image1_Click();
    show.OKButton_Click();
    EXPECT_FALSE(show.Loaded());
    Type(FiveKeysSumming(583));
    EXPECT_EQ(show.Image1Left(), 0);
    EXPECT_TRUE(show.Scrolling());
}

TEST_F(SlideShow, TypingItAgainWhileOpenDoesNotRestart) {
    Type(FiveKeysSumming(583));
    program.frmSlideShow.Timer1_Timer();
    Type(FiveKeysSumming(583));
    EXPECT_EQ(program.frmSlideShow.Image1Left(), -30);
    EXPECT_EQ(toolkit.CallsStartingWith("Create frmSlideShow").size(), 1u);
}

TEST_F(SlideShow, ClosingThePaletteClosesItAndTheSequenceOpensItAgain) {
    Type(FiveKeysSumming(583));
    program.frmMain.Image1_Click();
    program.frmSmilies.cmdClose_Click();
    EXPECT_FALSE(program.frmSlideShow.Loaded());
    EXPECT_EQ(toolkit.calls.back(), "Destroy frmSmilies");
    program.frmMain.Image1_Click();
    Type(FiveKeysSumming(583));
    EXPECT_TRUE(program.frmSlideShow.Loaded());
    EXPECT_TRUE(toolkit.visible[FormId::SlideShow]);
}

TEST_F(SlideShow, LauncherExitClosesIt) {
    Type(FiveKeysSumming(583));
    program.frmMain.mnuExit_Click();
    EXPECT_FALSE(program.frmSlideShow.Loaded());
    EXPECT_FALSE(program.frmSmilies.Loaded());
}

} // namespace
