#pragma once
#include "window_system.h"

#include <vector>

// Whether all of inner lies inside outer.
bool Contains(const PixelRect& outer, const PixelRect& inner);

// The rectangle moved the least that puts all of it inside the area; one larger than the area
// keeps its top-left corner inside, so its title bar and first controls stay in reach.
PixelRect KeepInside(const PixelRect& rect, const PixelRect& area);

// Whether any part of the rectangle shows on one of the monitors.
bool OnSomeMonitor(const PixelRect& rect, const std::vector<PixelRect>& monitors);
