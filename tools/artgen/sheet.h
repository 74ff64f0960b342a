#pragma once
// Contact sheets for people to look at the 64 pictures.
#include "canvas.h"

// All 64 enlarged `scale` times in an 8 x 8 grid on the launcher's green, 1-pixel dark gaps.
RgbImage ContactSheet(int scale);
