// The palette from the keyboard: moving the highlight, typing with Enter, the hot key, and the
// focus going back to the conversation after a pick.
#include "world.h"

#include <gtest/gtest.h>

namespace {

using Call = ToolkitCall;
using Calls = std::vector<ToolkitCall>;
using Op = ToolkitCall::Op;

TEST(GridNavigation, ArrowsRunOnAcrossRowsAndStopAtTheEnds) {
    EXPECT_EQ(MoveHighlight(7, GridMove::Right, 64, 8), 8);
    EXPECT_EQ(MoveHighlight(8, GridMove::Left, 64, 8), 7);
    EXPECT_EQ(MoveHighlight(0, GridMove::Left, 64, 8), 0);
    EXPECT_EQ(MoveHighlight(63, GridMove::Right, 64, 8), 63);
    EXPECT_EQ(MoveHighlight(10, GridMove::Down, 64, 8), 18);
    EXPECT_EQ(MoveHighlight(10, GridMove::Up, 64, 8), 2);
    EXPECT_EQ(MoveHighlight(2, GridMove::Up, 64, 8), 2);
    EXPECT_EQ(MoveHighlight(58, GridMove::Down, 64, 8), 58);
    EXPECT_EQ(MoveHighlight(21, GridMove::RowStart, 64, 8), 16);
    EXPECT_EQ(MoveHighlight(21, GridMove::RowEnd, 64, 8), 23);
    EXPECT_EQ(MoveHighlight(21, GridMove::First, 64, 8), 0);
    EXPECT_EQ(MoveHighlight(21, GridMove::Last, 64, 8), 63);
    // Nothing highlighted yet: the arrows land on the first picture.
    for (GridMove m : {GridMove::Left, GridMove::Right, GridMove::Up, GridMove::Down,
                       GridMove::RowStart, GridMove::First}) {
        EXPECT_EQ(MoveHighlight(kNoHighlight, m, 64, 8), 0);
    }
    EXPECT_EQ(MoveHighlight(kNoHighlight, GridMove::RowEnd, 64, 8), 7);
    EXPECT_EQ(MoveHighlight(kNoHighlight, GridMove::Last, 64, 8), 63);
}

TEST(HotKeyText, ModifiersAndOneKeyInAnyCase) {
    EXPECT_EQ(ParseHotKey("Ctrl+Shift+F8"), (HotKey{true, true, false, false, 0x77}));
    EXPECT_EQ(ParseHotKey(" alt + win + e "), (HotKey{false, false, true, true, 'E'}));
    EXPECT_EQ(ParseHotKey("Control+Space"), (HotKey{true, false, false, false, 0x20}));
    EXPECT_EQ(ParseHotKey("F24"), (HotKey{false, false, false, false, 0x87}));
    EXPECT_EQ(ParseHotKey("Ctrl+7"), (HotKey{true, false, false, false, '7'}));
    EXPECT_EQ(ParseHotKey("Pause"), (HotKey{false, false, false, false, 0x13}));
    EXPECT_EQ(ParseHotKey("Ctrl+Shift+F8\r\n"), (HotKey{true, true, false, false, 0x77}));
    for (const char* bad :
         {"", "Ctrl+", "Ctrl+Shift", "Ctrl+Ctrl+A", "Hyper+A", "Ctrl+F25", "Ctrl+F0", "Ctrl+F08",
          "Ctrl+AB", "Ctrl++", "+A", "Ctrl+a+b", "é",
          // keys people type with, alone, with Shift, or with AltGr
          "A", "5", "Space", "Shift+A", "Delete", "Ctrl+Alt+E", "Ctrl+Alt+Shift+2"}) {
        EXPECT_EQ(ParseHotKey(bad), std::nullopt) << bad;
    }
}

// Only a missing value means the default: whatever else is stored, the user wanted another key.
TEST(HotKeyText, StoredValueDefaultOnlyWhenMissing) {
    using Kind = StoredSetting::Kind;
    const HotKey ctrlShiftF8{true, true, false, false, 0x77};
    const struct {
        StoredSetting stored;
        std::optional<HotKey> expected;
    } cases[] = {
        {{Kind::Missing, ""}, ctrlShiftF8},
        {{Kind::Text, "Ctrl+Alt+F2"}, HotKey{true, false, true, false, 0x71}},
        {{Kind::Text, "Ctrl+Shift+F8"}, ctrlShiftF8},
        {{Kind::Text, "Ctrl-Shift-F8"}, std::nullopt}, // meant as another key
        {{Kind::Text, "none"}, std::nullopt},
        {{Kind::Text, ""}, std::nullopt},
        {{Kind::ExpandableText, "Ctrl+Shift+F9"}, HotKey{true, true, false, false, 0x78}},
        {{Kind::ExpandableText, "%HOTKEY%"}, std::nullopt},
        {{Kind::ExpandableText, ""}, std::nullopt},
        {{Kind::Unreadable, ""}, std::nullopt}, // another type, or too long
    };
    for (const auto& [stored, expected] : cases) {
        World w;
        w.store.otherValues[{"FizzmoLite", "Settings", "HotKey"}] = stored;
        EXPECT_EQ(LoadHotKey(w.store), expected)
            << static_cast<int>(stored.kind) << " '" << stored.text << "'";
        EXPECT_TRUE(w.store.writes.empty());
    }
}

// The palette shown beside an IM window, from the code file ":)", ":(", "happy".
struct Keyboard : ::testing::Test, World {
    Hwnd imWindow = 0;
    Hwnd input = 0;
    Keyboard() {
        Store("KeepOpen", "F");
        Store("SendOnCLick", "F");
        imWindow = windows.AddTopLevel("IMClass");
        input = windows.AddChild(imWindow, "RICHEDIT", "");
        program.Start();
        program.frmMain.Image1_Click();
    }
    FrmSmilies& palette() { return program.frmSmilies; }
    void Press(int keyCode, int shift = 0) {
        FormEvent e{EventKind::KeyDown, SmiliesControls::Text1};
        e.keyCode = keyCode;
        e.shift = shift;
        program.Dispatch(FormId::Smilies, e);
    }
    void Type(char c) {
        FormEvent e{EventKind::KeyPress, SmiliesControls::Text1};
        e.keyAscii = static_cast<unsigned char>(c);
        program.Dispatch(FormId::Smilies, e);
    }
};

TEST_F(Keyboard, KeysMoveTheOneHighlightThatHoverMovesToo) {
    Press(keys::kRight);
    EXPECT_EQ(palette().Highlighted(), 0);
    EXPECT_EQ(palette().Text1Text(), ":)   ");
    palette().smiley_MouseMove(9); // the pointer leaves it at 9: the keys go on from there
    Press(keys::kDown);
    EXPECT_EQ(palette().Highlighted(), 17);
    EXPECT_EQ(palette().BorderStyle(17), 0);
    EXPECT_EQ(palette().BorderStyle(9), 1);
    Press(keys::kEnd, kCtrlMask);
    EXPECT_EQ(palette().Highlighted(), 63);
    // The arrows never reach the text box, so its caret stays put.
    EXPECT_EQ(toolkit.Count(Op::ConsumeKey), 3u);
}

TEST_F(Keyboard, EnterTypesTheHighlightedCodeLikeAClickAndStillCountsAsAKey) {
    Press(keys::kReturn); // nothing highlighted: nothing typed, as before
    EXPECT_TRUE(windows.messages.empty());
    Press(keys::kRight);
    Press(keys::kRight);
    const std::size_t consumed = toolkit.Count(Op::ConsumeKey);
    Press(keys::kReturn);
    EXPECT_EQ(TypedText(), ":(");
    EXPECT_FALSE(toolkit.visible[FormId::Smilies]);
    // The text box still gets its Enter.
    EXPECT_EQ(toolkit.Count(Op::ConsumeKey), consumed);
    // Ctrl+Enter is no pick.
    windows.messages.clear();
    Press(keys::kReturn, kCtrlMask);
    EXPECT_TRUE(windows.messages.empty());
}

TEST_F(Keyboard, APickThatHidesThePaletteGivesTheConversationBackItsFocus) {
    windows.calls.clear();
    palette().smiley_Click(0);
    using W = WindowCall;
    const std::initializer_list<W::Op> focusing = {W::Op::SetForegroundWindow,
                                                   W::Op::AttachThreadInput, W::Op::SetFocus};
    EXPECT_EQ(windows.CallsOf(focusing),
              (std::vector<W>{W::SetForegroundWindow(imWindow), W::AttachThreadInput(1, 2, true),
                              W::SetFocus(input), W::AttachThreadInput(1, 2, false)}));
    // Keep Open: the palette stays active for the next pick.
    program.frmMain.mnuKeepOpen_Click();
    windows.calls.clear();
    palette().smiley_Click(0);
    EXPECT_TRUE(windows.CallsOf(focusing).empty());
}

TEST_F(Keyboard, NoFocusMovesWhenNothingWasTypedOrTheWindowCannotTakeIt) {
    windows.calls.clear();
    palette().smiley_Click(63); // no code
    windows.HangAfter(input, 0);
    program.frmMain.Image1_Click();
    palette().smiley_Click(0);
    // Stops answering right after the code: SetFocus would wait on it for ever.
    windows.HangAfter(input, 3);
    program.frmMain.Image1_Click();
    palette().smiley_Click(0);
    EXPECT_EQ(TypedText(), ":)");
    // Minimised: the keys would go where the user cannot see them.
    windows.HangAfter(input, -1);
    windows.Minimize(imWindow);
    program.frmMain.Image1_Click();
    palette().smiley_Click(1);
    EXPECT_EQ(TypedText(), ":):(");
    EXPECT_TRUE(
        windows.CallsOf({WindowCall::Op::SetForegroundWindow, WindowCall::Op::SetFocus}).empty());
}

TEST_F(Keyboard, HotKeyOpensWithTheFirstPictureHighlightedAndHidesAgain) {
    // Ctrl+Shift+F8 unless the settings say otherwise.
    ASSERT_EQ(toolkit.hotKeys.at(1), (HotKey{true, true, false, false, 0x77}));
    palette().Hide();
    palette().smiley_MouseMove(20);
    toolkit.calls.clear();
    program.Dispatch(FormId::Main, FormEvent{EventKind::HotKey, 1});
    EXPECT_TRUE(toolkit.visible[FormId::Smilies]);
    EXPECT_EQ(toolkit.CallsOf(Op::ShowForm, FormId::Smilies),
              (Calls{Call::ShowForm(FormId::Smilies, FormId::Main)}));
    EXPECT_EQ(palette().Highlighted(), 0);
    // Placed as a click places it.
    const PixelRect byHotKey = toolkit.rects[FormId::Smilies];
    program.Dispatch(FormId::Main, FormEvent{EventKind::HotKey, 1});
    EXPECT_FALSE(toolkit.visible[FormId::Smilies]);
    program.frmMain.Image1_Click();
    EXPECT_EQ(toolkit.rects[FormId::Smilies], byHotKey);
    // Not while the About box, modal to the program, is up.
    palette().Hide();
    bool aboutShown = false;
    toolkit.whileModal = [&] {
        aboutShown = true;
        program.Dispatch(FormId::Main, FormEvent{EventKind::HotKey, 1});
        program.frmAbout.Unload();
    };
    program.frmMain.mnuAbout_Click();
    EXPECT_TRUE(aboutShown);
    EXPECT_FALSE(toolkit.visible[FormId::Smilies]);
}

// The palette appearing under a pointer at rest reports a move there; only a real move of the
// pointer takes the highlight from the keys.
TEST_F(Keyboard, OnlyARealMoveOfThePointerMovesTheHighlight) {
    palette().Hide();
    toolkit.pointer = {400, 300}; // parked over picture 20's place
    FormEvent still{EventKind::MouseMove, SmiliesControls::smiley, 20};
    still.pointer = PixelPoint{400, 300};
    program.Dispatch(FormId::Main, FormEvent{EventKind::HotKey, 1});
    program.Dispatch(FormId::Smilies, still);
    EXPECT_EQ(palette().Highlighted(), 0);
    Press(keys::kRight);
    program.Dispatch(FormId::Smilies, still);
    EXPECT_EQ(palette().Highlighted(), 1);
    Press(keys::kReturn);
    EXPECT_EQ(TypedText(), ":(");
    // Moved by a pixel, the pointer hovers at once; a move reported again there does nothing.
    program.Dispatch(FormId::Main, FormEvent{EventKind::HotKey, 1});
    FormEvent moved = still;
    moved.pointer = PixelPoint{401, 300};
    program.Dispatch(FormId::Smilies, moved);
    EXPECT_EQ(palette().Highlighted(), 20);
    Press(keys::kLeft);
    program.Dispatch(FormId::Smilies, moved);
    EXPECT_EQ(palette().Highlighted(), 19);
    // A screen reader's hover has no pointer and always moves it.
    program.Dispatch(FormId::Smilies, FormEvent{EventKind::MouseMove, SmiliesControls::smiley, 5});
    EXPECT_EQ(palette().Highlighted(), 5);
}

TEST(HotKey, ATakenOrSwitchedOffKeyLeavesTheProgramAsItIs) {
    World taken;
    taken.toolkit.hotKeyTaken = true;
    taken.program.Start();
    EXPECT_TRUE(taken.toolkit.visible[FormId::Main]);
    EXPECT_TRUE(taken.toolkit.CallsOf(Op::MessageBoxCritical).empty());
    taken.program.frmMain.mnuExit_Click();
    EXPECT_TRUE(taken.toolkit.CallsOf(Op::UnregisterHotKey).empty());
    EXPECT_FALSE(taken.store.values.count({"FizzmoLite", "Settings", "HotKey"}));

    World off;
    off.Store("HotKey", "None");
    off.program.Start();
    EXPECT_TRUE(off.toolkit.CallsOf(Op::RegisterHotKey).empty());

    World held;
    held.program.Start();
    held.program.frmMain.mnuExit_Click();
    EXPECT_TRUE(held.toolkit.hotKeys.empty());
    EXPECT_EQ(held.toolkit.CallsOf(Op::UnregisterHotKey),
              (Calls{Call::UnregisterHotKey(FormId::Main, 1)}));
}

} // namespace
