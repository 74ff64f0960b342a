#include "palette/catalogue.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

// The first slots of the table, joined with '|'.
std::string Slots(const std::string& text, std::size_t count) {
    const SmileyTable table = ReadCatalogue(text);
    std::string joined;
    for (std::size_t i = 0; i < count; ++i) {
        joined += (i ? "|" : "") + table[i];
    }
    return joined;
}

TEST(Catalogue, OneFieldPerLinePairsLineIWithLineIPlus64) {
    std::string text;
    for (int i = 1; i <= 128; ++i) {
        text += "f" + std::to_string(i) + "\r\n";
    }
    const SmileyTable table = ReadCatalogue(text);
    const SmileyEntry first = LookupSmiley(table, 0), last = LookupSmiley(table, 63);
    EXPECT_EQ(first.bitmapResource, 101);
    EXPECT_EQ(first.hoverText, "f1   f65");
    EXPECT_EQ(last.bitmapResource, 164);
    EXPECT_EQ(last.code + "|" + last.label, "f64|f128");
    EXPECT_EQ(table[128], "");
    EXPECT_EQ(LookupSmiley(ReadCatalogue(""), 0).hoverText, "   ");
}

TEST(Catalogue, LineEndsCommasBlanksAndQuotes) {
    for (const std::string text : {"a\r\nb\r\nc\r\nd\r\ne\r\n", "a\nb\nc\nd\ne", "a\rb\rc\rd\re\r",
                                   "a,b,c,d,e", "a,b\r\nc\nd,e\r\n", "  a,\tb , c\r\n d,e  "}) {
        EXPECT_EQ(Slots(text, 6), "a|b|c|d|e|") << text;
    }
    EXPECT_EQ(Slots("a,,b\r\n\r\nc,", 6), "a||b||c|");
    EXPECT_EQ(Slots("\"a, b \",  \"x\"junk,next\n\"open to the end, ok", 5),
              "a, b |x|next|open to the end, ok|");
    EXPECT_EQ(Slots(":\">,blushing", 2), ":\">|blushing"); // a quote inside a field stays
    // Code-and-label lines are not paired: the label is the next picture's code.
    EXPECT_EQ(Slots(":),happy\r\n:(,sad\r\n", 3), ":)|happy|:(");
}

TEST(Catalogue, FieldsAfterThe129thAreIgnoredAndFieldsAreBounded) {
    std::string many;
    for (int i = 1; i <= 500; ++i) {
        many += "f" + std::to_string(i) + ",";
    }
    EXPECT_EQ(ReadCatalogue(many)[128], "f129");
    EXPECT_EQ(ReadCatalogue(std::string(1000, 'x') + ",next")[0], std::string(1000, 'x'));
    std::string huge(5'000'000, 'x');
    const SmileyTable table = ReadCatalogue(huge + ",second");
    EXPECT_EQ(table[0].size(), 32766u); // as much as is ever typed
    EXPECT_EQ(table[1], "");            // the text past the read limit is never looked at
    EXPECT_EQ(Slots(std::string("a\0b,c", 5), 2), "ab|c");
}

TEST(Catalogue, BinaryGarbageGivesBoundedFieldsWithoutNul) {
    std::string garbage;
    unsigned seed = 12345;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1103515245 + 12345;
        garbage.push_back(static_cast<char>(seed >> 16));
    }
    for (const std::string& slot : ReadCatalogue(garbage)) {
        EXPECT_LE(slot.size(), kMaxFieldLength);
        EXPECT_EQ(slot.find('\0'), std::string::npos);
    }
}

TEST(Catalogue, SampleFileHasTheWellKnownCodesFirst) {
    std::ifstream file(FIZZMO_SAMPLE_CODES, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    const SmileyTable table = ReadCatalogue(text.str());
    EXPECT_EQ(LookupSmiley(table, 0).hoverText, ":)   happy");
    EXPECT_EQ(LookupSmiley(table, 8).code, ":\">");
    EXPECT_EQ(LookupSmiley(table, 63).hoverText, "$-)   money eyes");
    for (int i = 0; i < 64; ++i) {
        EXPECT_FALSE(LookupSmiley(table, i).label.empty()) << i;
    }
}

} // namespace
