#include "code_page.h"

#include "unicode_text.h"

#include <array>

namespace {
// What Windows-1252 puts at 0x80 to 0x9F; 0 where it has nothing.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
} // namespace

std::string Windows1252::FromUnicode(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return std::string(1, static_cast<char>(character));
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == character) {
            return std::string(1, static_cast<char>(0x80 + i));
        }
    }
    return {};
}

std::string Windows1252::ToUtf8(std::string_view text) {
    std::string utf8;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const char16_t high = byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : 0;
        // Where the code page has nothing, the control character of that number, as Windows
        // reads it.
        AppendUtf8(utf8, high != 0 ? high : char32_t{byte});
    }
    return utf8;
}
