#pragma once
#include <cstdint>

// Nearest whole number, halves to the even neighbour (1502.5 -> 1502, 1503.5 -> 1504),
// saturated to the 32-bit range; NaN gives 0.
std::int32_t RoundHalfEvenToInt32(double value);

// The same rounding for 16-bit running positions; saturates to the 16-bit range.
std::int16_t RoundHalfEvenToInt16(double value);
