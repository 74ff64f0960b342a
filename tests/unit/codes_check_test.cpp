#include "fake_file_system.h"
#include "fizzmo_codes/codes_check.h"
#include "fizzmo_codes/codes_command.h"
#include "fizzmo_codes/posix_file_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using Kind = CodesWarningKind;

std::vector<std::string> Numbered(std::size_t count, const std::string& prefix = "f") {
    std::vector<std::string> fields;
    for (std::size_t i = 1; i <= count; ++i) {
        fields.push_back(prefix + std::to_string(i));
    }
    return fields;
}

// 64 codes, then 64 labels: a file the program reads as intended.
std::vector<std::string> GoodFields() {
    std::vector<std::string> fields = Numbered(64, ":-");
    for (const std::string& label : Numbered(64, "label ")) {
        fields.push_back(label);
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

// The kinds of the warnings, and whether one of the kind says these words.
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

// The good file with one field replaced.
CodesReport CheckWith(std::size_t field, const std::string& text) {
    std::vector<std::string> fields = GoodFields();
    fields[field] = text;
    return CheckCodes(Join(fields));
}

TEST(CodesCheck, SampleFileIsCleanWithAll64Pairs) {
    std::ifstream file(FIZZMO_SAMPLE_CODES, std::ios::binary);
    std::stringstream sample;
    sample << file.rdbuf();
    const CodesReport report = CheckCodes(sample.str());
    EXPECT_EQ(report.fieldCount, 128u);
    ASSERT_EQ(report.pairs.size(), 64u);
    EXPECT_EQ(report.pairs[0].code, ":)");
    EXPECT_EQ(report.pairs[0].label, "happy");
    EXPECT_EQ(report.pairs[8].code, ":\">"); // its quote has a key of its own in the typist
    EXPECT_EQ(report.pairs[63].bitmapResource, 164);
    EXPECT_EQ(report.pairs[63].label, "money eyes");
    EXPECT_TRUE(report.warnings.empty()) << report.warnings[0].message;
    EXPECT_EQ(Kinds(CheckCodes(Join(GoodFields(), ","))), std::vector<Kind>{});
}

TEST(CodesCheck, FieldCountAndWhatIsMissingOrIgnored) {
    const std::pair<std::size_t, std::string> cases[] = {
        {0, "no picture has a code or a label"},
        {1, "pictures 2 to 64 have no code"},
        {63, "picture 64 has no code"},
        {64, "pictures 1 to 64 have no label"},
        {100, "pictures 37 to 64 have no label"},
        {127, "picture 64 has no label"},
        {128, ""},
        {129, ""}, // the spare field
        {130, "from field 130 on line 130"},
        {5000, "5000 fields"},
    };
    for (const auto& [count, words] : cases) {
        const CodesReport report = CheckCodes(Join(Numbered(count)));
        EXPECT_EQ(report.fieldCount, count);
        const Kind kind = count < 128 ? Kind::TooFewFields : Kind::TooManyFields;
        EXPECT_EQ(Kinds(report), words.empty() ? std::vector<Kind>{} : std::vector<Kind>{kind});
        EXPECT_TRUE(words.empty() || Mentions(report, kind, words)) << count;
    }
    // Blank lines and double commas are fields too; the line of field 130 counts them.
    const CodesReport spread = CheckCodes(Join(Numbered(128), ",") + "\n\n,x");
    EXPECT_EQ(spread.fieldCount, 132u);
    EXPECT_TRUE(Mentions(spread, Kind::TooManyFields, "from field 130 on line 2"));
}

TEST(CodesCheck, CodeCommaLabelLinesAreCalledOut) {
    const std::vector<std::string> good = GoodFields();
    std::string perLine, twoALine;
    for (std::size_t i = 0; i < 64; ++i) {
        perLine += good[i] + "," + good[i + 64] + "\r\n";
        twoALine += good[2 * i] + "," + good[2 * i + 1] + "\n";
    }
    // Exactly 128 fields, so only the pairing gives it away.
    const CodesReport report = CheckCodes(perLine);
    EXPECT_EQ(Kinds(report), std::vector<Kind>{Kind::PairPerLine});
    EXPECT_TRUE(Mentions(report, Kind::PairPerLine, "64 of 64 lines"));
    EXPECT_TRUE(Mentions(report, Kind::PairPerLine, "picture 2's code is \"label 1\""));
    EXPECT_TRUE(Mentions(report, Kind::PairPerLine, "all 64 codes first"));
    // Two fields a line in the right order are codes beside codes and labels beside labels.
    EXPECT_EQ(Kinds(CheckCodes(twoALine)), std::vector<Kind>{});
}

TEST(CodesCheck, UnterminatedQuoteSwallowsTheRest) {
    const CodesReport report = CheckWith(9, "\":-O");
    EXPECT_EQ(report.fieldCount, 10u);
    // The swallowed line ends land in the code, and would be typed.
    EXPECT_EQ(Kinds(report),
              (std::vector<Kind>{Kind::TooFewFields, Kind::UnterminatedQuote, Kind::NoScanCode}));
    EXPECT_TRUE(
        Mentions(report, Kind::UnterminatedQuote, "field 10 (the code of picture 10) on line 10"));
    EXPECT_EQ(Kinds(CheckWith(70, "\"a label, with a comma\"")), std::vector<Kind>{});
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
    const std::pair<std::string, std::string> cases[] = {
        {"\":-) :-)\"", "the space has no key"},
        {":'(", "the apostrophe has no key"},
        {"\"\t:)\"", "the tab has no key"},
        {"'o' o'", "the apostrophe, the space have no key"},
        {"\xC3\xA9:)", "byte 0xE9 has no key"}, // UTF-8, typed in the code page
    };
    for (const auto& [code, words] : cases) {
        const CodesReport report = CheckWith(6, code);
        EXPECT_EQ(Kinds(report), std::vector<Kind>{Kind::NoScanCode}) << code;
        for (const std::string& said :
             {words, std::string("picture 7 (resource 107)"), std::string("scan code 0")}) {
            EXPECT_TRUE(Mentions(report, Kind::NoScanCode, said)) << report.warnings[0].message;
        }
    }
    // A file that is not UTF-8 throughout is read as ANSI: its UTF-8 letters as two bytes.
    std::vector<std::string> mixed = GoodFields();
    mixed[6] = "\xC3\xA9";
    mixed[64] = "caf\xE9";
    const CodesReport ansi = CheckCodes(Join(mixed));
    EXPECT_EQ(ansi.encoding, "ANSI text (no byte-order mark)");
    EXPECT_TRUE(Mentions(ansi, Kind::NoScanCode, "byte 0xC3, byte 0xA9 have no key"));
    EXPECT_TRUE(Mentions(ansi, Kind::NoScanCode, "not UTF-8 throughout"));
    // Labels are shown, never typed.
    EXPECT_EQ(Kinds(CheckWith(64 + 6, "don't \xC3\xA9")), std::vector<Kind>{});
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
    EXPECT_EQ(report.pairs[0].code, ":-1");
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
    // The same text saved as UTF-8 without a mark, as Notepad saves it now.
    report = CheckCodes(good.substr(0, good.size() - 2) + "\xE4\xB8\xAD");
    EXPECT_EQ(report.encoding, "UTF-8 without a byte-order mark");
    EXPECT_EQ(Kinds(report), std::vector<Kind>{Kind::Unmappable});
    EXPECT_TRUE(Mentions(report, Kind::Unmappable, "U+4E2D on line 128"));
    EXPECT_TRUE(Mentions(report, Kind::Unmappable, "\"?\" into the messenger's IM window"));
    EXPECT_TRUE(Mentions(CheckCodes(utf16.substr(2)), Kind::NulBytes, "UTF-16"));
}

TEST(CodesCheck, PrintableEscapesWhatATerminalWouldMangle) {
    EXPECT_EQ(Printable(":\">~ \\"), ":\">~ \\");
    EXPECT_EQ(Printable(std::string("\t\0\x7F\xFF", 4)), "\\x09\\x00\\x7F\\xFF");
}

// The checker as run on Linux, on real files.
CommandOutput RunCommand(const std::vector<std::string>& args) {
    PosixFileSystem files;
    Windows1252 codePage;
    return RunCodesCommand(args, files, codePage);
}

TEST(CodesCheckCommand, ExitStatusFollowsWarnings) {
    const CommandOutput clean = RunCommand({"check", FIZZMO_SAMPLE_CODES});
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.err, "");
    EXPECT_EQ(clean.out.find(std::string(FIZZMO_SAMPLE_CODES) +
                             ": ANSI text (no byte-order mark), 128 fields\n"),
              0u);
    for (const char* line : {"\npicture  code  name\n", "\n      1  :)    happy\n",
                             "\n     64  $-)   money eyes\n", "\nno warnings\n"}) {
        EXPECT_NE(clean.out.find(line), std::string::npos) << clean.out;
    }
    const std::string pairs = testing::TempDir() + "fizzmo_codes_pairs.dll";
    std::ofstream(pairs, std::ios::binary) << ":),happy\r\n:(,sad\r\n";
    const CommandOutput warned = RunCommand({"check", pairs});
    EXPECT_EQ(warned.status, 1);
    for (const char* line :
         {"\n      2  happy  \n", "\nwarning: only 4 fields", "\n2 warnings\n"}) {
        EXPECT_NE(warned.out.find(line), std::string::npos) << warned.out;
    }
}

TEST(CodesCheckCommand, UnreadableFileOrWrongArgumentsGive2) {
    const std::string missing = testing::TempDir() + "fizzmo_codes_no_such_file.dll";
    std::filesystem::remove(missing);
    const CommandOutput notThere = RunCommand({"check", missing});
    EXPECT_EQ(notThere.status, 2);
    EXPECT_EQ(notThere.err, "fizzmo-codes: " + missing + ": no such file\n");
    EXPECT_EQ(notThere.out, "");
    const CommandOutput folder = RunCommand({"check", testing::TempDir()});
    EXPECT_EQ(folder.status, 2);
    EXPECT_NE(folder.err.find("not a regular file"), std::string::npos);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"check"}, {"verify", FIZZMO_SAMPLE_CODES}, {"check", "a", "b"}, {"/?", "x"}}) {
        const CommandOutput wrong = RunCommand(args);
        EXPECT_EQ(wrong.status, 2);
        EXPECT_EQ(wrong.err.find("usage: fizzmo-codes check PATH"), 0u);
        EXPECT_EQ(wrong.out, "");
    }
    const CommandOutput version = RunCommand({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "fizzmo-codes " FIZZMO_VERSION "\n"); // the project's version
}

