#include "codes_check.h"

#include "palette/code_file_text.h"
#include "shared/scan_codes.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <optional>
#include <string>

namespace {

constexpr std::size_t kWantedFields = 2 * kSmileyCount;
constexpr std::size_t kSlots = kCatalogueSlots;

struct Line {
    std::size_t fields = 0;
    bool hasText = false;
    std::string first;
    std::string second;
};

struct OpenQuote {
    std::size_t field = 0;
    std::size_t offset = 0;
};

struct FieldScan {
    std::size_t count = 0;
    std::size_t firstIgnoredOffset = 0;
    std::optional<OpenQuote> openQuote;
    std::size_t linesWithText = 0;
    std::size_t pairLines = 0;
};

std::string Number(std::size_t n) {
    return std::to_string(n);
}

std::string Quoted(std::string_view text) {
    return "\"" + Printable(text) + "\"";
}

// 1-based, counting CR LF, CR and LF as one line end each, as the reader does.
std::size_t LineAt(std::string_view text, std::size_t offset) {
    std::size_t line = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\r' || (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))) {
            ++line;
        }
    }
    return line;
}

std::string Picture(std::size_t index) {
    return "picture " + Number(index + 1) + " (resource " + Number(kFirstSmileyBitmap + index) +
           ")";
}

std::string Pictures(std::size_t first, std::size_t last) {
    return first == last ? "picture " + Number(first + 1)
                         : "pictures " + Number(first + 1) + " to " + Number(last + 1);
}

std::string FieldRole(std::size_t field) {
    if (field < kSmileyCount) {
        return "the code of picture " + Number(field + 1);
    }
    if (field < kWantedFields) {
        return "the label of picture " + Number(field - kSmileyCount + 1);
    }
    return field < kSlots ? "the spare field" : "an ignored field";
}

// Labels are words; codes are mostly punctuation, with a letter or two.
bool IsLabelLike(std::string_view text) {
    std::size_t letters = 0;
    std::size_t visible = 0;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        letters += std::isalpha(byte) ? 1 : 0;
        visible += std::isgraph(byte) ? 1 : 0;
    }
    return letters >= 2 && letters * 2 > visible;
}

FieldScan ScanFields(std::string_view text) {
    FieldScan scan;
    Line line;
    // The reader's byte limit bounds the count: no more fields than bytes.
    VisitCatalogueFields(text, std::numeric_limits<std::size_t>::max(),
                         [&](const CatalogueField& field) {
                             if (scan.count == kSlots) {
                                 scan.firstIgnoredOffset = field.offset;
                             }
                             if (field.quoted && !field.quoteClosed) {
                                 scan.openQuote = OpenQuote{scan.count, field.offset};
                             }
                             ++scan.count;
                             ++line.fields;
                             line.hasText = line.hasText || !field.text.empty();
                             if (line.fields == 1) {
                                 line.first = field.text;
                             } else if (line.fields == 2) {
                                 line.second = field.text;
                             }
                             if (field.endsLine) {
                                 scan.linesWithText += line.hasText ? 1 : 0;
                                 const bool pair = line.fields == 2 && !IsLabelLike(line.first) &&
                                                   IsLabelLike(line.second);
                                 scan.pairLines += pair ? 1 : 0;
                                 line = Line{};
                             }
                         });
    return scan;
}

std::string DescribeByte(char c) {
    switch (c) {
    case ' ':
        return "the space";
    case '\'':
        return "the apostrophe";
    case '\t':
        return "the tab";
    default:
        return "byte 0x" + Printable(std::string_view(&c, 1)).substr(2);
    }
}

// Whether the bytes hold a letter written in UTF-8: in a file read as ANSI text, that letter
// reaches the messenger as two or more characters.
bool HoldsUtf8Letter(std::string_view code) {
    for (std::size_t i = 0; i + 1 < code.size(); ++i) {
        const auto lead = static_cast<unsigned char>(code[i]);
        const auto next = static_cast<unsigned char>(code[i + 1]);
        if (lead >= 0xC2 && lead <= 0xF4 && next >= 0x80 && next <= 0xBF) {
            return true;
        }
    }
    return false;
}

