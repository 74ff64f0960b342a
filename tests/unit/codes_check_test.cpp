#include "fizzmo_codes/codes_check.h"
#include "fizzmo_codes/codes_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

// Names in failure messages, not numbers.
void PrintTo(CodesWarningKind kind, std::ostream* out) {
    static const char* const kNames[] = {
        "TooLarge",    "Unmappable",        "NulBytes",  "TooFewFields", "TooManyFields",
        "PairPerLine", "UnterminatedQuote", "EmptyCode", "NoScanCode",
    };
    *out << kNames[static_cast<int>(kind)];
}

namespace {

using Kind = CodesWarningKind;

// 64 codes, then 64 labels: a file the program reads as intended.
std::vector<std::string> GoodFields() {
    std::vector<std::string> fields;
    for (int i = 1; i <= kSmileyCount; ++i) {
        fields.push_back(":-" + std::to_string(i));
    }
    for (int i = 1; i <= kSmileyCount; ++i) {
        fields.push_back("label " + std::to_string(i));
    }
    return fields;
}

std::string Join(const std::vector<std::string>& fields, const std::string& separator = "\r\n") {
    std::string text;
    for (const std::string& field : fields) {
        text += field + separator;
    }
    return text;
}

std::vector<std::string> Numbered(std::size_t count) {
    std::vector<std::string> fields;
    for (std::size_t i = 1; i <= count; ++i) {
        fields.push_back("f" + std::to_string(i));
    }
    return fields;
}

std::vector<Kind> Kinds(const CodesReport& report) {
    std::vector<Kind> kinds;
    for (const CodesWarning& warning : report.warnings) {
        kinds.push_back(warning.kind);
    }
    return kinds;
}

bool Mentions(const CodesReport& report, Kind kind, const std::string& words) {
    for (const CodesWarning& warning : report.warnings) {
        if (warning.kind == kind && warning.message.find(words) != std::string::npos) {
            return true;
        }
    }
    return false;
}

std::string SampleText() {
    std::ifstream file(FIZZMO_SAMPLE_CODES, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(CodesCheck, SampleFileIsCleanWithAll64Pairs) {
    const std::string sample = SampleText();
    ASSERT_FALSE(sample.empty()) << FIZZMO_SAMPLE_CODES;
    const CodesReport report = CheckCodes(sample);
    EXPECT_EQ(report.fieldCount, 128u);
    ASSERT_EQ(report.pairs.size(), 64u);
    EXPECT_EQ(report.pairs[0].code, ":)");
    EXPECT_EQ(report.pairs[0].label, "happy");
    EXPECT_EQ(report.pairs[8].code, ":\">"); // its quote has a key of its own in the typist
    EXPECT_EQ(report.pairs[63].bitmapResource, 164);
    EXPECT_EQ(report.pairs[63].label, "money eyes");
    EXPECT_TRUE(report.warnings.empty()) << report.warnings[0].message;
    EXPECT_EQ(ExitStatusFor(report), kExitClean);
    EXPECT_EQ(Kinds(CheckCodes(Join(GoodFields(), ","))), std::vector<Kind>{});
}

TEST(CodesCheck, PairsAreThoseOfTheProgramsReader) {
    for (const std::string& text :
         {std::string(":),happy\r\n:(,sad\r\n"), std::string("\"a,b\",  c \n\"open"),
          Join(Numbered(300), ","), std::string("x\0y,\"q\"junk", 11), std::string()}) {
        const SmileyTable table = ReadCatalogue(text);
        const CodesReport report = CheckCodes(text);
        ASSERT_EQ(report.pairs.size(), 64u);
        for (int i = 0; i < kSmileyCount; ++i) {
            const SmileyEntry expected = LookupSmiley(table, i);
            const SmileyEntry& got = report.pairs[static_cast<std::size_t>(i)];
            EXPECT_EQ(got.bitmapResource, expected.bitmapResource);
            EXPECT_EQ(got.code, expected.code) << i << " in " << Printable(text);
            EXPECT_EQ(got.label, expected.label) << i << " in " << Printable(text);
        }
    }
}

TEST(CodesCheck, FieldCountAndWhatIsMissingOrIgnored) {
    struct Case {
        std::size_t fields;
        std::vector<Kind> kinds;
        std::string words;
    };
    const Case cases[] = {
        {0, {Kind::TooFewFields}, "no picture has a code or a label"},
        {1, {Kind::TooFewFields}, "pictures 2 to 64 have no code"},
        {63, {Kind::TooFewFields}, "picture 64 has no code"},
        {64, {Kind::TooFewFields}, "pictures 1 to 64 have no label"},
        {100, {Kind::TooFewFields}, "pictures 37 to 64 have no label"},
        {127, {Kind::TooFewFields}, "picture 64 has no label"},
        {128, {}, ""},
        {129, {}, ""}, // the spare field
        {130, {Kind::TooManyFields}, "from field 130 on line 130"},
        {5000, {Kind::TooManyFields}, "5000 fields"},
    };
    for (const Case& c : cases) {
        const CodesReport report = CheckCodes(Join(Numbered(c.fields)));
        EXPECT_EQ(report.fieldCount, c.fields);
        EXPECT_EQ(Kinds(report), c.kinds) << c.fields;
        if (!c.words.empty()) {
            EXPECT_TRUE(Mentions(report, c.kinds[0], c.words)) << report.warnings[0].message;
        }
    }
    // Blank lines and double commas are fields too; the line of field 130 counts them.
    const CodesReport spread = CheckCodes(Join(Numbered(128), ",") + "\n\n,x");
    EXPECT_EQ(spread.fieldCount, 132u);
    EXPECT_TRUE(Mentions(spread, Kind::TooManyFields, "from field 130 on line 2"));
}

TEST(CodesCheck, CodeCommaLabelLinesAreCalledOut) {
    const std::vector<std::string> good = GoodFields();
    std::string perLine;
    for (int i = 0; i < kSmileyCount; ++i) {
        perLine += good[static_cast<std::size_t>(i)] + "," +
                   good[static_cast<std::size_t>(i + kSmileyCount)] + "\r\n";
    }
    // Exactly 128 fields, so only the pairing gives it away.
    const CodesReport report = CheckCodes(perLine);
    EXPECT_EQ(report.fieldCount, 128u);
    EXPECT_EQ(Kinds(report), std::vector<Kind>{Kind::PairPerLine});
    EXPECT_TRUE(Mentions(report, Kind::PairPerLine, "64 of 64 lines"));
    EXPECT_TRUE(Mentions(report, Kind::PairPerLine, "picture 2's code is \"label 1\""));
    EXPECT_TRUE(Mentions(report, Kind::PairPerLine, "all 64 codes first"));

    // Two fields a line in the right order are codes beside codes and labels beside labels.
    std::string twoALine;
    for (std::size_t i = 0; i < good.size(); i += 2) {
        twoALine += good[i] + "," + good[i + 1] + "\n";
    }
    EXPECT_EQ(Kinds(CheckCodes(twoALine)), std::vector<Kind>{});
}

TEST(CodesCheck, UnterminatedQuoteSwallowsTheRest) {
    std::vector<std::string> fields = GoodFields();
    fields[9] = "\":-O";
    const CodesReport report = CheckCodes(Join(fields));
    EXPECT_EQ(report.fieldCount, 10u);
    // The swallowed line ends land in the code, and would be typed.
    EXPECT_EQ(Kinds(report),
              (std::vector<Kind>{Kind::TooFewFields, Kind::UnterminatedQuote, Kind::NoScanCode}));
    EXPECT_TRUE(
        Mentions(report, Kind::UnterminatedQuote, "field 10 (the code of picture 10) on line 10"));

    fields = GoodFields();
    fields[70] = "\"a label, with a comma\"";
    EXPECT_EQ(Kinds(CheckCodes(Join(fields))), std::vector<Kind>{});
}

TEST(CodesCheck, EmptyCodesAmongTheFieldsRead) {
    std::vector<std::string> fields = GoodFields();
    fields[4] = "";
    fields[20] = "\"\"";
    fields[70] = ""; // an empty label types nothing wrong
    const CodesReport report = CheckCodes(Join(fields));
    EXPECT_EQ(Kinds(report), (std::vector<Kind>{Kind::EmptyCode, Kind::EmptyCode}));
    EXPECT_TRUE(Mentions(report, Kind::EmptyCode, "picture 5 (resource 105)"));
    EXPECT_TRUE(Mentions(report, Kind::EmptyCode, "picture 21 (resource 121)"));
    // Codes missing from a short file are the short file's warning, not one per picture.
    EXPECT_EQ(Kinds(CheckCodes("a,b")), std::vector<Kind>{Kind::TooFewFields});
}

TEST(CodesCheck, CodeCharactersWithoutAScanCode) {
    struct Case {
        std::string code;
        std::string words;
    };
    const Case cases[] = {
        {"\":-) :-)\"", "the space has no key"},
        {":'(", "the apostrophe has no key"},
        {"\"\t:)\"", "the tab has no key"},
        {"'o' o'", "the apostrophe, the space have no key"},
        {"\xC3\xA9:)", "byte 0xC3, byte 0xA9 have no key"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> fields = GoodFields();
        fields[6] = c.code;
        const CodesReport report = CheckCodes(Join(fields));
        EXPECT_EQ(Kinds(report), std::vector<Kind>{Kind::NoScanCode}) << c.code;
        EXPECT_TRUE(Mentions(report, Kind::NoScanCode, "picture 7 (resource 107)")) << c.code;
        EXPECT_TRUE(Mentions(report, Kind::NoScanCode, c.words)) << report.warnings[0].message;
        EXPECT_TRUE(Mentions(report, Kind::NoScanCode, "scan code 0"));
    }
    std::vector<std::string> fields = GoodFields();
    fields[6] = "\xC3\xA9";
    EXPECT_TRUE(Mentions(CheckCodes(Join(fields)), Kind::NoScanCode, "UTF-8"));
    // Labels are shown, never typed.
    fields = GoodFields();
    fields[64 + 6] = "don't \xC3\xA9";
    EXPECT_EQ(Kinds(CheckCodes(Join(fields))), std::vector<Kind>{});
}

TEST(CodesCheck, SizeLimitNulBytesAndByteOrderMarks) {
    const std::string good = Join(GoodFields());

    // Fields past the limit are not counted: the program never sees them.
    const std::string large = good + std::string(kMaxCatalogueBytes, 'x') + ",more,fields";
    CodesReport report = CheckCodes(large);
    EXPECT_EQ(Kinds(report), std::vector<Kind>{Kind::TooLarge});
    EXPECT_EQ(report.fieldCount, 129u);
    EXPECT_EQ(Kinds(CheckCodes(large.substr(0, kMaxCatalogueBytes))), std::vector<Kind>{});

    std::string withNul = good;
    withNul.insert(withNul.find("label 3"), 1, '\0');
    report = CheckCodes(withNul);
    EXPECT_EQ(Kinds(report), std::vector<Kind>{Kind::NulBytes});
    EXPECT_TRUE(Mentions(report, Kind::NulBytes, "1 NUL byte, the first on line 67"));

    // Saved by Notepad as "UTF-8" or "Unicode": read as the same text, the encoding named.
    report = CheckCodes("\xEF\xBB\xBF" + good);
    EXPECT_EQ(Kinds(report), std::vector<Kind>{});
    EXPECT_EQ(report.pairs[0].code, CheckCodes(good).pairs[0].code);
    EXPECT_EQ(report.encoding, "UTF-8 with a byte-order mark");
    std::string utf16 = "\xFF\xFE";
    // With a CJK letter at the end of the last label, as UTF-8 to be widened below.
    for (char c : good.substr(0, good.size() - 2) + "\xE4\xB8\xAD") {
        utf16 += std::string{c, '\0'};
    }
    utf16.replace(utf16.size() - 6, 6, "\x2D\x4E"); // U+4E2D in place of those three bytes
    report = CheckCodes(utf16);
    EXPECT_EQ(Kinds(report), std::vector<Kind>{Kind::Unmappable});
    EXPECT_TRUE(Mentions(report, Kind::Unmappable, "1 character that Windows-1252 cannot hold"));
    EXPECT_TRUE(Mentions(report, Kind::Unmappable, "U+4E2D on line 128"));
    EXPECT_EQ(report.pairs[63].label, "label 64?");
    std::string bareUtf16 = utf16.substr(2);
    EXPECT_TRUE(Mentions(CheckCodes(bareUtf16), Kind::NulBytes, "UTF-16"));
}

TEST(CodesCheck, PrintableEscapesWhatATerminalWouldMangle) {
    EXPECT_EQ(Printable(":\">~ \\"), ":\">~ \\");
    EXPECT_EQ(Printable(std::string("\t\0\x7F\xFF", 4)), "\\x09\\x00\\x7F\\xFF");
}

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun RunCommand(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    Windows1252 codePage;
    const int status = RunCodesCommand(args, out, err, codePage);
    return CommandRun{status, out.str(), err.str()};
}

std::string TempFile(const std::string& name, const std::string& text) {
    const std::string path = testing::TempDir() + "fizzmo_codes_" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

TEST(CodesCheckCommand, ExitStatusFollowsWarnings) {
    EXPECT_EQ(ExitStatusFor(CodesReport{}), kExitClean);
    EXPECT_EQ(ExitStatusFor(CheckCodes("")), kExitWarnings);

    const CommandRun clean = RunCommand({"check", FIZZMO_SAMPLE_CODES});
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.err, "");
    EXPECT_EQ(clean.out.find(std::string(FIZZMO_SAMPLE_CODES) +
                             ": ANSI text (no byte-order mark), 128 fields\n"),
              0u);
    EXPECT_NE(clean.out.find("\n  1  101  :)    happy\n"), std::string::npos) << clean.out;
    EXPECT_NE(clean.out.find("\n 64  164  $-)   money eyes\n"), std::string::npos);
    EXPECT_NE(clean.out.find("\nno warnings\n"), std::string::npos);

    const CommandRun warned =
        RunCommand({"check", TempFile("pairs.dll", ":),happy\r\n:(,sad\r\n")});
    EXPECT_EQ(warned.status, 1);
    EXPECT_NE(warned.out.find("\n  2  102  happy  \n"), std::string::npos) << warned.out;
    EXPECT_NE(warned.out.find("\nwarning: only 4 fields"), std::string::npos);
    EXPECT_NE(warned.out.find("\n2 warnings\n"), std::string::npos);
}

TEST(CodesCheckCommand, UnreadableFileOrWrongArgumentsGive2) {
    const std::string missing = testing::TempDir() + "fizzmo_codes_no_such_file.dll";
    std::filesystem::remove(missing);
    const CommandRun notThere = RunCommand({"check", missing});
    EXPECT_EQ(notThere.status, 2);
    EXPECT_NE(notThere.err.find("no such file"), std::string::npos);
    EXPECT_EQ(notThere.out, "");

    const CommandRun folder = RunCommand({"check", testing::TempDir()});
    EXPECT_EQ(folder.status, 2);
    EXPECT_NE(folder.err.find("not a regular file"), std::string::npos);

    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"check"}, {"verify", FIZZMO_SAMPLE_CODES}, {"check", "a", "b"}}) {
        const CommandRun wrong = RunCommand(args);
        EXPECT_EQ(wrong.status, 2);
        EXPECT_EQ(wrong.err.find("usage: fizzmo-codes check PATH"), 0u);
        EXPECT_EQ(wrong.out, "");
    }
    const CommandRun help = RunCommand({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Exit status: 0 no warnings, 1 warnings, 2"), std::string::npos);
}

} // namespace
