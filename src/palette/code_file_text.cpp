#include "code_file_text.h"

#include "shared/unicode_text.h"

namespace {

template <typename Reader> void Convert(Reader reader, CodePage& codePage, CodeFileText& out) {
    while (!reader.AtEnd()) {
        const char32_t character = reader.Next();
        std::string bytes =
            character == kReplacementCharacter ? std::string() : codePage.FromUnicode(character);
        if (bytes.empty()) {
            out.unmapped.push_back(UnmappedCharacter{character, out.text.size()});
            bytes = "?";
        }
        out.text += bytes;
    }
}

} // namespace

CodeFileText DecodeCodeFile(std::string_view bytes, CodePage& codePage) {
    CodeFileText out;
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        out.encoding = CodeFileEncoding::Utf8;
        Convert(Utf8Reader(bytes.substr(3)), codePage, out);
    } else if (bytes.starts_with("\xFF\xFE")) {
        out.encoding = CodeFileEncoding::Utf16LittleEndian;
        Convert(Utf16Reader(bytes.substr(2), false), codePage, out);
    } else if (bytes.starts_with("\xFE\xFF")) {
        out.encoding = CodeFileEncoding::Utf16BigEndian;
        Convert(Utf16Reader(bytes.substr(2), true), codePage, out);
    } else {
        out.text = std::string(bytes);
    }
    return out;
}

std::string EncodingName(CodeFileEncoding encoding) {
    switch (encoding) {
    case CodeFileEncoding::CodePage:
        break;
    case CodeFileEncoding::Utf8:
        return "UTF-8 with a byte-order mark";
    case CodeFileEncoding::Utf16LittleEndian:
        return "UTF-16 little-endian (\"Unicode\") with a byte-order mark";
    case CodeFileEncoding::Utf16BigEndian:
        return "UTF-16 big-endian with a byte-order mark";
    }
    return "ANSI text (no byte-order mark)";
}
