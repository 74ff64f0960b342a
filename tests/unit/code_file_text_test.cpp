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

// "café", then "П" and an emoji, which Windows-1252 lacks, in each way a file can be saved.
TEST(CodeFileText, UnicodeFilesAreReadAsUnicodeAndTheMessengerGetsTheCodePage) {
    using E = CodeFileEncoding;
    struct Case {
        const char* name;
        std::string bytes;
        E encoding;
        std::string unicode0, unicode1, messenger0, messenger1;
    };
    const std::u16string text = u"caf\u00E9,\u041F\U0001F600\r\n";
    const Case cases[] = {
        {"UTF-8 with a mark",
         "\xEF\xBB\xBF"
         "caf\xC3\xA9,\xD0\x9F\xF0\x9F\x98\x80\r\n",
         E::Utf8, "caf\xC3\xA9", "\xD0\x9F\xF0\x9F\x98\x80", "caf\xE9", "??"},
        {"UTF-16 little-endian", Utf16(text, false), E::Utf16LittleEndian, "caf\xC3\xA9",
         "\xD0\x9F\xF0\x9F\x98\x80", "caf\xE9", "??"},
        {"UTF-16 big-endian", Utf16(text, true), E::Utf16BigEndian, "caf\xC3\xA9",
         "\xD0\x9F\xF0\x9F\x98\x80", "caf\xE9", "??"},
        {"UTF-8 without a mark", "caf\xC3\xA9,\xD0\x9F\xF0\x9F\x98\x80\r\n", E::Utf8WithoutMark,
         "caf\xC3\xA9", "\xD0\x9F\xF0\x9F\x98\x80", "caf\xE9", "??"},
        // Not UTF-8: the code page's, byte for byte to the messenger, as ever.
        {"ANSI", "Z\xFCrich,\x80\xA9\r\n", E::CodePage, "Z\xC3\xBCrich", "\xE2\x82\xAC\xC2\xA9",
         "Z\xFCrich", "\x80\xA9"},
        {"ASCII", ":),:(\r\n", E::CodePage, ":)", ":(", ":)", ":("},
    };
    Windows1252 cp;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CodeFileTables t = ReadCodeFile(c.bytes, cp);
        EXPECT_EQ(t.encoding, c.encoding);
        EXPECT_EQ(t.unicode[0], c.unicode0);
        EXPECT_EQ(t.unicode[1], c.unicode1);
        EXPECT_EQ(t.messenger[0], c.messenger0);
        EXPECT_EQ(t.messenger[1], c.messenger1);
        EXPECT_EQ(t.unicode[2], "");
    }
}

TEST(CodeFileText, OnlyWellFormedUtf8WithoutAMarkIsUnicode) {
    Windows1252 cp;
    const std::string notUtf8[] = {
        "caf\xE9",          // an ANSI file ending in a letter: no character is cut there
        "\xC3\xA9,\xE9",    // UTF-8 in part only
        "\xC0\xAF",         // an overlong slash
        "\xED\xA0\x80",     // a surrogate
        "\xF4\x90\x80\x80", // past U+10FFFF
        "\xE2\x82",         // cut short
    };
    for (const std::string& bytes : notUtf8) {
        const CodeFileTables t = ReadCodeFile(bytes, cp);
        EXPECT_EQ(t.encoding, CodeFileEncoding::CodePage) << bytes;
        EXPECT_EQ(t.messenger[0] + (t.messenger[1].empty() ? "" : "," + t.messenger[1]), bytes);
    }
    // Where the reader's limit cuts a character of a UTF-8 file, the file is UTF-8 all the same.
    std::string large = "\xC3\xA9,";
    large.resize(kMaxCatalogueBytes - 1, 'x');
    large += "\xE2";
    const CodeFileTables t = ReadCodeFile(large, cp);
    EXPECT_EQ(t.encoding, CodeFileEncoding::Utf8WithoutMark);
    EXPECT_EQ(t.unicode[0], "\xC3\xA9");
    EXPECT_EQ(t.unicode[1].back(), 'x');
}

TEST(CodeFileText, AFieldCutAtItsLengthEndsWithAWholeCharacter) {
    Windows1252 cp;
    const std::string field = std::string(32765, 'a') + "\xC3\xA9";
    const CodeFileTables t = ReadCodeFile("\xEF\xBB\xBF" + field + ",next", cp);
    EXPECT_EQ(t.unicode[0], std::string(32765, 'a'));
    EXPECT_EQ(t.messenger[0], std::string(32765, 'a'));
    EXPECT_EQ(t.unicode[1], "next");
}

TEST(CodeFileText, CharactersTheCodePageLacksAreListedWhereTheyStand) {
    Windows1252 cp;
    // A CJK letter, an emoji as a surrogate pair, a lone surrogate, an odd last byte.
    const std::u16string text = u"a\u4E2Db\U0001F600c";
    std::string bytes = Utf16(text + u'\xD800' + u"d", false) + "x";
    const CodeFileText t = DecodeCodeFile(bytes, cp);
    EXPECT_EQ(t.text, "a\xE4\xB8\xAD"
                      "b\xF0\x9F\x98\x80"
                      "c\xEF\xBF\xBD"
                      "d");
    ASSERT_EQ(t.unmapped.size(), 3u);
    EXPECT_EQ(t.unmapped[0].character, U'\u4E2D');
    EXPECT_EQ(t.unmapped[0].offset, 1u);
    EXPECT_EQ(t.unmapped[1].character, U'\U0001F600');
    EXPECT_EQ(t.unmapped[1].offset, 5u);
    EXPECT_EQ(ReadCodeFile(bytes, cp).messenger[0], "a?b?c?d");
    // Malformed UTF-8 costs one question mark per bad byte, never a crash or a lost field.
    const CodeFileTables bad = ReadCodeFile("\xEF\xBB\xBF"
                                            "a\xC3,\xF8\x80,b",
                                            cp);
    EXPECT_EQ(bad.messenger[0] + "," + bad.messenger[1] + "," + bad.messenger[2], "a?,??,b");
    EXPECT_EQ(bad.unicode[0], "a\xEF\xBF\xBD");
}

} // namespace
