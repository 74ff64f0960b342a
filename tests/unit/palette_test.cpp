#include "world.h"

#include <gtest/gtest.h>

namespace {

using namespace SmiliesControls;
using Call = ToolkitCall;
using Calls = std::vector<ToolkitCall>;
using Op = ToolkitCall::Op;

// The palette shown once, beside an IM window, from the code file ":)", ":(", "happy".
struct Palette : ::testing::Test, World {
    Hwnd input = 0;
    Palette() {
        input = windows.AddChild(windows.AddTopLevel("IMClass"), "RICHEDIT", "");
        program.Start();
        program.frmMain.Image1_Click();
    }
    FrmSmilies& palette() { return program.frmSmilies; }
};

TEST_F(Palette, LoadFillsTheGridAndMakesItselfTopmost) {
    EXPECT_TRUE(palette().Loaded());
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(palette().BorderStyle(i), 1);
    }
    EXPECT_EQ(palette().Text1Text(), "");
    const Calls pictures = toolkit.CallsOf(Op::SetPicture, FormId::Smilies);
    ASSERT_EQ(pictures.size(), 64u);
    EXPECT_EQ(pictures.front(), Call::SetPicture(FormId::Smilies, smiley, 0, 101));
    EXPECT_EQ(pictures.back(), Call::SetPicture(FormId::Smilies, smiley, 63, 164));
    // The short code file leaves every label empty.
    const Calls tips = toolkit.CallsOf(Op::SetToolTip);
    ASSERT_EQ(tips.size(), 64u);
    EXPECT_EQ(tips[0], Call::SetToolTip(FormId::Smilies, smiley, 0, ":)   "));
    EXPECT_EQ(tips[2], Call::SetToolTip(FormId::Smilies, smiley, 2, "happy   "));
    // Built where the load puts it, and not moved again.
    EXPECT_EQ(toolkit.CallsOf(Op::SetControlRect, FormId::Smilies, smiley, 9),
              (Calls{Call::SetControlRect(FormId::Smilies, smiley, 9, {27, 34, 49, 56})}));
    // Into the band while still hidden: the launcher shows it where it belongs.
    EXPECT_EQ(toolkit.CallsOf(Op::SetTopmost, FormId::Smilies),
              (Calls{Call::SetTopmost(FormId::Smilies, true, false)}));
}

// At 144 dpi the cells are 33 pixels, so the palette keeps its size on the screen and its
// text box, 2115 twips wide, lies inside the strip below the grid, moved right past the
// label's text ("Smiley", 6 characters of 9 pixels from pixel 8). At 96 dpi it stays put.
TEST(PaletteScale, CellsGrowWithTheResolutionAndTheTextBoxFits) {
    World at96;
    at96.toolkit.charWidth = 9;
    at96.program.Start();
    at96.program.frmMain.Image1_Click();
    EXPECT_TRUE(at96.toolkit.CallsOf(Op::SetControlRect, FormId::Smilies, Text1).empty());

    World w;
    w.toolkit.screen = ScreenMetrics{1920, 1440, 10, 10};
    w.toolkit.charWidth = 9;
    w.program.Start();
    w.program.frmMain.Image1_Click();
    const Calls cells = w.toolkit.CallsOf(Op::SetControlRect, FormId::Smilies, smiley);
    ASSERT_EQ(cells.size(), 64u);
    const PixelRect& cell0 = cells[0].rect;
    EXPECT_EQ(cells[0].index, 0);
    EXPECT_EQ(cell0.Right - cell0.Left, 33);
    EXPECT_EQ(cell0.Bottom - cell0.Top, 33);
    EXPECT_EQ(cells[9].index, 9);
    EXPECT_EQ(cells[9].rect.Left - cell0.Left, 33);
    EXPECT_EQ(cells[9].rect.Top - cell0.Top, 33);
    const Calls frame2 = w.toolkit.CallsOf(Op::SetControlRect, FormId::Smilies, Frame2, 0);
    ASSERT_EQ(frame2.size(), 1u);
    for (const ControlDesign& c : w.toolkit.designs.at(FormId::Smilies).controls) {
        if (c.id == SmiliesControls::Text1) {
            EXPECT_LE(c.pixels.Right, frame2[0].rect.Right - frame2[0].rect.Left);
        }
    }
    EXPECT_EQ(w.toolkit.CallsOf(Op::SetControlRect, FormId::Smilies, Text1),
              (Calls{Call::SetControlRect(FormId::Smilies, Text1, 0, {62, 18, 264, 46})}));
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
    ASSERT_GE(toolkit.calls.size(), 2u);
    EXPECT_EQ(toolkit.calls[0], Call::DiscardMouseInput());
    EXPECT_EQ(toolkit.calls[1], Call::Beep());
    // A messenger that answers again gets the next code, with no sign.
    windows.HangAfter(input, -1);
    toolkit.calls.clear();
    palette().smiley_Click(0);
    EXPECT_EQ(TypedText(), ":)");
    EXPECT_TRUE(toolkit.CallsOf(Op::Beep).empty());
}

