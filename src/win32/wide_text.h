#pragma once
#include <windows.h>

#include <string>
#include <string_view>

// The program's texts are UTF-8; Windows shows and reads out text in UTF-16.
inline std::wstring Wide(std::string_view utf8) {
    const auto size = static_cast<int>(utf8.size());
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(units > 0 ? units : 0), L'\0');
    if (units > 0) {
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), units);
    }
    return wide;
}

inline std::string Utf8(std::wstring_view wide) {
    const auto size = static_cast<int>(wide.size());
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) {
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), bytes, nullptr, nullptr);
    }
    return utf8;
}

// A window's text, as UTF-8.
inline std::string WindowTextOf(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return Utf8(text);
}
