#pragma once
#include "form_design.h"

// The forms measure in twips (1/1440 inch, single precision); the window system in whole
// pixels. A length of one kind is never taken for the other: every conversion is here.
struct Twips {
    float value = 0;
    constexpr Twips() = default;
    constexpr explicit Twips(float v) : value(v) {}
    constexpr Twips operator+(Twips o) const { return Twips(value + o.value); }
    constexpr Twips operator-(Twips o) const { return Twips(value - o.value); }
    constexpr auto operator<=>(const Twips&) const = default;
};

// Pixels to twips along each axis, at the screen's resolution.
Twips TwipsX(int pixels, const ScreenMetrics& screen);
Twips TwipsY(int pixels, const ScreenMetrics& screen);
// Twips to the nearest whole pixel, halves to the even one.
int PixelsX(Twips length, const ScreenMetrics& screen);
int PixelsY(Twips length, const ScreenMetrics& screen);
// A length drawn in pixels at 96 dots per inch (15 twips per pixel), in whole pixels at the
// screen's resolution, so that it keeps its size on the screen: 22 stays 22 at 96 dpi, and is
// 28, 33 and 44 at 120, 144 and 192. Below 96 dpi it keeps its pixels, as pictures do.
int ScaledPixelsX(int pixelsAt96, const ScreenMetrics& screen);
int ScaledPixelsY(int pixelsAt96, const ScreenMetrics& screen);
// The primary screen's size in twips.
Twips ScreenWidth(const ScreenMetrics& screen);
Twips ScreenHeight(const ScreenMetrics& screen);
// A design rectangle in pixels: its corner and its size each rounded.
PixelRect ToPixels(const DesignRect& twips, const ScreenMetrics& screen);

// The screen's dots per inch along x, from its twips per pixel.
int DotsPerInch(const ScreenMetrics& screen);
// The same screen measured at another resolution, as one monitor of it may be.
ScreenMetrics AtDpi(const ScreenMetrics& screen, int dpi);
// Whether a resolution is one a screen can have; anything else is not to be believed.
bool IsUsableDpi(int dpi);
