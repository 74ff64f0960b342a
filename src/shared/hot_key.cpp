#include "hot_key.h"

#include "options.h"

#include <algorithm>
#include <array>

namespace {

struct NamedKey {
    std::string_view name;
    int keyCode;
};

constexpr std::array<NamedKey, 10> kNamedKeys{{
    {"SPACE", 0x20},
    {"PAGEUP", 0x21},
    {"PAGEDOWN", 0x22},
    {"END", 0x23},
    {"HOME", 0x24},
    {"INSERT", 0x2D},
    {"DELETE", 0x2E},
    {"PAUSE", 0x13},
    {"SCROLLLOCK", 0x91},
    {"APPS", 0x5D},
}};
constexpr int kF1 = 0x70;
constexpr int kFunctionKeys = 24;

std::string UpperWithoutSpaces(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c != ' ' && c != '\t') {
            out += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        }
    }
    return out;
}

std::optional<int> KeyCodeOf(const std::string& name) {
    if (name.size() == 1 &&
        ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9'))) {
        return name[0]; // letters and digits are their own key codes
    }
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F' &&
        std::all_of(name.begin() + 1, name.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
        name[1] != '0') {
        int number = 0;
        for (std::size_t i = 1; i < name.size(); ++i) {
            number = number * 10 + (name[i] - '0');
        }
        if (number >= 1 && number <= kFunctionKeys) {
            return kF1 + number - 1;
        }
        return std::nullopt;
    }
    for (const NamedKey& k : kNamedKeys) {
        if (name == k.name) {
            return k.keyCode;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<HotKey> ParseHotKey(std::string_view text) {
    const std::string upper = UpperWithoutSpaces(text);
    HotKey key;
    std::size_t start = 0;
    while (true) {
        const std::size_t plus = upper.find('+', start);
        const std::string part =
            upper.substr(start, plus == std::string::npos ? plus : plus - start);
        if (plus == std::string::npos) { // the last part is the key itself
            const std::optional<int> code = KeyCodeOf(part);
            if (!code) {
                return std::nullopt;
            }
            key.keyCode = *code;
            return key;
        }
        bool* modifier = part == "CTRL" || part == "CONTROL" ? &key.ctrl
                         : part == "SHIFT"                   ? &key.shift
                         : part == "ALT"                     ? &key.alt
                         : part == "WIN"                     ? &key.win
                                                             : nullptr;
        if (!modifier || *modifier) { // unknown, or named twice
            return std::nullopt;
        }
        *modifier = true;
        start = plus + 1;
    }
}

std::optional<HotKey> LoadHotKey(SettingsStore& store) {
    const std::string text =
        store.GetSetting(kSettingsApp, kSettingsSection, kHotKeySetting, kDefaultHotKeyText);
    const std::string upper = UpperWithoutSpaces(text);
    if (upper.empty() || upper == "NONE") {
        return std::nullopt;
    }
    if (std::optional<HotKey> key = ParseHotKey(text)) {
        return key;
    }
    return ParseHotKey(kDefaultHotKeyText);
}
