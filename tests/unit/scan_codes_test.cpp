#include "shared/scan_codes.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// The US-layout keys: each row is one key's characters and its set-1 make code.
const std::map<std::string, std::string> kKeysByCode = {
    {"1E", "aA"}, {"30", "bB"}, {"2E", "cC"}, {"20", "dD"}, {"12", "eE"}, {"21", "fF"},
    {"22", "gG"}, {"23", "hH"}, {"17", "iI"}, {"24", "jJ"}, {"25", "kK"}, {"26", "lL"},
    {"32", "mM"}, {"31", "nN"}, {"18", "oO"}, {"19", "pP"}, {"10", "qQ"}, {"13", "rR"},
    {"1F", "sS"}, {"14", "tT"}, {"16", "uU"}, {"2F", "vV"}, {"11", "wW"}, {"2D", "xX"},
    {"15", "yY"}, {"2C", "zZ"}, {"29", "`~"}, {"02", "1!"}, {"03", "2@"}, {"04", "3#"},
    {"05", "4$"}, {"06", "5%"}, {"07", "6^"}, {"08", "7&"}, {"09", "8*"}, {"0A", "9("},
    {"0B", "0)"}, {"0C", "-_"}, {"0D", "=+"}, {"1A", "[{"}, {"1B", "]}"}, {"2B", "\\|"},
    {"27", ";:"}, {"33", ",<"}, {"34", ".>"}, {"35", "/?"},
};

TEST(ScanCodes, EveryKeyGivesItsCodeForBothCharacters) {
    int entries = 0;
    for (const auto& [code, characters] : kKeysByCode) {
        for (char c : characters) {
            EXPECT_EQ(CharToScanCode(std::string(1, c)), code) << "character " << c;
            ++entries;
        }
    }
    EXPECT_EQ(entries, 92);
}

TEST(ScanCodes, CharactersWithoutAKeyGiveEmptyText) {
    std::string mapped;
    for (const auto& entry : kKeysByCode) {
        mapped += entry.second;
    }
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        if (mapped.find(c) == std::string::npos) {
            EXPECT_EQ(CharToScanCode(std::string(1, c)), "") << "byte " << byte;
        }
    }
    EXPECT_EQ(CharToScanCode(" "), "");
    EXPECT_EQ(CharToScanCode("'"), "");
    EXPECT_EQ(CharToScanCode("\""), "");
    EXPECT_EQ(CharToScanCode("\xE9"), ""); // e with acute accent in the ANSI code page
}

TEST(ScanCodes, OnlyASingleCharacterIsLookedUp) {
    EXPECT_EQ(CharToScanCode(""), "");
    EXPECT_EQ(CharToScanCode("ab"), "");
    EXPECT_EQ(CharToScanCode(std::string("a\0", 2)), "");
}

} // namespace
