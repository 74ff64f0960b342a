#include "auto_start.h"

#include <algorithm>

namespace {
// Windows' paths are the same whatever the case of their letters.
bool SameIgnoringCase(const std::string& a, const std::string& b) {
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
               return lower(static_cast<unsigned char>(x)) == lower(static_cast<unsigned char>(y));
           });
}
} // namespace

std::string AutoStartCommand(const std::string& programPath) {
    return "\"" + programPath + "\"";
}

bool StartsWithWindows(AutoStart& list) {
    const std::string path = list.ProgramPath();
    const std::optional<std::string> command = list.Command(kAutoStartName);
    return !path.empty() && command && SameIgnoringCase(*command, AutoStartCommand(path));
}

bool ToggleStartWithWindows(AutoStart& list) {
    if (list.ProgramPath().empty()) {
        return false; // nothing to point the entry at
    }
    if (StartsWithWindows(list)) {
        list.Remove(kAutoStartName);
    } else {
        list.SetCommand(kAutoStartName, AutoStartCommand(list.ProgramPath()));
    }
    return StartsWithWindows(list);
}
