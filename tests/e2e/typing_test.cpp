// The program's typist under Wine, typing into the stand-in messenger.
#include "stand_in.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

std::string Hex(const std::string& text) {
    static const char* digits = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : text) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

void Type(const std::string& text, bool sendOnClick) {
    ASSERT_EQ(RunWine(WindowsProgram("type_probe"), {sendOnClick ? "T" : "F", Hex(text)}, 30s), 0);
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
    const std::vector<std::string> got = standIn.Received();
    ASSERT_EQ(got.size(), 3u);
    for (const std::string& line : got) {
        EXPECT_NE(line.find("window=0 kind=input"), std::string::npos) << line;
    }
    standIn.Command("front 1");
    Type(";)", false);
    const std::vector<std::string> after = standIn.Received();
    ASSERT_EQ(after.size(), 5u);
    EXPECT_NE(after[3].find("window=1 kind=input"), std::string::npos) << after[3];
}

TEST(Typing, FrontWindowWithoutInputBoxTypesNowhere) {
    StandIn standIn({"100,100,500,400,noinput", "300,200,500,400"});
    Type(":)", true);
    EXPECT_TRUE(standIn.Received().empty());
}

TEST(Typing, InputBoxWithATitleIsNotTheInputBox) {
    StandIn standIn({"100,100,500,400,titled"});
    Type(":)", true);
    EXPECT_TRUE(standIn.Received().empty());
}

TEST(Typing, ClassDifferingOnlyInCaseIsNotAnIMWindow) {
    StandIn standIn({"100,100,500,400"}, "imclass");
    Type(":)", true);
    EXPECT_TRUE(standIn.Received().empty());
}

} // namespace
} // namespace e2e
