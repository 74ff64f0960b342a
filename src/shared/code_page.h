#pragma once
#include <string>
#include <string_view>

// The single-byte (ANSI) code page that the IM window's input box reads characters in.
class CodePage {
  public:
    virtual ~CodePage() = default;
    // Its name, to tell a user what their files are converted to.
    virtual std::string Name() = 0;
    // The character as this code page writes it; empty when it has no such character.
    virtual std::string FromUnicode(char32_t character) = 0;
    // Text written in this code page, as UTF-8.
    virtual std::string ToUtf8(std::string_view text) = 0;
};

// Windows-1252, the Western European code page: what a program with no system to ask uses.
class Windows1252 final : public CodePage {
  public:
    std::string Name() override { return "Windows-1252"; }
    std::string FromUnicode(char32_t character) override;
    std::string ToUtf8(std::string_view text) override;
};
