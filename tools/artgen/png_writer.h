#pragma once
// PNG files of true-colour pictures with alpha, compressed by a small deflate of our own (LZ77
// with deflate's fixed codes), byte for byte the same on every machine.
#include <cstdint>
#include <vector>

#include "bmp_writer.h"
#include "canvas.h"

// 8 bits a channel, colour type 6 (RGBA), no interlace; alpha: one byte a pixel, top-down.
Bytes Png(const RgbImage& image, const std::vector<std::uint8_t>& alpha);
// The zlib stream (RFC 1950) of the data: a deflate block with fixed codes and an Adler-32.
Bytes Zlib(const Bytes& data);
