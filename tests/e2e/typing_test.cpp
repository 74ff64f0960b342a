// The program's typist under Wine, typing into the stand-in messenger through the real user32.
#include "fizzmo_app.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

void Type(const std::string& text, bool sendOnClick) {
    std::string hex;
    for (unsigned char c : text) {
        hex += "0123456789ABCDEF"[c >> 4];
        hex += "0123456789ABCDEF"[c & 15];
    }
    ASSERT_EQ(RunWine(WindowsProgram("type_probe"), {sendOnClick ? "T" : "F", hex}, 30s), 0);
}

TEST(Typing, SmileGoesOutWithScanCodesThenEnter) {
    StandIn standIn({"100,100,500,400"});
    Type(":)", true);
    EXPECT_EQ(standIn.Received(), (std::vector<std::string>{
                                      "WM_CHAR window=0 kind=input wParam=58 lParam=0x270001",
                                      "WM_CHAR window=0 kind=input wParam=41 lParam=0xB0001",
                                      "WM_KEYDOWN window=0 kind=input wParam=13 lParam=0x1C0001",
                                  }));
}

TEST(Typing, NoEnterWithSendOnClickOffAndQuoteHasItsKey) {
    StandIn standIn({"100,100,500,400"});
    Type(":\">", false);
    EXPECT_EQ(standIn.Received(), (std::vector<std::string>{
                                      "WM_CHAR window=0 kind=input wParam=58 lParam=0x270001",
                                      "WM_CHAR window=0 kind=input wParam=34 lParam=0x280001",
                                      "WM_CHAR window=0 kind=input wParam=62 lParam=0x340001",
                                  }));
}

TEST(Typing, OnlyTheFrontIMWindowReceives) {
    StandIn standIn({"100,100,500,400", "300,200,500,400"});
    Type(":D", true);
    standIn.Command("front 1");
    Type(";)", false);
    std::vector<std::string> expected = Expected(":D", true, 0);
    for (const std::string& line : Expected(";)", false, 1)) {
        expected.push_back(line);
    }
    EXPECT_EQ(standIn.Received(), expected);
}

// Each of these front windows is no IM window with an input box: nothing is typed anywhere.
TEST(Typing, NowhereWithoutTheExactClassesAndAnUntitledInputBox) {
    {
        StandIn noInputBox({"100,100,500,400,noinput", "300,200,500,400"});
        Type(":)", true);
        EXPECT_TRUE(noInputBox.Received().empty());
    }
    {
        StandIn titledInputBox({"100,100,500,400,titled"});
        Type(":)", true);
        EXPECT_TRUE(titledInputBox.Received().empty());
    }
    StandIn classInOtherCase({"100,100,500,400"}, "imclass");
    Type(":)", true);
    EXPECT_TRUE(classInOtherCase.Received().empty());
}

} // namespace
} // namespace e2e
