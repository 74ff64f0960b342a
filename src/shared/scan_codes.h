#pragma once
#include <string>
#include <string_view>

// The set-1 make code, as two uppercase hex digits, of the US-layout key that types the
// character; empty when the text is not exactly one character with a key in the table.
std::string CharToScanCode(std::string_view character);
