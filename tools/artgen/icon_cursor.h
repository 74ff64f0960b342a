#pragma once
// The program icon (32 x 32, 256 colours) and the palette window's cursor (32 x 32, 16 colours).
#include "bmp_writer.h"

Bytes ProgramIcon();
Bytes PaletteCursor(); // hot spot (12, 1)
