#pragma once
#include "palette/catalogue.h"
#include "shared/code_page.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

enum class CodesWarningKind {
    TooLarge,          // longer than the program reads
    Unmappable,        // characters the code page lacks, typed as '?'
    NulBytes,          // dropped by the reader
    TooFewFields,      // some pictures lack a code or a label
    TooManyFields,     // the fields after the 129th are ignored
    PairPerLine,       // written as "code,label" lines, which the program does not pair
    UnterminatedQuote, // the quote swallows the rest of the file
    EmptyCode,         // clicking the picture types nothing
    NoScanCode,        // a code character goes out with scan code 0
};

struct CodesWarning {
    CodesWarningKind kind;
    std::string message;
};

struct CodesReport {
    std::string encoding;       // as the file's byte-order mark, or its bytes, tell
    std::size_t fieldCount = 0; // of the text the program reads, past the 129 it keeps
    // All 64, code and label as the palette pairs them, in the code page the messenger gets.
    std::vector<SmileyEntry> pairs;
    std::vector<CodesWarning> warnings;
};

// What the program makes of a code file, on a system with this code page, and what in it is
// likely a mistake.
CodesReport CheckCodes(std::string_view fileBytes, CodePage& codePage);
// The same on a system with the Western European code page.
CodesReport CheckCodes(std::string_view fileBytes);

// The text with every byte outside printable ASCII written as \xNN.
std::string Printable(std::string_view text);

inline constexpr int kExitClean = 0;
inline constexpr int kExitWarnings = 1;
inline constexpr int kExitUnusable = 2; // unreadable file or wrong arguments

int ExitStatusFor(const CodesReport& report);