// The typist sends the double quote's key itself; every other character without a table entry
// goes out with scan code 0.
std::optional<std::string> CharactersWithoutKey(std::string_view code) {
    std::string seen;
    std::string names;
    for (char c : code) {
        if (c == '"' || !CharToScanCode(std::string_view(&c, 1)).empty() ||
            seen.find(c) != std::string::npos) {
            continue;
        }
        seen.push_back(c);
        names += (names.empty() ? "" : ", ") + DescribeByte(c);
    }
    if (seen.empty()) {
        return std::nullopt;
    }
    std::string text = names + (seen.size() == 1 ? " has" : " have") +
                       " no key in the scan-code table; the program still types " +
                       (seen.size() == 1 ? "it" : "them") + ", with scan code 0 in the key data";
    if (HoldsUtf8Letter(code)) {
        text += "; the file is not UTF-8 throughout, so it is read as ANSI text and bytes "
                "outside ASCII are typed one by one: a UTF-8 letter arrives as two or more";
    }
    return text;
}

void Warn(CodesReport& report, CodesWarningKind kind, std::string message) {
    report.warnings.push_back(CodesWarning{kind, std::move(message)});
}

std::string CharacterName(char32_t c) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string digits;
    for (char32_t rest = c; rest != 0 || digits.size() < 4; rest >>= 4) {
        digits.insert(digits.begin(), kHex[rest & 0xF]);
    }
    return "U+" + digits;
}

void CheckEncoding(std::size_t fileSize, const CodeFileText& decoded, const std::string& codePage,
                   CodesReport& report) {
    const std::string_view text = decoded.text;
    if (fileSize > kMaxCatalogueBytes) {
        Warn(report, CodesWarningKind::TooLarge,
             "the file is larger than " + Number(kMaxCatalogueBytes) +
                 " bytes; the program reads only that much of it and ignores the rest");
    }
    if (!decoded.unmapped.empty()) {
        const std::size_t n = decoded.unmapped.size();
        std::string message = Number(n) + (n == 1 ? " character" : " characters") + " that " +
                              codePage +
                              " cannot hold, typed as \"?\" into the messenger's IM window "
                              "(the palette shows them, and other windows get them, as they "
                              "are):";
        const std::size_t shown = std::min<std::size_t>(n, 5);
        for (std::size_t i = 0; i < shown; ++i) {
            const UnmappedCharacter& u = decoded.unmapped[i];
            message += (i == 0 ? " " : ", ") + CharacterName(u.character) + " on line " +
                       Number(LineAt(text, u.offset));
        }
        Warn(report, CodesWarningKind::Unmappable, message + (shown < n ? ", ..." : ""));
    }
    const auto nuls = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\0'));
    if (nuls > 0) {
        std::string message = "the file holds " + Number(nuls) + " NUL byte" +
                              (nuls == 1 ? "" : "s") + ", the first on line " +
                              Number(LineAt(text, text.find('\0'))) + "; the program drops them";
        if (nuls * 4 >= text.size()) {
            message += "; so many usually means UTF-16 saved without its byte-order mark: save "
                       "the file as \"Unicode\" or as ANSI text";
        }
        Warn(report, CodesWarningKind::NulBytes, std::move(message));
    }
}

