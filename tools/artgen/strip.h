#pragma once
// The 1440 x 100 strip that scrolls through the "Dedicated to my friends" slide show.
#include "canvas.h"

RgbImage DrawStrip();
