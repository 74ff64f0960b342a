#include "icon_cursor.h"

#include "draw.h"
#include "face_parts.h"
#include "palette.h"

namespace {

constexpr int kIcon = 32;

// Inside a square of side `n` with corners rounded to radius `r` (tested at pixel centres).
bool InRoundedSquare(int x, int y, int n, double r) {
    const double px = x + 0.5, py = y + 0.5;
    const double cx = px < r ? r : px > n - r ? n - r : px;
    const double cy = py < r ? r : py > n - r ? n - r : py;
    return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= r * r;
}

} // namespace

Bytes ProgramIcon() {
    Canvas c(kIcon, kIcon, BG);
    std::vector<bool> opaque(static_cast<std::size_t>(kIcon) * kIcon, false);
    for (int y = 0; y < kIcon; ++y)
        for (int x = 0; x < kIcon; ++x) {
            if (!InRoundedSquare(x, y, kIcon, 6.5))
                continue;
            opaque[static_cast<std::size_t>(y) * kIcon + x] = true;
            const bool inner = InRoundedSquare(x - 1, y - 1, kIcon - 2, 5.5) && x >= 1 && y >= 1;
            c.set(x, y, inner ? RD : K);
        }
    // a glint along the top edge of the tile
    for (int x = 6; x < kIcon - 6; ++x)
        c.set(x, 2, R);
    face(c, kYellow, 16, 16.5, 11.0);
    stamp_pair(c, 11, 10,
               {
                   ".kk.",
                   "kwkk",
                   "kkkk",
                   ".kk.",
               });
    bow(c, 10, 21, 18, 4, K);
    bow(c, 10, 21, 19, 4, K);
    stamp_pair(c, 9, 17, {"k"});
    rect(c, 8, 19, 9, 20, PK);
    rect(c, 22, 19, 23, 20, PK);
    return Icon8(c, opaque, SmileyPalette());
}

Bytes PaletteCursor() {
    // The 16 standard VGA colours; index 3 (olive) is not used, so it marks "transparent".
    const std::array<Rgb, 16> vga = {{{0, 0, 0},
                                      {128, 0, 0},
                                      {0, 128, 0},
                                      {128, 128, 0},
                                      {0, 0, 128},
                                      {128, 0, 128},
                                      {0, 128, 128},
                                      {192, 192, 192},
                                      {128, 128, 128},
                                      {255, 0, 0},
                                      {0, 255, 0},
                                      {255, 255, 0},
                                      {0, 0, 255},
                                      {255, 0, 255},
                                      {0, 255, 255},
                                      {255, 255, 255}}};
    constexpr std::uint8_t kClear = 3, kBlack = 0, kSilver = 7, kWhite = 15;
    Canvas c(kIcon, kIcon, kClear);
    // a pointing hand: the index finger's tip outline is the hot spot (12, 1)
    rect(c, 11, 2, 13, 16, kWhite);                       // index finger
    rect(c, 15, 9, 17, 16, kWhite);                       // middle finger
    rect(c, 19, 10, 21, 16, kWhite);                      // ring finger
    rect(c, 23, 12, 24, 16, kWhite);                      // little finger
    rect(c, 11, 15, 24, 23, kWhite);                      // palm
    ellipse(c, 17.5, 23, 7, 3.5, kWhite);                 // heel of the hand
    rect(c, 13, 24, 22, 27, kWhite);                      // wrist
    tilted_ellipse(c, 8.5, 17.5, 4.6, 1.9, 1, 1, kWhite); // thumb
    outline_all(c, kClear, kBlack);
    // a little depth: grey down the right of each finger and the palm
    for (int x : {13, 17, 21, 24})
        replace(c, x, 3, x, 15, kWhite, kSilver);
    replace(c, 23, 17, 24, 22, kWhite, kSilver);
    replace(c, 20, 24, 22, 27, kWhite, kSilver);
    std::vector<bool> opaque(c.pixels.size());
    for (std::size_t i = 0; i < c.pixels.size(); ++i)
        opaque[i] = c.pixels[i] != kClear;
    return Cursor4(c, opaque, vga, 12, 1);
}
