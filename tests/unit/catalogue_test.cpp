#include "palette/catalogue.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string Lines(int count, const std::string& prefix, const std::string& end = "\r\n") {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += prefix + std::to_string(i) + end;
    }
    return text;
}

TEST(Catalogue, EmptyFileLeavesEverySlotEmpty) {
    const SmileyTable table = ReadCatalogue("");
    for (const std::string& slot : table) {
        EXPECT_EQ(slot, "");
    }
    EXPECT_EQ(LookupSmiley(table, 0).hoverText, "   ");
}

TEST(Catalogue, OneFieldPerLinePairsLineIWithLineIPlus64) {
    const SmileyTable table = ReadCatalogue(Lines(128, "f"));
    for (int i = 0; i < kSmileyCount; ++i) {
        const SmileyEntry entry = LookupSmiley(table, i);
        EXPECT_EQ(entry.code, "f" + std::to_string(i + 1));
        EXPECT_EQ(entry.label, "f" + std::to_string(i + 65));
        EXPECT_EQ(entry.bitmapResource, 101 + i);
        EXPECT_EQ(entry.hoverText, entry.code + "   " + entry.label);
    }
    EXPECT_EQ(table[128], "");
}

TEST(Catalogue, LineEndsCommasAndMixedSpreadReadAlike) {
    const std::string expected[] = {"a", "b", "c", "d", "e"};
    for (const std::string text : {"a\r\nb\r\nc\r\nd\r\ne\r\n", "a\nb\nc\nd\ne", "a\rb\rc\rd\re\r",
                                   "a,b,c,d,e", "a,b\r\nc\nd,e\r\n", "  a,\tb , c\r\n d,e  "}) {
        const SmileyTable table = ReadCatalogue(text);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(table[static_cast<std::size_t>(i)], expected[i]) << i << " in " << text;
        }
        EXPECT_EQ(table[5], "");
    }
}

TEST(Catalogue, EmptyFieldsFromDoubleCommasAndBlankLines) {
    const SmileyTable table = ReadCatalogue("a,,b\r\n\r\nc,");
    EXPECT_EQ(table[0], "a");
    EXPECT_EQ(table[1], "");
    EXPECT_EQ(table[2], "b");
    EXPECT_EQ(table[3], "");
    EXPECT_EQ(table[4], "c");
    EXPECT_EQ(table[5], "");
}

TEST(Catalogue, QuotedFieldKeepsCommasAndBlanksWithoutTheQuotes) {
    const SmileyTable table = ReadCatalogue("\"a, b \",  \"x\"junk,next\n\"open to the end, ok");
    EXPECT_EQ(table[0], "a, b ");
    EXPECT_EQ(table[1], "x");
    EXPECT_EQ(table[2], "next");
    EXPECT_EQ(table[3], "open to the end, ok");
    EXPECT_EQ(table[4], "");
}

TEST(Catalogue, QuoteInsideAnUnquotedFieldIsKept) {
    const SmileyTable table = ReadCatalogue(":\">,blushing");
    EXPECT_EQ(table[0], ":\">");
    EXPECT_EQ(table[1], "blushing");
}

TEST(Catalogue, CodeCommaLabelLinesAreNotPaired) {
    const SmileyTable table = ReadCatalogue(":),happy\r\n:(,sad\r\n");
    EXPECT_EQ(LookupSmiley(table, 0).code, ":)");
    EXPECT_EQ(LookupSmiley(table, 1).code, "happy");
    EXPECT_EQ(LookupSmiley(table, 2).code, ":(");
}

TEST(Catalogue, FieldsAfterThe129thAreIgnored) {
    const SmileyTable table = ReadCatalogue(Lines(500, "f", ","));
    EXPECT_EQ(table[128], "f129");
    EXPECT_EQ(table[0], "f1");
}

TEST(Catalogue, HugeFieldsAndNulBytesAreBounded) {
    const SmileyTable thousand = ReadCatalogue(std::string(1000, 'x') + ",next");
    EXPECT_EQ(thousand[0], std::string(1000, 'x'));
    EXPECT_EQ(thousand[1], "next");
    std::string text(5'000'000, 'x');
    text += ",second";
    const SmileyTable table = ReadCatalogue(text);
    EXPECT_EQ(table[0].size(), 32766u); // as much as is ever typed
    // The text past the read limit is never looked at.
    EXPECT_EQ(table[1], "");
    const SmileyTable withNul = ReadCatalogue(std::string("a\0b,c", 5));
    EXPECT_EQ(withNul[0], "ab");
    EXPECT_EQ(withNul[1], "c");
}

TEST(Catalogue, BinaryGarbageGivesATableAndNeverMoreThan129Fields) {
    std::string garbage;
    unsigned seed = 12345;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1103515245 + 12345;
        garbage.push_back(static_cast<char>(seed >> 16));
    }
    const SmileyTable table = ReadCatalogue(garbage);
    for (const std::string& slot : table) {
        EXPECT_LE(slot.size(), kMaxFieldLength);
        EXPECT_EQ(slot.find('\0'), std::string::npos);
    }
}

TEST(Catalogue, SampleFileHasTheWellKnownCodesFirst) {
    std::ifstream file(FIZZMO_SAMPLE_CODES, std::ios::binary);
    ASSERT_TRUE(file) << FIZZMO_SAMPLE_CODES;
    std::stringstream text;
    text << file.rdbuf();
    const SmileyTable table = ReadCatalogue(text.str());
    EXPECT_EQ(LookupSmiley(table, 0).hoverText, ":)   happy");
    EXPECT_EQ(LookupSmiley(table, 8).code, ":\">");
    EXPECT_EQ(LookupSmiley(table, 63).hoverText, "$-)   money eyes");
    EXPECT_EQ(table[128], "");
    for (int i = 0; i < kSmileyCount; ++i) {
        EXPECT_FALSE(LookupSmiley(table, i).label.empty()) << i;
    }
}

} // namespace
