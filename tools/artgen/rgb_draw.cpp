#include "rgb_draw.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

std::uint8_t clamp8(double v) {
    if (v <= 0)
        return 0;
    if (v >= 255)
        return 255;
    return static_cast<std::uint8_t>(v + 0.5);
}

std::uint8_t blend(std::uint8_t a, std::uint8_t b, int weight) { // weight of b out of 16*256
    const int total = 16 * 256;
    return static_cast<std::uint8_t>((a * (total - weight) + b * weight + total / 2) / total);
}

} // namespace

void fill(RgbImage& img, Box box, const Inside& inside, Rgb col, int opacity) {
    const int x0 = std::max(0, box.x0), y0 = std::max(0, box.y0);
    const int x1 = std::min(img.width - 1, box.x1), y1 = std::min(img.height - 1, box.y1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            int n = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx)
                    if (inside(x + (sx + 0.5) / 4.0, y + (sy + 0.5) / 4.0))
                        ++n;
            if (n == 0)
                continue;
            const int w = n * opacity;
            const Rgb p = img.at(x, y);
            img.set(x, y, {blend(p.r, col.r, w), blend(p.g, col.g, w), blend(p.b, col.b, w)});
        }
}

Rgb mix(Rgb a, Rgb b, double t) {
    return {clamp8(a.r + (b.r - a.r) * t), clamp8(a.g + (b.g - a.g) * t),
            clamp8(a.b + (b.b - a.b) * t)};
}

Rgb scale(Rgb a, double f) {
    return {clamp8(a.r * f), clamp8(a.g * f), clamp8(a.b * f)};
}

Inside in_disc(double cx, double cy, double r) {
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

Inside in_ellipse(double cx, double cy, double rx, double ry) {
    return [=](double x, double y) {
        const double u = (x - cx) / rx, v = (y - cy) / ry;
        return u * u + v * v <= 1.0;
    };
}

Inside in_ring(double cx, double cy, double r0, double r1) {
    return [=](double x, double y) {
        const double d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
        return d >= r0 * r0 && d <= r1 * r1;
    };
}

Inside in_capsule(Pt a, Pt b, double radius) {
    return [=](double x, double y) {
        const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
        double t = len2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / len2 : 0.0;
        t = std::clamp(t, 0.0, 1.0);
        const double px = a.x + t * dx - x, py = a.y + t * dy - y;
        return px * px + py * py <= radius * radius;
    };
}

Inside in_polygon(std::vector<Pt> pts) {
    return [pts = std::move(pts)](double x, double y) {
        bool in = false;
        for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            const Pt a = pts[i], b = pts[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
                in = !in;
        }
        return in;
    };
}

Inside in_heart(double cx, double cy, double s) {
    return in_disc(cx - s * 0.5, cy, s * 0.54) | in_disc(cx + s * 0.5, cy, s * 0.54) |
           in_polygon(
               {{cx - s * 1.0, cy + s * 0.2}, {cx + s * 1.0, cy + s * 0.2}, {cx, cy + s * 1.3}});
}

Inside in_star(double cx, double cy, double r) {
    // The points of a regular star from exact values: cos 18, sin 18, cos 54, sin 54 degrees.
    const double s5 = std::sqrt(5.0);
    const double c18 = std::sqrt(10.0 + 2.0 * s5) / 4.0, s18 = (s5 - 1.0) / 4.0;
    const double c54 = std::sqrt(10.0 - 2.0 * s5) / 4.0, s54 = (s5 + 1.0) / 4.0;
    const double ri = r * 0.42; // inner corners
    return in_polygon({{cx, cy - r},
                       {cx + ri * c54, cy - ri * s54},
                       {cx + r * c18, cy - r * s18},
                       {cx + ri * c18, cy + ri * s18},
                       {cx + r * c54, cy + r * s54},
                       {cx, cy + ri},
                       {cx - r * c54, cy + r * s54},
                       {cx - ri * c18, cy + ri * s18},
                       {cx - r * c18, cy - r * s18},
                       {cx - ri * c54, cy - ri * s54}});
}

Inside operator&(Inside a, Inside b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && b(x, y); };
}

Inside operator|(Inside a, Inside b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) || b(x, y); };
}

Inside minus(Inside a, Inside b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && !b(x, y); };
}

Box box_around(double cx, double cy, double rx, double ry) {
    return {static_cast<int>(cx - rx) - 2, static_cast<int>(cy - ry) - 2,
            static_cast<int>(cx + rx) + 2, static_cast<int>(cy + ry) + 2};
}

void outlined_disc(RgbImage& img, double cx, double cy, double r, Rgb col, double edge, Rgb dark) {
    fill(img, box_around(cx, cy, r, r), in_disc(cx, cy, r), dark);
    fill(img, box_around(cx, cy, r, r), in_disc(cx, cy, r - edge), col);
}

void outlined_ellipse_rgb(RgbImage& img, double cx, double cy, double rx, double ry, Rgb col,
                          double edge, Rgb dark) {
    fill(img, box_around(cx, cy, rx, ry), in_ellipse(cx, cy, rx, ry), dark);
    fill(img, box_around(cx, cy, rx, ry), in_ellipse(cx, cy, rx - edge, ry - edge), col);
}

void stroke(RgbImage& img, Pt a, Pt b, double width, Rgb col) {
    const double r = width / 2;
    const Box box{
        static_cast<int>(std::min(a.x, b.x) - r) - 2, static_cast<int>(std::min(a.y, b.y) - r) - 2,
        static_cast<int>(std::max(a.x, b.x) + r) + 2, static_cast<int>(std::max(a.y, b.y) + r) + 2};
    fill(img, box, in_capsule(a, b, r), col);
}