void CheckFields(std::string_view text, const FieldScan& scan, CodesReport& report) {
    const std::size_t n = scan.count;
    const std::string wanted = "fewer than the 128 the program wants (64 codes, then 64 labels)";
    if (n == 0) {
        Warn(report, CodesWarningKind::TooFewFields,
             "the file holds no fields: no picture has a code or a label");
    } else if (n < kSmileyCount) {
        Warn(report, CodesWarningKind::TooFewFields,
             "only " + Number(n) + " fields, " + wanted + ": " + Pictures(n, kSmileyCount - 1) +
                 (n == kSmileyCount - 1 ? " has" : " have") +
                 " no code, and no picture has a label");
    } else if (n < kWantedFields) {
        Warn(report, CodesWarningKind::TooFewFields,
             "only " + Number(n) + " fields, " + wanted + ": " +
                 Pictures(n - kSmileyCount, kSmileyCount - 1) +
                 (n == kWantedFields - 1 ? " has" : " have") + " no label");
    } else if (n > kSlots) {
        Warn(report, CodesWarningKind::TooManyFields,
             Number(n) +
                 " fields, more than 129: the program keeps the first 129 and ignores "
                 "the rest, from field 130 on line " +
                 Number(LineAt(text, scan.firstIgnoredOffset)));
    }

    if (scan.pairLines >= 2 && scan.pairLines * 2 > scan.linesWithText) {
        std::string message =
            Number(scan.pairLines) + " of " + Number(scan.linesWithText) +
            " lines hold a code and a label, like \"code,label\", but the program does not pair "
            "the fields of a line: it takes all fields in order, the first 64 as the codes of "
            "pictures 1 to 64 and the next 64 as their labels";
        const std::string& second = report.pairs[1].code;
        if (!second.empty()) {
            message += " (so picture 2's code is " + Quoted(second) + ")";
        }
        Warn(report, CodesWarningKind::PairPerLine,
             message + "; write all 64 codes first, then the 64 labels in the same order");
    }

    if (scan.openQuote) {
        const OpenQuote& q = *scan.openQuote;
        Warn(report, CodesWarningKind::UnterminatedQuote,
             "the quote that opens field " + Number(q.field + 1) + " (" + FieldRole(q.field) +
                 ") on line " + Number(LineAt(text, q.offset)) +
                 " is never closed, so the rest of the file is read as that one field");
    }
}

void CheckCodesOfPictures(const FieldScan& scan, CodesReport& report) {
    const std::size_t present = std::min<std::size_t>(scan.count, kSmileyCount);
    for (std::size_t i = 0; i < present; ++i) {
        const std::string& code = report.pairs[i].code;
        if (code.empty()) {
            Warn(report, CodesWarningKind::EmptyCode,
                 Picture(i) + " has an empty code: clicking it types and sends nothing");
        } else if (std::optional<std::string> problem = CharactersWithoutKey(code)) {
            Warn(report, CodesWarningKind::NoScanCode,
                 Picture(i) + ", code " + Quoted(code) + ": " + *problem);
        }
    }
}

} // namespace

std::string Printable(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            shown.push_back(c);
        } else {
            shown += "\\x";
            shown.push_back(kHex[byte >> 4]);
            shown.push_back(kHex[byte & 0xF]);
        }
    }
    return shown;
}

CodesReport CheckCodes(std::string_view fileBytes, CodePage& codePage) {
    CodesReport report;
    const std::string_view read = fileBytes.substr(0, kMaxCatalogueBytes);
    const CodeFileText decoded = DecodeCodeFile(read, codePage);
    const std::string_view text = decoded.text;
    report.encoding = EncodingName(decoded.encoding);
    // The codes as the messenger's input box gets them, which is what the warnings are about.
    const SmileyTable table = ReadCodeFile(read, codePage).messenger;
    for (int i = 0; i < kSmileyCount; ++i) {
        report.pairs.push_back(LookupSmiley(table, i));
    }
    const FieldScan scan = ScanFields(text);
    report.fieldCount = scan.count;

    CheckEncoding(fileBytes.size(), decoded, codePage.Name(), report);
    CheckFields(text.substr(0, kMaxCatalogueBytes), scan, report);
    // Half the codes of a code-and-label file are labels: its one warning says enough.
    if (std::none_of(report.warnings.begin(), report.warnings.end(), [](const CodesWarning& w) {
            return w.kind == CodesWarningKind::PairPerLine;
        })) {
        CheckCodesOfPictures(scan, report);
    }
    return report;
}

CodesReport CheckCodes(std::string_view fileBytes) {
    Windows1252 western;
    return CheckCodes(fileBytes, western);
}

int ExitStatusFor(const CodesReport& report) {
    return report.warnings.empty() ? kExitClean : kExitWarnings;
}
