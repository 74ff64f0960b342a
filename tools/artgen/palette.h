#pragma once
// The fixed 256-colour palette shared by all 64 emoticon bitmaps and the program icon.
#include <array>
#include <cstdint>

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// Named entries (the rest of the table is a 6x6x6 colour cube, unused by the pictures).
enum Col : std::uint8_t {
    BG = 0, // the launcher's dark green (0,128,0): the pictures sit in it
    K,      // outline black
    W,      // white
    Y,      // face yellow
    YS,     // face shade (orange yellow)
    YH,     // face highlight
    R,      // red
    RD,     // dark red
    PK,     // pink
    PKD,    // dark pink
    OR,     // orange
    ORD,    // dark orange
    BL,     // blue
    LB,     // light blue
    GN,     // leaf green (lighter than the background)
    GND,    // dark green
    BR,     // brown
    BRD,    // dark brown
    TAN,    // tan
    GY,     // light grey
    GYM,    // mid grey
    GYD,    // dark grey
    PU,     // purple
    PUD,    // dark purple
    SG,     // sick green
    SGD,    // sick green shade
    RF,     // angry red face
    RFD,    // angry red face shade
    CR,     // cream / bone
    CRD,    // bone shade
    GO,     // gold
    AL,     // alien lime
    ALD,    // alien lime shade
    NV,     // navy
    kNamedColours
};

using Palette = std::array<Rgb, 256>;

// The whole 256-entry table.
const Palette& SmileyPalette();

// Pattern letter -> colour, for stamp(); returns false for '.', which leaves the pixel alone.
bool LegendColour(char letter, std::uint8_t& colour);
