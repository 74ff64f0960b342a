#include "scale2x.h"

std::vector<std::uint32_t> Scale2x(const std::vector<std::uint32_t>& pixels, int width,
                                   int height) {
    if (width <= 0 || height <= 0 ||
        pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return {};
    }
    const auto at = [&](int x, int y) {
        // Beyond the edge the picture repeats its edge pixel.
        x = x < 0 ? 0 : (x >= width ? width - 1 : x);
        y = y < 0 ? 0 : (y >= height ? height - 1 : y);
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    };
    const std::size_t outWidth = static_cast<std::size_t>(width) * 2;
    std::vector<std::uint32_t> out(outWidth * static_cast<std::size_t>(height) * 2);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = at(x, y);
            const std::uint32_t up = at(x, y - 1);
            const std::uint32_t down = at(x, y + 1);
            const std::uint32_t left = at(x - 1, y);
            const std::uint32_t right = at(x + 1, y);
            const bool corners = up != down && left != right;
            const std::size_t top =
                static_cast<std::size_t>(y) * 2 * outWidth + static_cast<std::size_t>(x) * 2;
            out[top] = corners && left == up ? left : p;
            out[top + 1] = corners && up == right ? right : p;
            out[top + outWidth] = corners && left == down ? left : p;
            out[top + outWidth + 1] = corners && down == right ? right : p;
        }
    }
    return out;
}
