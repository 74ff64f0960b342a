#pragma once
// Pixel grids: an indexed one (palette entries) for the emoticons, icon and cursor,
// and a true-colour one for the slide-show strip and the contact sheet.
#include <cstdint>
#include <vector>

#include "palette.h"

struct Canvas {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // top-down rows

    Canvas(int w, int h, std::uint8_t fill = BG)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    void set(int x, int y, std::uint8_t c) {
        if (inside(x, y))
            pixels[static_cast<std::size_t>(y) * width + x] = c;
    }
    std::uint8_t get(int x, int y, std::uint8_t outside = BG) const {
        return inside(x, y) ? at(x, y) : outside;
    }
};

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels; // top-down rows

    RgbImage(int w, int h, Rgb fill = {})
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    void set(int x, int y, Rgb c) {
        if (inside(x, y))
            pixels[static_cast<std::size_t>(y) * width + x] = c;
    }
};
