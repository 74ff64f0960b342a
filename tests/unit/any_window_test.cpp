#include "shared/key_typist.h"
#include "world.h"

#include <gtest/gtest.h>

namespace {

using Op = ToolkitCall::Op;

// "Type Into Any Window" on, an IM window open behind Notepad, the code file ":)", "😀", "Zürich".
struct AnyWindow : ::testing::Test, World {
    Hwnd imWindow = 0;
    Hwnd notepad = 0;
    Hwnd launcher = 0; // the program's own
    AnyWindow() {
        files.AddFile("codes.dll", ":)\r\n\xF0\x9F\x98\x80\r\nZ\xC3\xBCrich\r\n");
        Store("AnyWindow", "T");
        Store("KeepOpen", "F");
        Store("SendOnCLick", "F");
        notepad = windows.AddTopLevel("Notepad");
        imWindow = windows.AddTopLevel("IMClass");
        windows.AddChild(imWindow, "RICHEDIT", "");
        launcher = windows.AddTopLevel("FizzmoLite");
        windows.MakeOwn(launcher);
        program.Start();
    }
    // The user works in this window, then clicks the launcher and the picture.
    void PickFrom(Hwnd working, int index) {
        windows.foreground = working;
        program.Dispatch(FormId::Main, FormEvent{EventKind::MouseActivate});
        windows.foreground = launcher;
        program.frmMain.Image1_Click();
        program.frmSmilies.smiley_Click(index);
    }
    // The characters typed as keys, Enter as "⏎"; each key pressed, then released.
    std::u16string KeysTyped() const {
        std::u16string units;
        for (std::size_t i = 0; i < windows.keys.size(); ++i) {
            const KeyInput& k = windows.keys[i];
            EXPECT_EQ(k.up, i % 2 == 1) << i;
            if (!k.up) {
                units += k.vk ? u'⏎' : k.unit;
            }
        }
        return units;
    }
};

TEST(KeysTyping, EachUtf16UnitPressedAndReleasedAPairForCharactersPastTheBmpThenEnter) {
    EXPECT_EQ(KeysTyping("\xF0\x9F\x98\x80\xE2\x86\x92Z", true),
              (std::vector<KeyInput>{{0, 0xD83D, false},
                                     {0, 0xD83D, true},
                                     {0, 0xDE00, false},
                                     {0, 0xDE00, true},
                                     {0, 0x2192, false},
                                     {0, 0x2192, true},
                                     {0, u'Z', false},
                                     {0, u'Z', true},
                                     {0x0D, 0, false},
                                     {0x0D, 0, true}}));
    // Cut at the longest text typed whole, never between the halves of a pair.
    std::string longText(32765, 'a');
    longText += "\xF0\x9F\x98\x80";
    const std::vector<KeyInput> keys = KeysTyping(longText, false);
    EXPECT_EQ(keys.size(), 2u * 32765);
    EXPECT_EQ(keys.back().unit, u'a');
}

TEST_F(AnyWindow, APickTypesIntoTheWindowTheUserWasWorkingInAsKeys) {
    const Hwnd edit = windows.AddChild(notepad, "Edit", "");
    windows.focus = edit;
    windows.calls.clear();
    PickFrom(notepad, 1);
    EXPECT_EQ(windows.foreground, notepad);
    // The focus goes through Notepad back to its text, with the threads' input joined for it.
    using W = WindowCall;
    EXPECT_EQ(
        windows.CallsOf({W::Op::SetFocus, W::Op::AttachThreadInput, W::Op::SendInput}),
        (std::vector<W>{W::AttachThreadInput(1, 2, true), W::SetFocus(notepad), W::SetFocus(edit),
                        W::AttachThreadInput(1, 2, false), W::SendInput(4)}));
    EXPECT_EQ(KeysTyped(), u"\xD83D\xDE00");
    EXPECT_TRUE(windows.messages.empty() || TypedText().empty()) << "nothing for the messenger";
    EXPECT_FALSE(toolkit.visible[FormId::Smilies]);
    // SendOnClick's Enter is a real Enter key; the working window is kept for the next pick.
    program.frmMain.mnuSendOnClick_Click();
    windows.keys.clear();
    windows.foreground = launcher;
    program.frmMain.Image1_Click();
    program.frmSmilies.smiley_Click(2);
    EXPECT_EQ(KeysTyped(), u"Z\u00FCrich⏎");
    EXPECT_TRUE(toolkit.CallsOf(Op::Beep).empty());
    // Keep Open: the palette stays, and Notepad has the keyboard.
    program.frmMain.mnuKeepOpen_Click();
    program.frmMain.Image1_Click();
    program.frmSmilies.smiley_Click(0);
    EXPECT_TRUE(toolkit.visible[FormId::Smilies]);
    EXPECT_EQ(windows.foreground, notepad);
}

TEST_F(AnyWindow, AnImWindowAsTheWorkingWindowGetsExactlyTodaysMessages) {
    PickFrom(imWindow, 0);
    EXPECT_TRUE(windows.keys.empty());
    EXPECT_EQ(TypedText(), ":)");
    // Brought back with its input box focused, as after any pick into the messenger.
    EXPECT_EQ(windows.foreground, imWindow);
}

TEST_F(AnyWindow, OwnAndShellWindowsAreNoWorkingWindowAndAClosedOneIsForgotten) {
    const Hwnd desktop = windows.AddTopLevel("Progman");
    const Hwnd taskbar = windows.AddTopLevel("Shell_TrayWnd");
    const Hwnd ownMenu = windows.AddTopLevel("#32768");
    windows.MakeOwn(ownMenu);
    PickFrom(notepad, 0);
    windows.keys.clear();
    for (const Hwnd notWorking : {desktop, taskbar, ownMenu, Hwnd{0}, FakeWindowSystem::kDesktop}) {
        PickFrom(notWorking, 0);
        EXPECT_EQ(KeysTyped(), u":)") << "still into Notepad after " << notWorking;
        windows.keys.clear();
    }
    // Notepad closed: the pick goes to the IM window, as with the switch off.
    windows.Destroy(notepad);
    PickFrom(taskbar, 0);
    EXPECT_TRUE(windows.keys.empty());
    EXPECT_EQ(TypedText(), ":)");
    // Neither: nothing, and a beep.
    windows.Destroy(imWindow);
    windows.messages.clear();
    PickFrom(taskbar, 0);
    EXPECT_TRUE(windows.messages.empty());
    EXPECT_EQ(toolkit.Count(Op::Beep), 1u);
}

TEST_F(AnyWindow, AWindowThatDoesNotAnswerOrComeForwardGetsNothingAndABeep) {
    windows.HangAfter(notepad, 0);
    PickFrom(notepad, 0);
    EXPECT_TRUE(windows.keys.empty());
    EXPECT_EQ(toolkit.Count(Op::Beep), 1u);
    EXPECT_EQ(toolkit.Count(Op::DiscardMouseInput), 1u);
    const Hwnd other = windows.AddTopLevel("Other");
    windows.foregroundLocked = true;
    PickFrom(other, 0);
    EXPECT_TRUE(windows.keys.empty()) << "keys would have gone to whatever is in front";
    EXPECT_EQ(toolkit.Count(Op::Beep), 2u);
}

TEST_F(AnyWindow, SwitchedOffThePickGoesToTheFrontmostImWindowAsEver) {
    program.frmMain.mnuAnyWindow_Click();
    EXPECT_FALSE(program.frmMain.Checked(MainControls::mnuAnyWindow));
    PickFrom(notepad, 0);
    EXPECT_TRUE(windows.keys.empty());
    EXPECT_EQ(TypedText(), ":)");
    program.frmMain.mnuExit_Click();
    EXPECT_EQ(Stored("AnyWindow"), "F");
}

// The hot key notes where the user was, and opens on the picture picked last.
TEST_F(AnyWindow, TheHotKeyTypesWhereTheUserWasAndOpensOnThePicturePickedLast) {
    windows.foreground = notepad;
    program.Dispatch(FormId::Main, FormEvent{EventKind::HotKey, 1});
    EXPECT_EQ(program.frmSmilies.Highlighted(), 0);
    program.frmSmilies.smiley_Click(2);
    EXPECT_EQ(KeysTyped(), u"Z\u00FCrich");
    program.Dispatch(FormId::Main, FormEvent{EventKind::HotKey, 1});
    EXPECT_EQ(program.frmSmilies.Highlighted(), 2);
}

// A code file in the code page, as older editors save it: its letters are typed as keys in
// Unicode, and the messenger's IM window gets the file's own bytes.
TEST_F(AnyWindow, AnAnsiFilesLettersAreTypedAsTheirCharacters) {
    files.AddFile("codes.dll", "Z\xFCrich,\x80\r\n");
    PickFrom(notepad, 0);
    PickFrom(notepad, 1);
    EXPECT_EQ(KeysTyped(), u"Z\u00FCrich\u20AC");
    PickFrom(imWindow, 0);
    EXPECT_EQ(TypedText(), "Z\xFCrich");
}

} // namespace
