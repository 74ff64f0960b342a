#include "hot_key.h"

#include "options.h"

#include <algorithm>
#include <array>

namespace {

struct NamedKey {
    std::string_view name;
    int keyCode;
};

constexpr int kSpace = 0x20;
constexpr int kPageUp = 0x21;
constexpr int kPageDown = 0x22;
constexpr int kEnd = 0x23;
constexpr int kHome = 0x24;
constexpr int kInsert = 0x2D;
constexpr int kDelete = 0x2E;
constexpr std::array<NamedKey, 10> kNamedKeys{{
    {"SPACE", kSpace},
    {"PAGEUP", kPageUp},
    {"PAGEDOWN", kPageDown},
    {"END", kEnd},
    {"HOME", kHome},
    {"INSERT", kInsert},
    {"DELETE", kDelete},
    {"PAUSE", 0x13},
    {"SCROLLLOCK", 0x91},
    {"APPS", 0x5D},
}};
constexpr int kF1 = 0x70;
constexpr int kFunctionKeys = 24;

std::string UpperWithoutSpaces(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
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

// Whether pressing the combination anywhere would never have typed anything: with Ctrl, Alt or
// Win, or on a key that types no character. Ctrl+Alt is AltGr on many layouts, where it types
// characters with letters and digits.
bool TypesNothing(const HotKey& key) {
    const bool typingKey = (key.keyCode >= 'A' && key.keyCode <= 'Z') ||
                           (key.keyCode >= '0' && key.keyCode <= '9') || key.keyCode == kSpace ||
                           key.keyCode == kHome || key.keyCode == kEnd || key.keyCode == kPageUp ||
                           key.keyCode == kPageDown || key.keyCode == kInsert ||
                           key.keyCode == kDelete;
    if (!typingKey) {
        return true;
    }
    const bool altGr = key.ctrl && key.alt && !key.win;
    return (key.ctrl || key.alt || key.win) && !altGr;
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
            return TypesNothing(key) ? std::optional<HotKey>(key) : std::nullopt;
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
    const StoredSetting stored = store.ReadSetting(kSettingsApp, kSettingsSection, kHotKeySetting);
    if (stored.kind == StoredSetting::Kind::Missing) {
        return ParseHotKey(kDefaultHotKeyText);
    }
    // Whatever the user stored, they wanted some other key than the default: when it is no
    // text we can read, or names no usable key, none is taken from the other programs. A key's
    // name has nothing to expand, so an expandable text is read as written.
    if (stored.kind == StoredSetting::Kind::Unreadable) {
        return std::nullopt;
    }
    const std::string upper = UpperWithoutSpaces(stored.text);
    if (upper.empty() || upper == "NONE") {
        return std::nullopt;
    }
    return ParseHotKey(stored.text);
}
