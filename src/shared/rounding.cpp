#include "rounding.h"

#include <cmath>
#include <limits>

namespace {

double RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff > 0.5) {
        return floor + 1.0;
    }
    if (diff < 0.5) {
        return floor;
    }
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

template <typename Int> Int RoundSaturated(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double rounded = RoundHalfEven(value);
    if (rounded <= static_cast<double>(std::numeric_limits<Int>::min())) {
        return std::numeric_limits<Int>::min();
    }
    if (rounded >= static_cast<double>(std::numeric_limits<Int>::max())) {
        return std::numeric_limits<Int>::max();
    }
    return static_cast<Int>(rounded);
}

} // namespace

std::int32_t RoundHalfEvenToInt32(double value) {
    return RoundSaturated<std::int32_t>(value);
}

std::int16_t RoundHalfEvenToInt16(double value) {
    return RoundSaturated<std::int16_t>(value);
}