// "/?" as Windows programs take it, and the forms of other systems.
TEST(CodesCheckCommand, HelpInEveryFormGivesTheUsageAnd0) {
    for (const char* form : {"/?", "--help", "-h"}) {
        const CommandOutput help = RunCommand({form});
        EXPECT_EQ(help.status, 0) << form;
        EXPECT_EQ(help.out.find("usage: fizzmo-codes check PATH\n"), 0u) << form;
        EXPECT_NE(help.out.find("\nExit status: 0 no warnings, 1 warnings, 2"), std::string::npos);
        EXPECT_EQ(help.err, "") << form;
    }
}

// Through the program's own file port, as on Windows: a file seen but not read is reported.
TEST(CodesCheckCommand, ReadsThroughTheProgramsFilePort) {
    FakeFileSystem files;
    files.AddFile("codes.dll", ":),happy\r\n");
    files.attributes["C:\\Fizzmo\\locked.dll"] = {};
    files.attributes["C:\\Fizzmo\\Smilies"] = FileAttributes{true, false, false};
    Windows1252 codePage;
    const CommandOutput read = RunCodesCommand({"check", "C:\\Fizzmo\\codes.dll"}, files, codePage);
    EXPECT_EQ(read.status, 1);
    EXPECT_EQ(read.out.find("C:\\Fizzmo\\codes.dll: ANSI text (no byte-order mark), 2 fields\n"),
              0u);
    // One byte past what the program reads is asked for, to tell a longer file.
    files.AddFile("large.dll", std::string(kMaxCatalogueBytes + 1, ','));
    EXPECT_NE(RunCodesCommand({"check", "C:\\Fizzmo\\large.dll"}, files, codePage)
                  .out.find("warning: the file is larger than"),
              std::string::npos);
    const std::pair<const char*, const char*> unusable[] = {
        {"C:\\Fizzmo\\locked.dll", "cannot read it"},
        {"C:\\Fizzmo\\Smilies", "not a regular file"},
        {"C:\\Fizzmo\\other.dll", "no such file"},
    };
    for (const auto& [path, problem] : unusable) {
        const CommandOutput r = RunCodesCommand({"check", path}, files, codePage);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "fizzmo-codes: " + std::string(path) + ": " + problem + "\n");
        EXPECT_EQ(r.out, "");
    }
}

} // namespace
