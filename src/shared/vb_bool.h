#pragma once
#include <cstdint>

// The program's switches are 16-bit integers: on is -1 (all bits set), off is 0.
// Stored settings and several readers compare against -1, so keep the representation.
using VbBool = std::int16_t;
inline constexpr VbBool VbTrue = -1;
inline constexpr VbBool VbFalse = 0;

inline constexpr VbBool ToVbBool(bool b) {
    return b ? VbTrue : VbFalse;
}
