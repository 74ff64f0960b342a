#include "scan_codes.h"

#include <array>
#include <cstdint>

namespace {

struct KeyEntry {
    char character;
    const char* code;
};

// A key names a physical key, so both characters on one key share its code.
constexpr std::array<KeyEntry, 92> kKeys{{
    {'a', "1E"},  {'b', "30"}, {'c', "2E"}, {'d', "20"}, {'e', "12"}, {'f', "21"}, {'g', "22"},
    {'h', "23"},  {'i', "17"}, {'j', "24"}, {'k', "25"}, {'l', "26"}, {'m', "32"}, {'n', "31"},
    {'o', "18"},  {'p', "19"}, {'q', "10"}, {'r', "13"}, {'s', "1F"}, {'t', "14"}, {'u', "16"},
    {'v', "2F"},  {'w', "11"}, {'x', "2D"}, {'y', "15"}, {'z', "2C"}, {'A', "1E"}, {'B', "30"},
    {'C', "2E"},  {'D', "20"}, {'E', "12"}, {'F', "21"}, {'G', "22"}, {'H', "23"}, {'I', "17"},
    {'J', "24"},  {'L', "26"}, {'K', "25"}, {'M', "32"}, {'N', "31"}, {'O', "18"}, {'P', "19"},
    {'Q', "10"},  {'R', "13"}, {'S', "1F"}, {'T', "14"}, {'U', "16"}, {'V', "2F"}, {'W', "11"},
    {'X', "2D"},  {'Y', "15"}, {'Z', "2C"}, {'`', "29"}, {'1', "02"}, {'2', "03"}, {'3', "04"},
    {'4', "05"},  {'5', "06"}, {'6', "07"}, {'7', "08"}, {'8', "09"}, {'9', "0A"}, {'0', "0B"},
    {'-', "0C"},  {'=', "0D"}, {'~', "29"}, {'!', "02"}, {'@', "03"}, {'#', "04"}, {'$', "05"},
    {'%', "06"},  {'^', "07"}, {'&', "08"}, {'*', "09"}, {'(', "0A"}, {')', "0B"}, {'_', "0C"},
    {'+', "0D"},  {',', "33"}, {'.', "34"}, {'/', "35"}, {';', "27"}, {'[', "1A"}, {']', "1B"},
    {'\\', "2B"}, {'<', "33"}, {'>', "34"}, {'?', "35"}, {':', "27"}, {'{', "1A"}, {'}', "1B"},
    {'|', "2B"},
}};

// One slot per byte value, built once from the table above.
constexpr std::array<const char*, 256> BuildIndex() {
    std::array<const char*, 256> index{};
    for (const KeyEntry& key : kKeys) {
        index[static_cast<std::uint8_t>(key.character)] = key.code;
    }
    return index;
}

constexpr std::array<const char*, 256> kIndex = BuildIndex();

} // namespace

std::string CharToScanCode(std::string_view character) {
    if (character.size() != 1) {
        return {};
    }
    const char* code = kIndex[static_cast<std::uint8_t>(character[0])];
    return code ? std::string(code) : std::string();
}
