#include "fake_window_system.h"
#include "shared/typist.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kChar = win::kWmChar;
constexpr std::uint32_t kKeyDown = win::kWmKeyDown;

OptionsRecord WithSendOnClick(VbBool on) {
    OptionsRecord options;
    options.SendOnClick = on;
    return options;
}

struct Desktop {
    FakeWindowSystem windows;
    Hwnd im = 0;
    Hwnd input = 0;
    Desktop() {
        windows.AddTopLevel("Shell_TrayWnd");
        im = windows.AddTopLevel("IMClass");
        windows.AddChild(im, "RICHEDIT", "with a title");
        input = windows.AddChild(im, "RICHEDIT", "");
    }
};

TEST(Typist, TypesEachCharacterWithItsScanCodeThenEnter) {
    Desktop d;
    EXPECT_EQ(TypeIntoIMWindow(d.windows, WithSendOnClick(VbTrue), ":)"), TypingOutcome::Typed);
    const std::vector<SentMessage> expected = {
        {d.input, kChar, 58, 0x270001},
        {d.input, kChar, 41, 0x0B0001},
        {d.input, kKeyDown, 13, 0x1C0001},
    };
    EXPECT_EQ(d.windows.messages, expected);
}

TEST(Typist, NoEnterWhenSendOnClickIsOff) {
    Desktop d;
    TypeIntoIMWindow(d.windows, WithSendOnClick(VbFalse), ":)");
    ASSERT_EQ(d.windows.messages.size(), 2u);
    EXPECT_EQ(d.windows.messages.back().message, kChar);
}

TEST(Typist, OnlyMinusOneCountsAsSendOnClickOn) {
    Desktop d;
    TypeIntoIMWindow(d.windows, WithSendOnClick(1), "x");
    EXPECT_EQ(d.windows.messages.size(), 1u);
}

TEST(Typist, QuoteSpaceAndApostropheKeyData) {
    Desktop d;
    TypeIntoIMWindow(d.windows, WithSendOnClick(VbFalse), "\" '");
    const std::vector<SentMessage> expected = {
        {d.input, kChar, 34, 0x280001},
        {d.input, kChar, 32, 1},
        {d.input, kChar, 39, 1},
    };
    EXPECT_EQ(d.windows.messages, expected);
}

TEST(Typist, HighBytesGoOutAsTheirCodePageValue) {
    Desktop d;
    TypeIntoIMWindow(d.windows, WithSendOnClick(VbFalse), "\xE9");
    ASSERT_EQ(d.windows.messages.size(), 1u);
    EXPECT_EQ(d.windows.messages[0].wParam, 0xE9u);
    EXPECT_EQ(d.windows.messages[0].lParam, 1);
}

TEST(Typist, EmptyTextSendsNothingNotEvenEnter) {
    Desktop d;
    EXPECT_EQ(TypeIntoIMWindow(d.windows, WithSendOnClick(VbTrue), ""),
              TypingOutcome::NothingTyped);
    EXPECT_TRUE(d.windows.messages.empty());
}

TEST(Typist, AHungInputBoxGetsNothingAndIsReported) {
    Desktop d;
    d.windows.HangAfter(d.input, 0);
    EXPECT_EQ(TypeIntoIMWindow(d.windows, WithSendOnClick(VbTrue), ":)"),
              TypingOutcome::NotAnswering);
    EXPECT_TRUE(d.windows.messages.empty());
    // Only the harmless check was tried, and with a bound on the wait.
    const std::string check = "SendMessageTimeoutA(" + std::to_string(d.input) + ",0,0,0," +
                              std::to_string(kAnswerTimeoutMs) + ")";
    EXPECT_EQ(d.windows.calls.back(), check);
}

TEST(Typist, AnInputBoxThatStopsAnsweringMidwayEndsTheCodeThereWithoutEnter) {
    Desktop d;
    d.windows.HangAfter(d.input, 3); // the check, ':' and '-'
    EXPECT_EQ(TypeIntoIMWindow(d.windows, WithSendOnClick(VbTrue), ":-)"),
              TypingOutcome::NotAnswering);
    const std::vector<SentMessage> expected = {
        {d.input, kChar, 58, 0x270001},
        {d.input, kChar, 45, 0x0C0001},
    };
    EXPECT_EQ(d.windows.messages, expected);
    EXPECT_EQ(std::count_if(d.windows.calls.begin(), d.windows.calls.end(),
                            [](const std::string& c) { return c.rfind("SendMessage", 0) == 0; }),
              4)
        << "nothing is tried after the character that was not answered";
}

