#include "units.h"

#include "rounding.h"

Twips TwipsX(int pixels, const ScreenMetrics& screen) {
    return Twips(static_cast<float>(pixels) * screen.twipsPerPixelX);
}

Twips TwipsY(int pixels, const ScreenMetrics& screen) {
    return Twips(static_cast<float>(pixels) * screen.twipsPerPixelY);
}

int PixelsX(Twips length, const ScreenMetrics& screen) {
    return RoundHalfEvenToInt32(length.value / screen.twipsPerPixelX);
}

int PixelsY(Twips length, const ScreenMetrics& screen) {
    return RoundHalfEvenToInt32(length.value / screen.twipsPerPixelY);
}

Twips ScreenWidth(const ScreenMetrics& screen) {
    return TwipsX(screen.widthPixels, screen);
}

Twips ScreenHeight(const ScreenMetrics& screen) {
    return TwipsY(screen.heightPixels, screen);
}

PixelRect ToPixels(const DesignRect& r, const ScreenMetrics& screen) {
    const int left = PixelsX(Twips(r.left), screen);
    const int top = PixelsY(Twips(r.top), screen);
    return PixelRect{left, top, left + PixelsX(Twips(r.width), screen),
                     top + PixelsY(Twips(r.height), screen)};
}

FormDesign DesignInPixels(const FormDesign& design, const ScreenMetrics& screen) {
    FormDesign withPixels = design;
    withPixels.pixels = ToPixels(design.rect, screen);
    withPixels.dpi = DotsPerInch(screen);
    for (ControlDesign& control : withPixels.controls) {
        control.pixels = ToPixels(control.rect, screen);
    }
    return withPixels;
}

namespace {
constexpr float kTwipsPerPixelAt96 = 15;

int Scaled(int pixelsAt96, float twipsPerPixel) {
    if (twipsPerPixel <= 0) {
        return pixelsAt96;
    }
    // Halves go up, as MulDiv takes them. Never smaller: pictures are not drawn smaller than
    // their pixels, and their cells must hold them.
    const int scaled = static_cast<int>(
        static_cast<double>(pixelsAt96) * kTwipsPerPixelAt96 / twipsPerPixel + 0.5);
    return scaled > pixelsAt96 ? scaled : pixelsAt96;
}
} // namespace

int ScaledPixelsX(int pixelsAt96, const ScreenMetrics& screen) {
    return Scaled(pixelsAt96, screen.twipsPerPixelX);
}

int ScaledPixelsY(int pixelsAt96, const ScreenMetrics& screen) {
    return Scaled(pixelsAt96, screen.twipsPerPixelY);
}

int DotsPerInch(const ScreenMetrics& screen) {
    return screen.twipsPerPixelX > 0
               ? static_cast<int>(1440.0 / static_cast<double>(screen.twipsPerPixelX) + 0.5)
               : 96;
}

ScreenMetrics AtDpi(const ScreenMetrics& screen, int dpi) {
    if (!IsUsableDpi(dpi) || dpi == DotsPerInch(screen)) {
        return screen;
    }
    ScreenMetrics at = screen;
    at.twipsPerPixelX = 1440.0f / static_cast<float>(dpi);
    at.twipsPerPixelY = at.twipsPerPixelX;
    return at;
}

bool IsUsableDpi(int dpi) {
    return dpi >= 48 && dpi <= 960;
}
