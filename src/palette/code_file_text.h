#pragma once
#include "palette/catalogue.h"
#include "shared/code_page.h"

#include <string>
#include <string_view>
#include <vector>

enum class CodeFileEncoding { CodePage, Utf8, Utf8WithoutMark, Utf16LittleEndian, Utf16BigEndian };

struct UnmappedCharacter {
    char32_t character;
    std::size_t offset; // where it stands in the text
};

struct CodeFileText {
    CodeFileEncoding encoding = CodeFileEncoding::CodePage;
    // UTF-8 for a file in Unicode; a file in the code page as it is, byte for byte.
    std::string text;
    // Of a file in Unicode, the characters the code page lacks, which the messenger gets as '?'.
    std::vector<UnmappedCharacter> unmapped;
};

// How a code file's bytes are text. A file with a byte-order mark, as editors save "UTF-8" and
// "Unicode" text, is Unicode; so is one without a mark that is all UTF-8 with some letters
// beyond ASCII, as Notepad saves it now. Any other file is in the code page.
CodeFileText DecodeCodeFile(std::string_view bytes, CodePage& codePage);

// A code file's fields twice over: as Unicode text (UTF-8), for all that is shown, read out and
// typed as keys, and in the code page, for the messenger's ANSI input box, which gets a file in
// the code page byte for byte and '?' for the characters of a Unicode file the code page lacks.
// Both come from one split of the text, so that their fields always pair up.
struct CodeFileTables {
    CodeFileEncoding encoding = CodeFileEncoding::CodePage;
    SmileyTable unicode;
    SmileyTable messenger;
};
CodeFileTables ReadCodeFile(std::string_view bytes, CodePage& codePage);

// "UTF-8 with a byte-order mark" and the like, for people.
std::string EncodingName(CodeFileEncoding encoding);
