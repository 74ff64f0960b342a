#pragma once
#include <cstdint>
#include <vector>

// Doubles a small picture drawn pixel by pixel (the emoticons) without the staircase that plain
// pixel doubling gives: each pixel becomes four, and a corner of the four takes the colour of
// its two neighbours on that side where they agree and the picture runs on diagonally there
// (the Scale2x rule). Flat areas and straight edges stay as they are. Pixels are top-down rows
// of any 32-bit colour value; a picture of the wrong size comes back empty.
std::vector<std::uint32_t> Scale2x(const std::vector<std::uint32_t>& pixels, int width, int height);
