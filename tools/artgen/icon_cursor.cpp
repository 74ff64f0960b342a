#include "icon_cursor.h"

#include "draw.h"
#include "face_parts.h"
#include "palette.h"
#include "png_writer.h"
#include "rgb_draw.h"

#include <algorithm>

namespace {

constexpr int kIcon = 32;

// The icon at one size: a maroon tile with rounded corners and a smiling face, drawn smoothly
// from shapes in units of a 32-pixel icon, so every size is drawn, none scaled from another.
// Alpha: the tile's coverage of each pixel.
IconEntry IconAt(int side) {
    const double s = side / 32.0;
    const Rgb edge{40, 0, 0}, maroon{128, 0, 0}, glint{176, 48, 48}, yellow{255, 214, 0},
        dark{40, 25, 0}, cheek{255, 140, 140};
    RgbImage img(side, side, edge);
    const Box all{0, 0, side - 1, side - 1};
    const auto roundedSquare = [](double x0, double y0, double x1, double y1, double r) -> Inside {
        return [=](double x, double y) {
            const double cx = x < x0 + r ? x0 + r : x > x1 - r ? x1 - r : x;
            const double cy = y < y0 + r ? y0 + r : y > y1 - r ? y1 - r : y;
            return x >= x0 && x <= x1 && y >= y0 && y <= y1 &&
                   (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
        };
    };
    const Inside tile = roundedSquare(0, 0, side, side, 6.5 * s);
    const double rim = std::max(0.75, s);
    fill(img, all, roundedSquare(rim, rim, side - rim, side - rim, 6.5 * s - rim), maroon);
    if (side >= 24)
        stroke(img, {6 * s, 2.5 * s}, {side - 6 * s, 2.5 * s}, 0.9 * s, glint);
    outlined_disc(img, 16 * s, 16.5 * s, 11 * s, yellow, std::max(0.8, 1.1 * s), dark);
    for (const double eye : {12.5, 19.5})
        fill(img, box_around(eye * s, 12.5 * s, 2 * s, 3 * s),
             in_ellipse(eye * s, 12.5 * s, 1.6 * s, 2.2 * s), dark);
    if (side >= 32)
        for (const double eye : {12.0, 19.0})
            fill(img, box_around(eye * s, 11.6 * s, s, s), in_disc(eye * s, 11.6 * s, 0.6 * s),
                 {255, 255, 255});
    if (side >= 24)
        for (const double x : {9.5, 22.5})
            fill(img, box_around(x * s, 19.5 * s, 2 * s, 2 * s),
                 in_ellipse(x * s, 19.5 * s, 1.5 * s, 1.0 * s), cheek, 160);
    const double width = std::max(0.9, 1.4 * s);
    const Inside lowerHalf = [=](double, double y) { return y > 17.0 * s; };
    fill(img, box_around(16 * s, 16.5 * s, 8 * s, 8 * s),
         in_ring(16 * s, 16.5 * s, 6.6 * s - width / 2, 6.6 * s + width / 2) & lowerHalf, dark);

    std::vector<std::uint8_t> alpha(static_cast<std::size_t>(side) * side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            int n = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx)
                    n += tile(x + (sx + 0.5) / 4.0, y + (sy + 0.5) / 4.0) ? 1 : 0;
            alpha[static_cast<std::size_t>(y) * side + x] = static_cast<std::uint8_t>(n * 255 / 16);
        }
    // Windows reads a 256-pixel image as PNG only (Vista on); the rest as bitmaps, which every
    // Windows since 2000 draws.
    return {side, side == 256 ? Png(img, alpha) : IconBmp32(img, alpha)};
}

} // namespace

Bytes ProgramIcon() {
    std::vector<IconEntry> images;
    for (const int side : kIconSides)
        images.push_back(IconAt(side));
    return MultiIcon(images);
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
