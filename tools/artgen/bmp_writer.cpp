#include "bmp_writer.h"

#include <algorithm>

#include <fstream>
#include <stdexcept>

namespace {

void u8(Bytes& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v & 0xFF));
}
void u16(Bytes& b, unsigned v) {
    u8(b, v);
    u8(b, v >> 8);
}
void u32(Bytes& b, std::uint32_t v) {
    u16(b, v & 0xFFFF);
    u16(b, v >> 16);
}

int Stride(int width, int bits) {
    return ((width * bits + 31) / 32) * 4;
}

// BITMAPINFOHEADER; `rows` is biHeight (twice the height for icons and cursors).
void InfoHeader(Bytes& b, int width, int rows, int bits, std::uint32_t imageBytes, int colours) {
    u32(b, 40);
    u32(b, static_cast<std::uint32_t>(width));
    u32(b, static_cast<std::uint32_t>(rows));
    u16(b, 1);                           // planes
    u16(b, static_cast<unsigned>(bits)); // bits per pixel
    u32(b, 0);                           // BI_RGB
    u32(b, imageBytes);                  // biSizeImage
    u32(b, 2835);                        // 72 dpi
    u32(b, 2835);
    u32(b, static_cast<std::uint32_t>(colours)); // biClrUsed
    u32(b, 0);                                   // biClrImportant: all
}

void ColourTable(Bytes& b, const Rgb* colours, int count) {
    for (int i = 0; i < count; ++i) {
        u8(b, colours[i].b);
        u8(b, colours[i].g);
        u8(b, colours[i].r);
        u8(b, 0);
    }
}

// Indexed rows, bottom-up, `bits` 4 or 8.
void IndexedRows(Bytes& b, const Canvas& image, int bits) {
    const int stride = Stride(image.width, bits);
    for (int y = image.height - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(stride), 0);
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t v = image.at(x, y);
            if (bits == 8)
                row[static_cast<std::size_t>(x)] = v;
            else
                row[static_cast<std::size_t>(x / 2)] |=
                    static_cast<std::uint8_t>((x % 2 == 0) ? (v & 0x0F) << 4 : (v & 0x0F));
        }
        b.insert(b.end(), row.begin(), row.end());
    }
}

// 1-bit AND mask, bottom-up: 1 = transparent.
void MaskRows(Bytes& b, int width, int height, const std::vector<bool>& opaque) {
    const int stride = Stride(width, 1);
    for (int y = height - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(stride), 0);
        for (int x = 0; x < width; ++x)
            if (!opaque[static_cast<std::size_t>(y) * width + x])
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        b.insert(b.end(), row.begin(), row.end());
    }
}

Canvas Masked(const Canvas& image, const std::vector<bool>& opaque, std::uint8_t black) {
    Canvas out = image;
    for (std::size_t i = 0; i < out.pixels.size(); ++i)
        if (!opaque[i])
            out.pixels[i] = black;
    return out;
}

std::uint8_t BlackIndex(const Rgb* colours, int count) {
    for (int i = 0; i < count; ++i)
        if (colours[i] == Rgb{0, 0, 0})
            return static_cast<std::uint8_t>(i);
    throw std::runtime_error("palette has no black for transparent pixels");
}

void FileHeader(Bytes& b, std::uint32_t fileSize, std::uint32_t offset) {
    u8(b, 'B');
    u8(b, 'M');
    u32(b, fileSize);
    u32(b, 0);
    u32(b, offset);
}

// The image inside an icon or cursor: header, colours, XOR rows, AND rows.
Bytes IconImage(const Canvas& image, const std::vector<bool>& opaque, const Rgb* colours, int count,
                int bits) {
    const auto xorBytes = static_cast<std::uint32_t>(Stride(image.width, bits) * image.height);
    const auto andBytes = static_cast<std::uint32_t>(Stride(image.width, 1) * image.height);
    Bytes b;
    InfoHeader(b, image.width, image.height * 2, bits, xorBytes + andBytes, count);
    ColourTable(b, colours, count);
    IndexedRows(b, Masked(image, opaque, BlackIndex(colours, count)), bits);
    MaskRows(b, image.width, image.height, opaque);
    return b;
}

