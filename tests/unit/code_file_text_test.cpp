#include "palette/catalogue.h"
#include "palette/code_file_text.h"

#include <gtest/gtest.h>

namespace {

std::string Utf16(const std::u16string& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

TEST(CodeFileText, WithoutAMarkEveryByteIsKept) {
    Windows1252 cp;
    const std::string bytes = ":)\r\n\xE9\x80\xFF";
    const CodeFileText t = DecodeCodeFile(bytes, cp);
    EXPECT_EQ(t.encoding, CodeFileEncoding::CodePage);
    EXPECT_EQ(t.text, bytes);
    EXPECT_TRUE(t.unmapped.empty());
}

TEST(CodeFileText, NotepadsUtf8LosesItsMarkAndTypesCodePageBytes) {
    Windows1252 cp;
    // ":)" then "café" then the euro sign, saved as UTF-8 with a mark.
    const CodeFileText t = DecodeCodeFile("\xEF\xBB\xBF:),caf\xC3\xA9,\xE2\x82\xAC", cp);
    EXPECT_EQ(t.encoding, CodeFileEncoding::Utf8);
    EXPECT_EQ(t.text, ":),caf\xE9,\x80");
    EXPECT_EQ(ReadCatalogue(t.text)[0], ":)");
}

TEST(CodeFileText, NotepadsUnicodeInEitherByteOrderReadsAsTheSameText) {
    Windows1252 cp;
    const std::u16string text = u":),:(\r\nsmile,caf\u00E9";
    for (bool bigEndian : {false, true}) {
        const CodeFileText t = DecodeCodeFile(Utf16(text, bigEndian), cp);
        EXPECT_EQ(t.text, ":),:(\r\nsmile,caf\xE9") << bigEndian;
        const SmileyTable table = ReadCatalogue(t.text);
        EXPECT_EQ(table[1], ":(");
        EXPECT_EQ(table[2], "smile");
    }
}

TEST(CodeFileText, CharactersTheCodePageLacksBecomeQuestionMarksAndAreListed) {
    Windows1252 cp;
    // A CJK letter, an emoji as a surrogate pair, a lone surrogate, an odd last byte.
    const std::u16string text = u"a\u4E2Db\U0001F600c";
    std::string bytes = Utf16(text + u'\xD800' + u"d", false) + "x";
    const CodeFileText t = DecodeCodeFile(bytes, cp);
    EXPECT_EQ(t.text, "a?b?c?d");
    ASSERT_EQ(t.unmapped.size(), 3u);
    EXPECT_EQ(t.unmapped[0].character, U'\u4E2D');
    EXPECT_EQ(t.unmapped[0].offset, 1u);
    EXPECT_EQ(t.unmapped[1].character, U'\U0001F600');
    EXPECT_EQ(t.unmapped[1].offset, 3u);
    // Malformed UTF-8 costs one question mark per bad byte, never a crash or a lost field.
    const CodeFileText bad = DecodeCodeFile("\xEF\xBB\xBF"
                                            "a\xC3,\xF8\x80,b",
                                            cp);
    EXPECT_EQ(bad.text, "a?,??,b");
}

} // namespace
