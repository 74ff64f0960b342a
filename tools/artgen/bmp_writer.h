#pragma once
// Windows bitmap, icon and cursor files, byte for byte (little-endian, bottom-up rows).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"
#include "palette.h"

using Bytes = std::vector<std::uint8_t>;

// 8 bits per pixel, BITMAPINFOHEADER, BI_RGB, 256-entry colour table.
Bytes Bmp8(const Canvas& image, const Palette& palette);
// 24 bits per pixel, BITMAPINFOHEADER, BI_RGB.
Bytes Bmp24(const RgbImage& image);

// An icon (.ico) with one image of 8 bits per pixel and its AND mask. Pixels whose
// `opaque` entry is false are transparent (mask 1, colour black).
Bytes Icon8(const Canvas& image, const std::vector<bool>& opaque, const Palette& palette);

// An icon image of 32 bits per pixel with alpha (alpha: a byte a pixel, top-down), and the AND
// mask systems before Windows XP draw it with: pixels less than half opaque are left out.
Bytes IconBmp32(const RgbImage& image, const std::vector<std::uint8_t>& alpha);
// One image of an icon of several sizes: 32-bit (IconBmp32) or, at 256 pixels, a PNG file.
struct IconEntry {
    int side = 0;
    Bytes data;
};
// An icon (.ico) holding the images in this order.
Bytes MultiIcon(const std::vector<IconEntry>& images);

// A cursor (.cur) with one image of 4 bits per pixel (16 colours) and its AND mask,
// hot spot in the directory entry. Colour indices must be below 16.
Bytes Cursor4(const Canvas& image, const std::vector<bool>& opaque,
              const std::array<Rgb, 16>& palette, int hotX, int hotY);

// Writes the bytes; throws std::runtime_error on failure.
void WriteFile(const std::string& path, const Bytes& bytes);