TEST(Typist, NothingSentWithoutAnIMWindow) {
    FakeWindowSystem windows;
    windows.AddTopLevel("Notepad");
    const Hwnd lookalike = windows.AddTopLevel("imclass");
    windows.AddChild(lookalike, "RICHEDIT", "");
    TypeIntoIMWindow(windows, WithSendOnClick(VbTrue), ":)");
    EXPECT_TRUE(windows.messages.empty());
    for (const std::string& call : windows.calls) {
        EXPECT_EQ(call.rfind("SendMessage", 0), std::string::npos) << call;
    }
}

TEST(Typist, OnlyTheFrontmostIMWindowReceivesText) {
    FakeWindowSystem windows;
    const Hwnd front = windows.AddTopLevel("IMClass");
    const Hwnd frontInput = windows.AddChild(front, "RICHEDIT", "");
    const Hwnd back = windows.AddTopLevel("IMClass");
    windows.AddChild(back, "RICHEDIT", "");
    TypeIntoIMWindow(windows, WithSendOnClick(VbTrue), ":D");
    ASSERT_EQ(windows.messages.size(), 3u);
    for (const SentMessage& m : windows.messages) {
        EXPECT_EQ(m.window, frontInput);
    }
}

TEST(Typist, FrontIMWindowWithoutInputBoxTypesNowhere) {
    FakeWindowSystem windows;
    const Hwnd front = windows.AddTopLevel("IMClass");
    windows.AddChild(front, "RICHEDIT", "not empty");
    const Hwnd back = windows.AddTopLevel("IMClass");
    windows.AddChild(back, "RICHEDIT", "");
    TypeIntoIMWindow(windows, WithSendOnClick(VbTrue), ":)");
    EXPECT_TRUE(windows.messages.empty());
    EXPECT_EQ(std::count(windows.calls.begin(), windows.calls.end(),
                         "FindWindowExA(" + std::to_string(front) + ",0,\"RICHEDIT\",\"\")"),
              1);
}

TEST(Typist, LooksUpTheInputBoxWithAnEmptyTitleNotAnyTitle) {
    Desktop d;
    TypeIntoIMWindow(d.windows, WithSendOnClick(VbFalse), "a");
    const std::string lookup = "FindWindowExA(" + std::to_string(d.im) + ",0,\"RICHEDIT\",\"\")";
    EXPECT_NE(std::find(d.windows.calls.begin(), d.windows.calls.end(), lookup),
              d.windows.calls.end());
}

TEST(Typist, WindowClosingMidwayLosesTheRestQuietly) {
    Desktop d;
    d.windows.Destroy(d.im);
    // The handle is stale now; every message reaches no window and nothing fails.
    EXPECT_EQ(TypeIntoIMWindow(d.windows, WithSendOnClick(VbTrue), "abc"),
              TypingOutcome::NothingTyped);
    EXPECT_TRUE(d.windows.messages.empty());
}

TEST(Typist, LongTextIsCutAtTheCounterRange) {
    Desktop d;
    TypeIntoIMWindow(d.windows, WithSendOnClick(VbFalse), std::string(kMaxTypedLength + 10, 'a'));
    EXPECT_EQ(d.windows.messages.size(), kMaxTypedLength);
}

TEST(WindowClassName, ReadsTheNameAndCutsAt254) {
    FakeWindowSystem windows;
    EXPECT_EQ(GetWindowClassName(windows, 0), "");
    const Hwnd shortName = windows.AddTopLevel("IMClass");
    EXPECT_EQ(GetWindowClassName(windows, shortName), "IMClass");
    EXPECT_EQ(windows.calls.back(), "GetClassNameA(" + std::to_string(shortName) + ",255)");
    const Hwnd longName = windows.AddTopLevel(std::string(300, 'x'));
    EXPECT_EQ(GetWindowClassName(windows, longName), std::string(254, 'x'));
}

} // namespace
