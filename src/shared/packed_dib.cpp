#include "packed_dib.h"

namespace {

std::uint32_t Le32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint32_t Rgb(const unsigned char* bgr) {
    return static_cast<std::uint32_t>(bgr[2]) << 16 | static_cast<std::uint32_t>(bgr[1]) << 8 |
           bgr[0];
}

constexpr std::size_t kHeaderSize = 40; // BITMAPINFOHEADER
constexpr std::uint32_t kUncompressed = 0;

} // namespace

std::optional<DibPixels> UnpackDib(const unsigned char* data, std::size_t size, int maxSide) {
    if (data == nullptr || size < kHeaderSize) {
        return std::nullopt;
    }
    const std::uint32_t headerSize = Le32(data);
    const auto width = static_cast<std::int32_t>(Le32(data + 4));
    const auto signedHeight = static_cast<std::int32_t>(Le32(data + 8));
    const unsigned planes = data[12] | data[13] << 8;
    const unsigned bits = data[14] | data[15] << 8;
    const std::uint32_t compression = Le32(data + 16);
    const std::uint32_t used = Le32(data + 32);
    const bool bottomUp = signedHeight > 0;
    const std::int64_t height = bottomUp ? signedHeight : -std::int64_t{signedHeight};
    const bool known = bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
    if (headerSize < kHeaderSize || headerSize > size || planes != 1 || !known ||
        compression != kUncompressed || width <= 0 || height <= 0 || width > maxSide ||
        height > maxSide) {
        return std::nullopt;
    }
    const std::uint64_t tableSize = bits <= 8 ? 1u << bits : 0;
    const std::uint64_t colours = used != 0 ? used : tableSize;
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
    const std::uint64_t rowsAt = headerSize + colours * 4;
    if (colours > tableSize && bits <= 8) {
        return std::nullopt;
    }
    if (rowsAt + rowBytes * static_cast<std::uint64_t>(height) > size) {
        return std::nullopt;
    }
    const unsigned char* table = data + headerSize;
    DibPixels out;
    out.width = width;
    out.height = static_cast<int>(height);
    out.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (std::int64_t y = 0; y < height; ++y) {
        const unsigned char* row = data + rowsAt + rowBytes * (bottomUp ? height - 1 - y : y);
        std::uint32_t* to = out.pixels.data() + y * width;
        for (std::int32_t x = 0; x < width; ++x) {
            if (bits == 24) {
                to[x] = Rgb(row + x * 3);
            } else if (bits == 32) {
                to[x] = Le32(row + x * 4) & 0x00FFFFFFu;
            } else {
                const std::size_t bit = static_cast<std::size_t>(x) * bits;
                const unsigned index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                // An index past the colour table shows black, as the system shows it.
                to[x] = index < colours ? Rgb(table + index * 4) : 0;
            }
        }
    }
    return out;
}
