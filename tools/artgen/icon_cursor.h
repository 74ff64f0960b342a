#pragma once
// The program icon and the palette window's cursor (32 x 32, 16 colours).
#include "bmp_writer.h"

#include <array>

// The icon's sizes: the small and large icons at 100, 125, 150 and 200 %, and Explorer's largest.
inline constexpr std::array<int, 8> kIconSides = {16, 20, 24, 32, 40, 48, 64, 256};

// Every size, 32 bits a pixel with alpha; the largest PNG-compressed.
Bytes ProgramIcon();
Bytes PaletteCursor(); // hot spot (12, 1)
