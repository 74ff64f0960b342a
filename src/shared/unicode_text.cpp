#include "unicode_text.h"

char32_t Utf8Reader::Next() {
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
        return kReplacementCharacter;
    }
    for (int i = 0; i < length; ++i) {
        if (pos_ + static_cast<std::size_t>(i) >= bytes_.size() ||
            (Byte(pos_ + static_cast<std::size_t>(i)) & 0xC0) != 0x80) {
            return kReplacementCharacter;
        }
        value = (value << 6) | (Byte(pos_ + static_cast<std::size_t>(i)) & 0x3F);
    }
    pos_ += static_cast<std::size_t>(length);
    const bool overlong = (length == 2 && value < 0x800) || (length == 3 && value < 0x10000);
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    return overlong || surrogate || value > 0x10FFFF ? kReplacementCharacter : value;
}

char32_t Utf16Reader::Next() {
    const char32_t unit = Unit();
    if (unit >= 0xD800 && unit <= 0xDBFF && !AtEnd()) {
        const std::size_t low = pos_;
        const char32_t next = Unit();
        if (next >= 0xDC00 && next <= 0xDFFF) {
            return 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00);
        }
        pos_ = low;
        return kReplacementCharacter;
    }
    return unit >= 0xD800 && unit <= 0xDFFF ? kReplacementCharacter : unit;
}

char32_t Utf16Reader::Unit() {
    const auto first = static_cast<unsigned char>(bytes_[pos_]);
    const auto second = static_cast<unsigned char>(bytes_[pos_ + 1]);
    pos_ += 2;
    return bigEndian_ ? char32_t{first} << 8 | second : char32_t{second} << 8 | first;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::u16string Utf16Of(std::string_view utf8) {
    std::u16string units;
    Utf8Reader reader(utf8);
    while (!reader.AtEnd()) {
        const char32_t c = reader.Next();
        if (c >= 0x10000) {
            units += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            units += static_cast<char16_t>(c);
        }
    }
    return units;
}
