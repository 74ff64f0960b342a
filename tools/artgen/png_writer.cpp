#include "png_writer.h"

#include <array>
#include <string>

namespace {

// Bits go out least significant first; Huffman codes most significant first.
class BitWriter {
  public:
    explicit BitWriter(Bytes& out) : out_(out) {}
    void Bits(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) {
            Bit((value >> i) & 1u);
        }
    }
    void Code(std::uint32_t code, int length) {
        for (int i = length - 1; i >= 0; --i) {
            Bit((code >> i) & 1u);
        }
    }
    void Flush() {
        if (used_) {
            out_.push_back(current_);
            current_ = 0;
            used_ = 0;
        }
    }

  private:
    void Bit(std::uint32_t bit) {
        current_ = static_cast<std::uint8_t>(current_ | (bit << used_));
        if (++used_ == 8) {
            Flush();
        }
    }
    Bytes& out_;
    std::uint8_t current_ = 0;
    int used_ = 0;
};

// The fixed literal/length code of RFC 1951, 3.2.6.
void Symbol(BitWriter& w, int symbol) {
    if (symbol < 144) {
        w.Code(0x30u + static_cast<unsigned>(symbol), 8);
    } else if (symbol < 256) {
        w.Code(0x190u + static_cast<unsigned>(symbol - 144), 9);
    } else if (symbol < 280) {
        w.Code(static_cast<unsigned>(symbol - 256), 7);
    } else {
        w.Code(0xC0u + static_cast<unsigned>(symbol - 280), 8);
    }
}

constexpr std::array<int, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                             15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                             67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> kDistanceExtra = {0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

void Match(BitWriter& w, int length, int distance) {
    int l = 28;
    while (kLengthBase[static_cast<std::size_t>(l)] > length) {
        --l;
    }
    Symbol(w, 257 + l);
    w.Bits(static_cast<std::uint32_t>(length - kLengthBase[static_cast<std::size_t>(l)]),
           kLengthExtra[static_cast<std::size_t>(l)]);
    int d = 29;
    while (kDistanceBase[static_cast<std::size_t>(d)] > distance) {
        --d;
    }
    w.Code(static_cast<std::uint32_t>(d), 5);
    w.Bits(static_cast<std::uint32_t>(distance - kDistanceBase[static_cast<std::size_t>(d)]),
           kDistanceExtra[static_cast<std::size_t>(d)]);
}

constexpr int kWindow = 32768;
constexpr int kMaxMatch = 258;
constexpr int kChainSteps = 64; // enough for flat artwork; deterministic either way

void Deflate(const Bytes& data, Bytes& out) {
    BitWriter w(out);
    w.Bits(1, 1); // the last block
    w.Bits(1, 2); // fixed codes
    const int size = static_cast<int>(data.size());
    std::vector<int> head(1 << 15, -1);
    std::vector<int> previous(data.size(), -1);
    const auto hash = [&](int i) {
        return ((data[static_cast<std::size_t>(i)] << 10) ^
                (data[static_cast<std::size_t>(i + 1)] << 5) ^
                data[static_cast<std::size_t>(i + 2)]) &
               0x7FFF;
    };
    const auto insert = [&](int i) {
        if (i + 2 < size) {
            const int h = hash(i);
            previous[static_cast<std::size_t>(i)] = head[static_cast<std::size_t>(h)];
            head[static_cast<std::size_t>(h)] = i;
        }
    };
    int i = 0;
    while (i < size) {
        int bestLength = 0;
        int bestDistance = 0;
        if (i + 2 < size) {
            int candidate = head[static_cast<std::size_t>(hash(i))];
            for (int step = 0; candidate >= 0 && i - candidate <= kWindow && step < kChainSteps;
                 ++step) {
                int length = 0;
                while (length < kMaxMatch && i + length < size &&
                       data[static_cast<std::size_t>(candidate + length)] ==
                           data[static_cast<std::size_t>(i + length)]) {
                    ++length;
                }
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = i - candidate;
                }
                candidate = previous[static_cast<std::size_t>(candidate)];
            }
        }
        if (bestLength >= 3) {
            Match(w, bestLength, bestDistance);
            for (int k = 0; k < bestLength; ++k) {
                insert(i + k);
            }
            i += bestLength;
        } else {
            Symbol(w, data[static_cast<std::size_t>(i)]);
            insert(i);
            ++i;
        }
    }
    Symbol(w, 256); // end of block
    w.Flush();
}

void Be32(Bytes& b, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        b.push_back(static_cast<std::uint8_t>(v >> shift));
    }
}

std::uint32_t Crc32(const Bytes& b, std::size_t from) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = from; i < b.size(); ++i) {
        crc ^= b[i];
        for (int k = 0; k < 8; ++k) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

void Chunk(Bytes& png, const std::string& type, const Bytes& data) {
    Be32(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = png.size();
    png.insert(png.end(), type.begin(), type.end());
    png.insert(png.end(), data.begin(), data.end());
    Be32(png, Crc32(png, start));
}

} // namespace

Bytes Zlib(const Bytes& data) {
    Bytes out = {0x78, 0x01};
    Deflate(data, out);
    std::uint32_t a = 1, b = 0;
    for (const std::uint8_t byte : data) {
        a = (a + byte) % 65521u;
        b = (b + a) % 65521u;
    }
    Be32(out, (b << 16) | a);
    return out;
}

Bytes Png(const RgbImage& image, const std::vector<std::uint8_t>& alpha) {
    Bytes rows;
    rows.reserve(static_cast<std::size_t>(image.height) * (1 + 4 * image.width));
    for (int y = 0; y < image.height; ++y) {
        rows.push_back(0); // no filter
        for (int x = 0; x < image.width; ++x) {
            const Rgb p = image.at(x, y);
            rows.insert(rows.end(),
                        {p.r, p.g, p.b, alpha[static_cast<std::size_t>(y) * image.width + x]});
        }
    }
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    Be32(header, static_cast<std::uint32_t>(image.width));
    Be32(header, static_cast<std::uint32_t>(image.height));
    header.insert(header.end(), {8, 6, 0, 0, 0}); // depth, RGBA, deflate, filters, no interlace
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", Zlib(rows));
    Chunk(png, "IEND", {});
    return png;
}
