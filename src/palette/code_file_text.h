#pragma once
#include "shared/code_page.h"

#include <string>
#include <string_view>
#include <vector>

enum class CodeFileEncoding { CodePage, Utf8, Utf16LittleEndian, Utf16BigEndian };

struct UnmappedCharacter {
    char32_t character;
    std::size_t offset; // where its '?' stands in the converted text
};

struct CodeFileText {
    CodeFileEncoding encoding = CodeFileEncoding::CodePage;
    std::string text; // in the code page, as the reader takes it
    std::vector<UnmappedCharacter> unmapped;
};

// A code file's bytes as text in the code page. A file with a byte-order mark, as editors save
// "UTF-8" and "Unicode" text, is converted, a character the code page lacks becoming '?'; a
// file without one is already in the code page and is taken byte for byte.
CodeFileText DecodeCodeFile(std::string_view bytes, CodePage& codePage);

// "UTF-8 with a byte-order mark" and the like, for people.
std::string EncodingName(CodeFileEncoding encoding);
