#pragma once
#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

inline constexpr int kSmileyCount = 64;
inline constexpr int kCatalogueSlots = 129;
inline constexpr int kFirstSmileyBitmap = 101;

// Bounds on what is taken from the code file, whatever its size: the rest is not read.
inline constexpr std::size_t kMaxCatalogueBytes = 1 << 20;
// As long as the longest text the typist types whole.
inline constexpr std::size_t kMaxFieldLength = 32766;

// Slots 0-63 hold the codes, 64-127 the labels of the same pictures, 128 a spare field.
using SmileyTable = std::array<std::string, kCatalogueSlots>;

// Reads the comma/line separated fields of a code file into the table, in order.
// Never fails: whatever cannot be read stays empty.
SmileyTable ReadCatalogue(std::string_view fileText);

// One field of a code file as the reader takes it, with what a checker of the file needs.
struct CatalogueField {
    std::string text;
    std::size_t offset = 0; // where the field starts, after the blanks before it
    bool quoted = false;
    bool quoteClosed = false;
    bool endsLine = false; // followed by a line end or the end of the text, not by a comma
};

// Hands the fields of the first kMaxCatalogueBytes of the text to visit, in order, stopping
// after maxFields of them; ReadCatalogue takes its table from the first kCatalogueSlots.
void VisitCatalogueFields(std::string_view fileText, std::size_t maxFields,
                          const std::function<void(const CatalogueField&)>& visit);

struct SmileyEntry {
    int bitmapResource;
    std::string code;
    std::string label;
    std::string hoverText;
};

// Emoticon index (0-63): its picture, code, label and the text shown on hover.
SmileyEntry LookupSmiley(const SmileyTable& table, int index);
