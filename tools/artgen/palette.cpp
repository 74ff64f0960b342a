#include "palette.h"

namespace {

Palette BuildPalette() {
    Palette p{};
    p[BG] = {0, 128, 0};
    p[K] = {0, 0, 0};
    p[W] = {255, 255, 255};
    p[Y] = {255, 221, 0};
    p[YS] = {240, 156, 0};
    p[YH] = {255, 250, 190};
    p[R] = {232, 16, 16};
    p[RD] = {140, 0, 0};
    p[PK] = {255, 150, 190};
    p[PKD] = {222, 80, 130};
    p[OR] = {255, 130, 0};
    p[ORD] = {190, 80, 0};
    p[BL] = {20, 90, 240};
    p[LB] = {120, 210, 255};
    p[GN] = {90, 220, 50};
    p[GND] = {0, 80, 0};
    p[BR] = {160, 96, 40};
    p[BRD] = {96, 52, 16};
    p[TAN] = {240, 200, 140};
    p[GY] = {210, 210, 210};
    p[GYM] = {140, 140, 140};
    p[GYD] = {70, 70, 70};
    p[PU] = {176, 80, 230};
    p[PUD] = {110, 30, 160};
    p[SG] = {180, 230, 90};
    p[SGD] = {120, 176, 40};
    p[RF] = {250, 70, 40};
    p[RFD] = {190, 24, 10};
    p[CR] = {250, 244, 225};
    p[CRD] = {200, 190, 165};
    p[GO] = {255, 236, 110};
    p[AL] = {150, 255, 120};
    p[ALD] = {70, 200, 60};
    p[NV] = {20, 30, 110};
    // Fill the rest with a colour cube so the table is complete and well defined.
    int i = kNamedColours;
    for (int r = 0; r < 6 && i < 256; ++r)
        for (int g = 0; g < 6 && i < 256; ++g)
            for (int b = 0; b < 6 && i < 256; ++b)
                p[i++] = {static_cast<std::uint8_t>(r * 51), static_cast<std::uint8_t>(g * 51),
                          static_cast<std::uint8_t>(b * 51)};
    for (; i < 256; ++i) {
        auto v = static_cast<std::uint8_t>((i * 7) & 0xFF);
        p[i] = {v, v, v};
    }
    return p;
}

} // namespace

const Palette& SmileyPalette() {
    static const Palette palette = BuildPalette();
    return palette;
}

bool LegendColour(char letter, std::uint8_t& colour) {
    struct Letter {
        char letter;
        Col colour;
    };
    static constexpr Letter kLegend[] = {
        {'z', BG},  {'k', K},   {'w', W},   {'y', Y},   {'s', YS},  {'h', YH}, {'r', R},
        {'d', RD},  {'p', PK},  {'P', PKD}, {'o', OR},  {'O', ORD}, {'b', BL}, {'l', LB},
        {'g', GN},  {'G', GND}, {'n', BR},  {'N', BRD}, {'t', TAN}, {'e', GY}, {'m', GYM},
        {'E', GYD}, {'u', PU},  {'U', PUD}, {'c', CR},  {'C', CRD}, {'a', GO}, {'v', NV},
    };
    for (const Letter& l : kLegend)
        if (l.letter == letter) {
            colour = l.colour;
            return true;
        }
    return false;
}
