#include "fake_window_system.h"
#include "shared/messenger_messages.h"
#include "shared/typist.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kChar = win::kWmChar;
constexpr std::uint32_t kKeyDown = win::kWmKeyDown;

// A taskbar, then an IM window with a titled RICHEDIT before its input box.
struct Desktop {
    FakeWindowSystem windows;
    Hwnd im = 0;
    Hwnd input = 0;
    explicit Desktop(bool withInputBox = true) {
        windows.AddTopLevel("Shell_TrayWnd");
        im = windows.AddTopLevel("IMClass");
        windows.AddChild(im, "RICHEDIT", "with a title");
        input = withInputBox ? windows.AddChild(im, "RICHEDIT", "") : 0;
    }

    std::vector<SentMessage> Type(const std::string& text, VbBool sendOnClick) {
        OptionsRecord options;
        options.SendOnClick = sendOnClick;
        outcome = TypeIntoIMWindow(windows, options, text);
        return windows.messages;
    }
    TypingOutcome outcome = TypingOutcome::Typed;
};

TEST(Typist, TypesEachCharacterWithItsScanCodeThenEnter) {
    Desktop d;
    EXPECT_EQ(d.Type(":)", VbTrue), (std::vector<SentMessage>{{d.input, kChar, 58, 0x270001},
                                                              {d.input, kChar, 41, 0x0B0001},
                                                              {d.input, kKeyDown, 13, 0x1C0001}}));
    EXPECT_EQ(d.outcome, TypingOutcome::Typed);
}

TEST(Typist, OnlyMinusOneCountsAsSendOnClickOn) {
    for (VbBool off : {VbFalse, VbBool{1}}) {
        Desktop d;
        EXPECT_EQ(d.Type("x", off), (std::vector<SentMessage>{{d.input, kChar, 'x', 0x2D0001}}));
    }
}

TEST(Typist, QuoteHasItsKeySpaceApostropheAndHighBytesNone) {
    Desktop d;
    EXPECT_EQ(d.Type("\" '\xE9", VbFalse), (std::vector<SentMessage>{{d.input, kChar, 34, 0x280001},
                                                                     {d.input, kChar, 32, 1},
                                                                     {d.input, kChar, 39, 1},
                                                                     {d.input, kChar, 0xE9, 1}}));
}

TEST(Typist, EmptyTextSendsNothingNotEvenEnter) {
    Desktop d;
    EXPECT_TRUE(d.Type("", VbTrue).empty());
    EXPECT_EQ(d.outcome, TypingOutcome::NothingTyped);
}

TEST(Typist, AHungInputBoxGetsNothingAndIsReported) {
    Desktop d;
    d.windows.HangAfter(d.input, 0);
    EXPECT_TRUE(d.Type(":)", VbTrue).empty());
    EXPECT_EQ(d.outcome, TypingOutcome::NotAnswering);
    // Only the harmless check was tried, and with a bound on the wait.
    EXPECT_EQ(d.windows.calls.back(),
              WindowCall::SendMessageTimeoutA(d.input, win::kWmNull, 0, 0, 500));
}

TEST(Typist, AnInputBoxThatStopsAnsweringMidwayEndsTheCodeThereWithoutEnter) {
    Desktop d;
    d.windows.HangAfter(d.input, 3); // the check, ':' and '-'
    EXPECT_EQ(d.Type(":-)", VbTrue), (std::vector<SentMessage>{{d.input, kChar, 58, 0x270001},
                                                               {d.input, kChar, 45, 0x0C0001}}));
    EXPECT_EQ(d.outcome, TypingOutcome::NotAnswering);
    EXPECT_EQ(d.windows.CallsOf({WindowCall::Op::SendMessageTimeoutA}).size(), 4u)
        << "nothing is tried after the character that was not answered";
}

TEST(Typist, NothingSentWithoutAnIMWindow) {
    FakeWindowSystem windows;
    windows.AddTopLevel("Notepad");
    windows.AddChild(windows.AddTopLevel("imclass"), "RICHEDIT", "");
    OptionsRecord options;
    options.SendOnClick = VbTrue;
    TypeIntoIMWindow(windows, options, ":)");
    EXPECT_TRUE(windows.messages.empty());
    EXPECT_TRUE(windows.CallsOf({WindowCall::Op::SendMessageTimeoutA}).empty());
}

TEST(Typist, OnlyTheFrontmostIMWindowCountsEvenWithoutAnInputBox) {
    Desktop d;
    const Hwnd back = d.windows.AddTopLevel("IMClass");
    d.windows.AddChild(back, "RICHEDIT", "");
    EXPECT_EQ(d.Type(":D", VbTrue).size(), 3u);
    for (const SentMessage& m : d.windows.messages) {
        EXPECT_EQ(m.window, d.input);
    }
    Desktop noInput(false);
    noInput.windows.AddChild(noInput.windows.AddTopLevel("IMClass"), "RICHEDIT", "");
    EXPECT_TRUE(noInput.Type(":)", VbTrue).empty());
}

TEST(Typist, WindowClosingMidwayLosesTheRestQuietly) {
    Desktop d;
    d.windows.Destroy(d.im);
    // The handle is stale now; every message reaches no window and nothing fails.
    EXPECT_TRUE(d.Type("abc", VbTrue).empty());
}

TEST(Typist, LongTextIsCutAtTheCounterRange) {
    Desktop d;
    EXPECT_EQ(d.Type(std::string(40000, 'a'), VbFalse).size(), 32766u);
}

TEST(WindowClassName, ReadsTheNameAndCutsAt254) {
    FakeWindowSystem windows;
    EXPECT_EQ(GetWindowClassName(windows, 0), "");
    EXPECT_EQ(GetWindowClassName(windows, windows.AddTopLevel("IMClass")), "IMClass");
    const Hwnd longName = windows.AddTopLevel(std::string(300, 'x'));
    EXPECT_EQ(GetWindowClassName(windows, longName), std::string(254, 'x'));
}

} // namespace
