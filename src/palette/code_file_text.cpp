#include "code_file_text.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

class Utf8Reader {
  public:
    explicit Utf8Reader(std::string_view bytes) : bytes_(bytes) {}
    bool AtEnd() const { return pos_ >= bytes_.size(); }

    // One character; a malformed sequence gives the replacement character for its first byte.
    char32_t Next() {
        const auto lead = Byte(pos_++);
        if (lead < 0x80) {
            return lead;
        }
        int length = 0;
        char32_t value = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 1;
            value = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 2;
            value = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 3;
            value = lead & 0x07;
        } else {
            return kReplacement;
        }
        for (int i = 0; i < length; ++i) {
            if (pos_ + static_cast<std::size_t>(i) >= bytes_.size() ||
                (Byte(pos_ + static_cast<std::size_t>(i)) & 0xC0) != 0x80) {
                return kReplacement;
            }
            value = (value << 6) | (Byte(pos_ + static_cast<std::size_t>(i)) & 0x3F);
        }
        pos_ += static_cast<std::size_t>(length);
        const bool overlong = (length == 2 && value < 0x800) || (length == 3 && value < 0x10000);
        const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
        return overlong || surrogate || value > 0x10FFFF ? kReplacement : value;
    }

  private:
    unsigned Byte(std::size_t i) const { return static_cast<unsigned char>(bytes_[i]); }
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

class Utf16Reader {
  public:
    Utf16Reader(std::string_view bytes, bool bigEndian) : bytes_(bytes), bigEndian_(bigEndian) {}
    bool AtEnd() const { return pos_ + 1 >= bytes_.size(); } // an odd last byte is no character

    char32_t Next() {
        const char32_t unit = Unit();
        if (unit >= 0xD800 && unit <= 0xDBFF && !AtEnd()) {
            const std::size_t low = pos_;
            const char32_t next = Unit();
            if (next >= 0xDC00 && next <= 0xDFFF) {
                return 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00);
            }
            pos_ = low;
            return kReplacement;
        }
        return unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : unit;
    }

  private:
    char32_t Unit() {
        const auto first = static_cast<unsigned char>(bytes_[pos_]);
        const auto second = static_cast<unsigned char>(bytes_[pos_ + 1]);
        pos_ += 2;
        return bigEndian_ ? char32_t{first} << 8 | second : char32_t{second} << 8 | first;
    }
    std::string_view bytes_;
    bool bigEndian_;
    std::size_t pos_ = 0;
};

template <typename Reader> void Convert(Reader reader, CodePage& codePage, CodeFileText& out) {
    while (!reader.AtEnd()) {
        const char32_t character = reader.Next();
        std::string bytes =
            character == kReplacement ? std::string() : codePage.FromUnicode(character);
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
