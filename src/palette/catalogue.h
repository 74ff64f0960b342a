#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr int kSmileyCount = 64;
inline constexpr int kCatalogueSlots = 129;
inline constexpr int kFirstSmileyBitmap = 101;

// Bounds on what is taken from the code file, whatever its size: the rest is not read.
inline constexpr std::size_t kMaxCatalogueBytes = 1 << 20;
inline constexpr std::size_t kMaxFieldLength = 255;

// Slots 0-63 hold the codes, 64-127 the labels of the same pictures, 128 a spare field.
using SmileyTable = std::array<std::string, kCatalogueSlots>;

// Reads the comma/line separated fields of a code file into the table, in order.
// Never fails: whatever cannot be read stays empty.
SmileyTable ReadCatalogue(std::string_view fileText);

struct SmileyEntry {
    int bitmapResource;
    std::string code;
    std::string label;
    std::string hoverText;
};

// Emoticon index (0-63): its picture, code, label and the text shown on hover.
SmileyEntry LookupSmiley(const SmileyTable& table, int index);