// ICONDIR + one entry + the image. For cursors the planes/bit-count fields hold the hot spot.
Bytes IconFile(unsigned type, const Canvas& image, const Bytes& data, unsigned colourCount,
               unsigned field1, unsigned field2) {
    Bytes b;
    u16(b, 0);
    u16(b, type);
    u16(b, 1);
    u8(b, static_cast<unsigned>(image.width & 0xFF));
    u8(b, static_cast<unsigned>(image.height & 0xFF));
    u8(b, colourCount);
    u8(b, 0);
    u16(b, field1);
    u16(b, field2);
    u32(b, static_cast<std::uint32_t>(data.size()));
    u32(b, 6 + 16);
    b.insert(b.end(), data.begin(), data.end());
    return b;
}

} // namespace

Bytes Bmp8(const Canvas& image, const Palette& palette) {
    const auto imageBytes = static_cast<std::uint32_t>(Stride(image.width, 8) * image.height);
    // Still 8 bits a pixel, but the colour table stops at the last colour the picture uses:
    // most of a 1 KB table would be unused in every one of the 64 pictures.
    int colours = 1;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            colours = std::max(colours, static_cast<int>(image.at(x, y)) + 1);
        }
    }
    const std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(colours) * 4;
    Bytes b;
    FileHeader(b, offset + imageBytes, offset);
    InfoHeader(b, image.width, image.height, 8, imageBytes, colours);
    ColourTable(b, palette.data(), colours);
    IndexedRows(b, image, 8);
    return b;
}

Bytes Bmp24(const RgbImage& image) {
    const int stride = Stride(image.width, 24);
    const auto imageBytes = static_cast<std::uint32_t>(stride * image.height);
    const std::uint32_t offset = 14 + 40;
    Bytes b;
    b.reserve(offset + imageBytes);
    FileHeader(b, offset + imageBytes, offset);
    InfoHeader(b, image.width, image.height, 24, imageBytes, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb p = image.at(x, y);
            u8(b, p.b);
            u8(b, p.g);
            u8(b, p.r);
        }
        for (int pad = image.width * 3; pad < stride; ++pad)
            u8(b, 0);
    }
    return b;
}

Bytes Icon8(const Canvas& image, const std::vector<bool>& opaque, const Palette& palette) {
    const Bytes data = IconImage(image, opaque, palette.data(), 256, 8);
    return IconFile(1, image, data, 0, 1, 8); // 256 colours are written as 0; planes 1, 8 bpp
}

Bytes IconBmp32(const RgbImage& image, const std::vector<std::uint8_t>& alpha) {
    const auto colourBytes = static_cast<std::uint32_t>(4 * image.width * image.height);
    const auto andBytes = static_cast<std::uint32_t>(Stride(image.width, 1) * image.height);
    Bytes b;
    InfoHeader(b, image.width, image.height * 2, 32, colourBytes + andBytes, 0);
    std::vector<bool> opaque(alpha.size());
    for (std::size_t i = 0; i < alpha.size(); ++i)
        opaque[i] = alpha[i] >= 128;
    for (int y = image.height - 1; y >= 0; --y)
        for (int x = 0; x < image.width; ++x) {
            const Rgb p = image.at(x, y);
            u8(b, p.b);
            u8(b, p.g);
            u8(b, p.r);
            u8(b, alpha[static_cast<std::size_t>(y) * image.width + x]);
        }
    MaskRows(b, image.width, image.height, opaque);
    return b;
}

Bytes MultiIcon(const std::vector<IconEntry>& images) {
    Bytes b;
    u16(b, 0);
    u16(b, 1); // an icon
    u16(b, static_cast<unsigned>(images.size()));
    auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const IconEntry& image : images) {
        u8(b, static_cast<unsigned>(image.side & 0xFF)); // 256 is written as 0
        u8(b, static_cast<unsigned>(image.side & 0xFF));
        u8(b, 0); // no colour table
        u8(b, 0);
        u16(b, 1);  // planes
        u16(b, 32); // bits per pixel
        u32(b, static_cast<std::uint32_t>(image.data.size()));
        u32(b, offset);
        offset += static_cast<std::uint32_t>(image.data.size());
    }
    for (const IconEntry& image : images)
        b.insert(b.end(), image.data.begin(), image.data.end());
    return b;
}

Bytes Cursor4(const Canvas& image, const std::vector<bool>& opaque,
              const std::array<Rgb, 16>& palette, int hotX, int hotY) {
    const Bytes data = IconImage(image, opaque, palette.data(), 16, 4);
    return IconFile(2, image, data, 16, static_cast<unsigned>(hotX), static_cast<unsigned>(hotY));
}

void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        throw std::runtime_error("cannot open " + path + " for writing");
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}
