#pragma once
#include "shared/code_page.h"

// The system's ANSI code page, the one the IM window's input box reads characters in.
class Win32CodePage final : public CodePage {
  public:
    std::string Name() override;
    std::string FromUnicode(char32_t character) override;
    std::string ToUtf8(std::string_view text) override;
};
