#pragma once
// The pictures as the program's resources store them: packed device-independent bitmaps, a
// header, a colour table and rows of pixels, read here without the system's help.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

struct DibPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // top-down rows, each pixel 0x00RRGGBB
};

// The picture's pixels; none when its header, colours and rows do not hold together within the
// bytes, when it is compressed or of 16 bits a pixel, or when a side is longer than maxSide.
std::optional<DibPixels> UnpackDib(const unsigned char* data, std::size_t size, int maxSide);
