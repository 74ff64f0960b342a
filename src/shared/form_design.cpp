#include "form_design.h"

#include "rounding.h"

namespace {
DesignRect ToPixels(const DesignRect& r, const ScreenMetrics& s) {
    auto x = [&](float v) {
        return static_cast<float>(RoundHalfEvenToInt32(v / s.twipsPerPixelX));
    };
    auto y = [&](float v) {
        return static_cast<float>(RoundHalfEvenToInt32(v / s.twipsPerPixelY));
    };
    return DesignRect{x(r.left), y(r.top), x(r.width), y(r.height)};
}
} // namespace

FormDesign DesignInPixels(const FormDesign& design, const ScreenMetrics& screen) {
    FormDesign pixels = design;
    pixels.rect = ToPixels(design.rect, screen);
    for (ControlDesign& control : pixels.controls) {
        control.rect = ToPixels(control.rect, screen);
    }
    return pixels;
}
