#include "shared/packed_dib.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<unsigned char>;

void Put32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b.push_back(static_cast<unsigned char>(v >> (8 * i)));
    }
}

// A 40-byte header, the colour table (blue, green, red, 0 each) and the rows as given.
Bytes Dib(int bits, int width, int height, const std::vector<std::uint32_t>& colours,
          const Bytes& rows, std::uint32_t compression = 0, std::uint32_t used = 0) {
    Bytes b;
    Put32(b, 40);
    Put32(b, static_cast<std::uint32_t>(width));
    Put32(b, static_cast<std::uint32_t>(height));
    b.insert(b.end(), {1, 0, static_cast<unsigned char>(bits), 0});
    Put32(b, compression);
    for (int i = 0; i < 3; ++i) {
        Put32(b, 0); // image size, resolutions
    }
    Put32(b, used != 0 ? used : static_cast<std::uint32_t>(colours.size()));
    Put32(b, 0);
    for (std::uint32_t c : colours) {
        Put32(b, c); // 0x00RRGGBB stored little-endian is blue, green, red, 0
    }
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}

std::optional<DibPixels> Unpack(const Bytes& b, int maxSide = 32) {
    return UnpackDib(b.data(), b.size(), maxSide);
}

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;

TEST(PackedDib, PalettedRowsComeOutTopDownWithTheirColours) {
    // 3 x 2 at 8 bits: rows padded to 4 bytes, stored bottom row first.
    const Bytes rows = {2, 1, 0, 9, /* bottom */ 0, 0, 1, 9 /* top */};
    const auto p = Unpack(Dib(8, 3, 2, {kRed, kGreen, kBlue}, rows));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->width, 3);
    EXPECT_EQ(p->height, 2);
    EXPECT_EQ(p->pixels, (std::vector<std::uint32_t>{kRed, kRed, kGreen, kBlue, kGreen, kRed}));
    // The same stored top row first, as a negative height says.
    const auto topDown = Unpack(Dib(8, 3, -2, {kRed, kGreen, kBlue}, rows));
    ASSERT_TRUE(topDown);
    EXPECT_EQ(topDown->pixels,
              (std::vector<std::uint32_t>{kBlue, kGreen, kRed, kRed, kRed, kGreen}));
}

TEST(PackedDib, OneAndFourBitPixelsAreReadFromTheHighBitsFirst) {
    // 9 pixels of one bit: 1010 0000 1 -> the ninth in the second byte's top bit.
    const auto mono = Unpack(Dib(1, 9, 1, {0x000000, 0xFFFFFF}, {0xA0, 0x80, 0, 0}));
    ASSERT_TRUE(mono);
    EXPECT_EQ(mono->pixels,
              (std::vector<std::uint32_t>{0xFFFFFF, 0, 0xFFFFFF, 0, 0, 0, 0, 0, 0xFFFFFF}));
    const auto four = Unpack(Dib(4, 3, 1, {kRed, kGreen, kBlue}, {0x21, 0x00, 0, 0}));
    ASSERT_TRUE(four);
    EXPECT_EQ(four->pixels, (std::vector<std::uint32_t>{kBlue, kGreen, kRed}));
}

TEST(PackedDib, TrueColourPixelsAreBlueGreenRed) {
    // 1 x 2 at 24 bits, each row padded to 4 bytes; 32 bits ignore the fourth byte.
    const auto rgb = Unpack(Dib(24, 1, 2, {}, {0x30, 0x20, 0x10, 0, 0x03, 0x02, 0x01, 0}));
    ASSERT_TRUE(rgb);
    EXPECT_EQ(rgb->pixels, (std::vector<std::uint32_t>{0x010203, 0x102030}));
    const auto wide = Unpack(Dib(32, 2, 1, {}, {0x30, 0x20, 0x10, 0xEE, 1, 2, 3, 4}));
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->pixels, (std::vector<std::uint32_t>{0x102030, 0x030201}));
}

TEST(PackedDib, AnIndexPastTheColourTableIsBlack) {
    const auto p = Unpack(Dib(8, 2, 1, {kRed}, {0, 7, 0, 0}));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->pixels, (std::vector<std::uint32_t>{kRed, 0}));
}

TEST(PackedDib, WhatDoesNotHoldTogetherIsNoPicture) {
    const Bytes good = Dib(8, 3, 2, {kRed, kGreen}, {0, 1, 0, 0, 1, 0, 1, 0});
    ASSERT_TRUE(Unpack(good));
    Bytes shortRows = good;
    shortRows.pop_back();
    EXPECT_FALSE(Unpack(shortRows));
    EXPECT_FALSE(UnpackDib(good.data(), 39, 32));
    EXPECT_FALSE(UnpackDib(nullptr, 100, 32));
    Bytes hugeHeader = good;
    hugeHeader[0] = 0xFF; // says its header runs past the end
    hugeHeader[1] = 0xFF;
    EXPECT_FALSE(Unpack(hugeHeader));
    EXPECT_FALSE(Unpack(Dib(8, 3, 2, {kRed}, Bytes(8), 1)));      // run-length compressed
    EXPECT_FALSE(Unpack(Dib(16, 1, 1, {}, Bytes(4))));            // 16 bits a pixel
    EXPECT_FALSE(Unpack(Dib(8, 1, 1, {kRed}, Bytes(4), 0, 257))); // more colours than 8 bits
    EXPECT_FALSE(Unpack(Dib(8, 0, 1, {kRed}, Bytes(4))));         // no width
    EXPECT_FALSE(Unpack(Dib(8, 1, 0, {kRed}, Bytes(4))));         // no height
    EXPECT_FALSE(Unpack(Dib(8, 33, 1, {kRed}, Bytes(36))));       // wider than allowed
    EXPECT_FALSE(Unpack(Dib(8, 1, -33, {kRed}, Bytes(33 * 4))));  // taller, top-down
    // Sizes whose products overflow 32 bits are refused, not wrapped.
    EXPECT_FALSE(UnpackDib(Dib(32, 0x7FFFFFFF, 0x7FFFFFFF, {}, {}).data(), 40, 0x7FFFFFFF));
}

} // namespace
