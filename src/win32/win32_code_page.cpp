#include "win32_code_page.h"

#include "wide_text.h"

#include <windows.h>

std::string Win32CodePage::Name() {
    return "Windows-" + std::to_string(GetACP());
}

std::string Win32CodePage::FromUnicode(char32_t character) {
    wchar_t units[2] = {};
    int count = 1;
    if (character >= 0x10000) {
        units[0] = static_cast<wchar_t>(0xD800 + ((character - 0x10000) >> 10));
        units[1] = static_cast<wchar_t>(0xDC00 + ((character - 0x10000) & 0x3FF));
        count = 2;
    } else {
        units[0] = static_cast<wchar_t>(character);
    }
    char bytes[8] = {};
    BOOL usedDefault = FALSE;
    // No best fit: an accented letter must not quietly turn into another one.
    const int written = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, units, count, bytes,
                                            sizeof bytes, nullptr, &usedDefault);
    if (written <= 0 || usedDefault) {
        return {};
    }
    return std::string(bytes, static_cast<std::size_t>(written));
}

std::string Win32CodePage::ToUtf8(std::string_view text) {
    const auto size = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(units > 0 ? units : 0), L'\0');
    if (units > 0) {
        MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), units);
    }
    return Utf8(wide);
}
