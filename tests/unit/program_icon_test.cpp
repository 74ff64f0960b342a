// The program's icon as it is built into the program: every size the taskbar, Alt+Tab and
// Explorer ask for at 100 to 200 %, each with its edges clear and its middle drawn.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::uint32_t Le(const Bytes& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | b.at(at + static_cast<std::size_t>(i));
    }
    return v;
}

std::uint32_t Be(const Bytes& b, std::size_t at) {
    return (std::uint32_t{b.at(at)} << 24) | (std::uint32_t{b.at(at + 1)} << 16) |
           (std::uint32_t{b.at(at + 2)} << 8) | b.at(at + 3);
}

struct Image {
    int side = 0;
    Bytes data;
};

std::vector<Image> Images(const Bytes& ico) {
    std::vector<Image> images;
    if (ico.size() < 6 || Le(ico, 0, 2) != 0 || Le(ico, 2, 2) != 1) {
        return images;
    }
    for (std::uint32_t i = 0; i < Le(ico, 4, 2); ++i) {
        const std::size_t entry = 6 + 16 * i;
        const std::uint32_t size = Le(ico, entry + 8, 4);
        const std::uint32_t offset = Le(ico, entry + 12, 4);
        EXPECT_LE(std::size_t{offset} + size, ico.size()) << "image " << i;
        const int side = ico.at(entry) == 0 ? 256 : ico.at(entry);
        EXPECT_EQ(ico.at(entry + 1) == 0 ? 256 : ico.at(entry + 1), side);
        EXPECT_EQ(Le(ico, entry + 6, 2), 32u) << side << " pixels: bits per pixel";
        images.push_back(
            {side, Bytes(ico.begin() + offset,
                         ico.begin() + std::min<std::size_t>(offset + size, ico.size()))});
    }
    return images;
}

// Alpha at (x, y) of a 32-bit icon bitmap (bottom-up rows).
int BitmapAlpha(const Image& image, int x, int y) {
    const std::size_t row = static_cast<std::size_t>(image.side - 1 - y);
    return image.data.at(40 + (row * image.side + static_cast<std::size_t>(x)) * 4 + 3);
}

// The PNG's RGBA rows, each behind its filter byte, inflated.
Bytes PngRows(const Bytes& png) {
    Bytes compressed;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::uint32_t length = Be(png, at);
        const std::string type(png.begin() + static_cast<std::ptrdiff_t>(at + 4),
                               png.begin() + static_cast<std::ptrdiff_t>(at + 8));
        if (type == "IDAT") {
            compressed.insert(compressed.end(), png.begin() + static_cast<std::ptrdiff_t>(at + 8),
                              png.begin() + static_cast<std::ptrdiff_t>(at + 8 + length));
        }
        const uLong crc = crc32(0, png.data() + at + 4, length + 4);
        EXPECT_EQ(crc, Be(png, at + 8 + length)) << type << ": its checksum";
        at += 12 + length;
    }
    Bytes rows(256 * (1 + 256 * 4) + 1);
    uLongf got = rows.size();
    EXPECT_EQ(uncompress(rows.data(), &got, compressed.data(), compressed.size()), Z_OK);
    rows.resize(got);
    return rows;
}

TEST(ProgramIcon, HoldsEverySizeDrawnWithClearCornersAndAnOpaqueMiddle) {
    const std::vector<Image> images = Images(ReadAll(FIZZMO_PROGRAM_ICON));
    std::vector<int> sides;
    for (const Image& image : images) {
        sides.push_back(image.side);
    }
    ASSERT_EQ(sides, (std::vector<int>{16, 20, 24, 32, 40, 48, 64, 256}));
    for (const Image& image : images) {
        if (image.side == 256) {
            continue;
        }
        const int n = image.side;
        ASSERT_EQ(Le(image.data, 0, 4), 40u) << n; // BITMAPINFOHEADER
        EXPECT_EQ(Le(image.data, 4, 4), static_cast<std::uint32_t>(n));
        EXPECT_EQ(Le(image.data, 8, 4), static_cast<std::uint32_t>(2 * n)); // with its mask
        // 32-bit rows, then the AND mask's rows of whole 32-bit words.
        EXPECT_EQ(image.data.size(), 40u + 4u * n * n + ((n + 31) / 32) * 4u * n) << n;
        EXPECT_EQ(BitmapAlpha(image, 0, 0), 0) << n << ": the rounded corner";
        EXPECT_EQ(BitmapAlpha(image, n - 1, n - 1), 0) << n;
        EXPECT_EQ(BitmapAlpha(image, n / 2, n / 2), 255) << n << ": the face";
    }
}

TEST(ProgramIcon, TheLargestIsAPngOfWholeRows) {
    const std::vector<Image> images = Images(ReadAll(FIZZMO_PROGRAM_ICON));
    ASSERT_FALSE(images.empty());
    const Bytes& png = images.back().data;
    ASSERT_GE(png.size(), 33u);
    EXPECT_EQ(Bytes(png.begin(), png.begin() + 8),
              (Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    EXPECT_EQ(Be(png, 16), 256u); // IHDR's width and height
    EXPECT_EQ(Be(png, 20), 256u);
    EXPECT_EQ(png.at(24), 8); // bits a channel
    EXPECT_EQ(png.at(25), 6); // RGBA
    EXPECT_LT(png.size(), 32u * 1024) << "compressed";
    const Bytes rows = PngRows(png);
    ASSERT_EQ(rows.size(), 256u * (1 + 256 * 4));
    const auto pixel = [&](int x, int y) {
        return rows.begin() + static_cast<std::ptrdiff_t>(y * (1 + 1024) + 1 + x * 4);
    };
    EXPECT_EQ(pixel(0, 0)[3], 0) << "the rounded corner";
    EXPECT_EQ(pixel(128, 100)[3], 255);
    // The face's yellow: much red and green, little blue.
    EXPECT_GT(pixel(128, 100)[0], 200);
    EXPECT_GT(pixel(128, 100)[1], 150);
    EXPECT_LT(pixel(128, 100)[2], 80);
}

} // namespace
