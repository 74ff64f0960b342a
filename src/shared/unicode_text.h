#pragma once
#include <string>
#include <string_view>

// Text in UTF-8 and UTF-16, as code files, screen readers and typed keys carry it.

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Reads UTF-8 one character at a time; a malformed sequence gives the replacement character for
// its first byte.
class Utf8Reader {
  public:
    explicit Utf8Reader(std::string_view bytes) : bytes_(bytes) {}
    bool AtEnd() const { return pos_ >= bytes_.size(); }
    char32_t Next();

  private:
    unsigned Byte(std::size_t i) const { return static_cast<unsigned char>(bytes_[i]); }
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// Reads UTF-16 bytes of either order; an unpaired surrogate gives the replacement character,
// an odd last byte nothing.
class Utf16Reader {
  public:
    Utf16Reader(std::string_view bytes, bool bigEndian) : bytes_(bytes), bigEndian_(bigEndian) {}
    bool AtEnd() const { return pos_ + 1 >= bytes_.size(); }
    char32_t Next();

  private:
    char32_t Unit();
    std::string_view bytes_;
    bool bigEndian_;
    std::size_t pos_ = 0;
};

void AppendUtf8(std::string& out, char32_t character);
// The UTF-16 units of a UTF-8 text: two, a surrogate pair, for a character past U+FFFF.
std::u16string Utf16Of(std::string_view utf8);
