// Types a text into the frontmost IM window through the program's own typist.
// Usage: type_probe.exe T|F HEXBYTES   (T: press Enter afterwards; text as hex pairs)
#include "shared/typist.h"
#include "win32/win32_window_system.h"

#include <cstdio>
#include <string>

namespace {
bool DecodeHex(const std::string& hex, std::string& out) {
    if (hex.size() % 2 != 0) {
        return false;
    }
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        out.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    }
    return true;
}
} // namespace

int main(int argc, char** argv) {
    std::string text;
    if (argc != 3 || !DecodeHex(argv[2], text)) {
        std::fprintf(stderr, "usage: type_probe T|F HEXBYTES\n");
        return 2;
    }
    OptionsRecord options;
    options.SendOnClick = ToVbBool(std::string(argv[1]) == "T");
    Win32WindowSystem windows;
    TypeIntoIMWindow(windows, options, text);
    return 0;
}
