#include "code_file_text.h"

#include "shared/unicode_text.h"

#include <optional>

namespace {

// The character as the messenger gets it; empty where the code page lacks it, as for the
// replacement character, which stands for bytes that were no text.
std::string InCodePage(char32_t character, CodePage& codePage) {
    if (character < 0x80) {
        return std::string(1, static_cast<char>(character));
    }
    return character == kReplacementCharacter ? std::string() : codePage.FromUnicode(character);
}

template <typename Reader> void Decode(Reader reader, CodePage& codePage, CodeFileText& out) {
    while (!reader.AtEnd()) {
        const char32_t character = reader.Next();
        if (InCodePage(character, codePage).empty()) {
            out.unmapped.push_back(UnmappedCharacter{character, out.text.size()});
        }
        AppendUtf8(out.text, character);
    }
}

// The length of the whole characters when the bytes are well-formed UTF-8. A character cut off
// at the end is left out when the bytes fill all the reader takes of a file: the cut is the
// reader's, not the file's.
std::optional<std::size_t> Utf8Length(std::string_view bytes) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned lead = byte(i);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        // The range the first continuation byte must lie in; the others are 0x80 to 0xBF.
        unsigned low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong form
            high = lead == 0xED ? 0x9F : 0xBF; // no surrogate
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;  // no overlong form
            high = lead == 0xF4 ? 0x8F : 0xBF; // nothing past U+10FFFF
        } else {
            return std::nullopt;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if (i + k >= bytes.size()) {
                return bytes.size() >= kMaxCatalogueBytes ? std::optional(i) : std::nullopt;
            }
            if (byte(i + k) < low || byte(i + k) > high) {
                return std::nullopt;
            }
            low = 0x80;
            high = 0xBF;
        }
        i += length;
    }
    return i;
}

bool BeyondAscii(std::string_view bytes) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return true;
        }
    }
    return false;
}

// A field cut at the field's length limit may end in part of a character: that part goes.
std::string WholeCharacters(std::string field) {
    std::size_t start = field.size();
    for (std::size_t back = 1; back <= 3 && back <= field.size(); ++back) {
        const auto c = static_cast<unsigned char>(field[field.size() - back]);
        if (c < 0x80) {
            break;
        }
        if (c >= 0xC0) {
            const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
            start = length > back ? field.size() - back : start;
            break;
        }
    }
    field.resize(start);
    return field;
}

std::string FieldInCodePage(std::string_view utf8, CodePage& codePage) {
    std::string bytes;
    Utf8Reader reader(utf8);
    while (!reader.AtEnd()) {
        const std::string character = InCodePage(reader.Next(), codePage);
        bytes += character.empty() ? "?" : character;
    }
    return bytes;
}

} // namespace

CodeFileText DecodeCodeFile(std::string_view bytes, CodePage& codePage) {
    CodeFileText out;
    std::optional<std::size_t> utf8Length;
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        out.encoding = CodeFileEncoding::Utf8;
        Decode(Utf8Reader(bytes.substr(3)), codePage, out);
    } else if (bytes.starts_with("\xFF\xFE")) {
        out.encoding = CodeFileEncoding::Utf16LittleEndian;
        Decode(Utf16Reader(bytes.substr(2), false), codePage, out);
    } else if (bytes.starts_with("\xFE\xFF")) {
        out.encoding = CodeFileEncoding::Utf16BigEndian;
        Decode(Utf16Reader(bytes.substr(2), true), codePage, out);
    } else if (BeyondAscii(bytes) && (utf8Length = Utf8Length(bytes))) {
        out.encoding = CodeFileEncoding::Utf8WithoutMark;
        Decode(Utf8Reader(bytes.substr(0, *utf8Length)), codePage, out);
    } else {
        out.text = std::string(bytes);
    }
    return out;
}

CodeFileTables ReadCodeFile(std::string_view bytes, CodePage& codePage) {
    const CodeFileText decoded = DecodeCodeFile(bytes, codePage);
    CodeFileTables tables;
    tables.encoding = decoded.encoding;
    const SmileyTable fields = ReadCatalogue(decoded.text);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (decoded.encoding == CodeFileEncoding::CodePage) {
            tables.messenger[i] = fields[i];
            tables.unicode[i] = BeyondAscii(fields[i]) ? codePage.ToUtf8(fields[i]) : fields[i];
        } else {
            tables.unicode[i] = WholeCharacters(fields[i]);
            tables.messenger[i] = FieldInCodePage(tables.unicode[i], codePage);
        }
    }
    return tables;
}

std::string EncodingName(CodeFileEncoding encoding) {
    switch (encoding) {
    case CodeFileEncoding::CodePage:
        break;
    case CodeFileEncoding::Utf8:
        return "UTF-8 with a byte-order mark";
    case CodeFileEncoding::Utf8WithoutMark:
        return "UTF-8 without a byte-order mark";
    case CodeFileEncoding::Utf16LittleEndian:
        return "UTF-16 little-endian (\"Unicode\") with a byte-order mark";
    case CodeFileEncoding::Utf16BigEndian:
        return "UTF-16 big-endian with a byte-order mark";
    }
    return "ANSI text (no byte-order mark)";
}