TEST_F(Palette, APictureWithoutACodeSendsNothingNotEvenEnter) {
    palette().smiley_Click(63); // the test's code file has three fields
    EXPECT_TRUE(windows.messages.empty());
    EXPECT_TRUE(toolkit.CallsOf(Op::Beep).empty());
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
    EXPECT_TRUE(toolkit.CallsOf(Op::CreateForm).empty());
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

// The first picture's code and label from files as editors save them: the text box, tooltip
// and screen readers get the text in UTF-8, the messenger the code page's bytes.
TEST(PaletteText, ShowsTheFilesTextAndTheMessengerGetsTheCodePage) {
    struct Case {
        std::string code;
        std::string shown;
        std::string typed;
    };
    const Case cases[] = {
        {"caf\xC3\xA9", "caf\xC3\xA9   gr\xC3\xBC\xC3\x9F", "caf\xE9"}, // UTF-8 without a mark
        {"\xD0\x9F\xD1\x80\xD0\xB8", "\xD0\x9F\xD1\x80\xD0\xB8   gr\xC3\xBC\xC3\x9F", "???"},
        {"Z\xFCrich", "Z\xC3\xBCrich   gr\xC3\xBC\xC3\x9F", "Z\xFCrich"}, // ANSI, not UTF-8
    };
    for (const Case& c : cases) {
        World w;
        w.windows.AddChild(w.windows.AddTopLevel("IMClass"), "RICHEDIT", "");
        // The code, 63 empty codes, the label: in ANSI when the code is.
        std::string file = c.code;
        for (int i = 0; i < 64; ++i) {
            file += "\r\n";
        }
        file += c.code == "Z\xFCrich" ? "gr\xFC\xDF" : "gr\xC3\xBC\xC3\x9F";
        w.files.AddFile("codes.dll", file);
        w.program.Start();
        w.program.frmMain.Image1_Click();
        w.program.frmSmilies.smiley_MouseMove(0);
        EXPECT_EQ(w.toolkit.CallsOf(Op::SetText, FormId::Smilies, Text1, 0),
                  (Calls{Call::SetText(FormId::Smilies, Text1, 0, c.shown)}));
        EXPECT_EQ(w.toolkit.CallsOf(Op::SetToolTip, FormId::Smilies, smiley, 0),
                  (Calls{Call::SetToolTip(FormId::Smilies, smiley, 0, c.shown)}));
        w.program.frmSmilies.smiley_Click(0);
        EXPECT_EQ(w.TypedText(), c.typed);
    }
}

TEST_F(Palette, OnlyLeftPressesOnBackgroundAndFramesDrag) {
    Clear();
    program.Dispatch(FormId::Smilies, FormEvent{EventKind::MouseDown, kOnForm, 0, kRightButton});
    program.Dispatch(FormId::Smilies, FormEvent{EventKind::MouseDown, smiley, 3, kLeftButton});
    EXPECT_TRUE(toolkit.calls.empty());
    for (int control : {kOnForm, int{Frame1}, int{Frame2}}) {
        program.Dispatch(FormId::Smilies, FormEvent{EventKind::MouseDown, control, 0, kLeftButton});
    }
    EXPECT_EQ(toolkit.calls, Calls(3, Call::BeginDrag(FormId::Smilies)));
}

} // namespace
