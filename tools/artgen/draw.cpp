#include "draw.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

int width_of(Rows rows) {
    std::size_t w = 0;
    for (auto r : rows)
        w = std::max(w, r.size());
    return static_cast<int>(w);
}

void stamp_impl(Canvas& c, int x, int y, Rows rows, bool flip) {
    const int w = width_of(rows);
    int row = 0;
    for (auto r : rows) {
        for (int i = 0; i < static_cast<int>(r.size()); ++i) {
            std::uint8_t col;
            if (LegendColour(r[static_cast<std::size_t>(i)], col))
                c.set(flip ? x + w - 1 - i : x + i, y + row, col);
        }
        ++row;
    }
}

double sq(double v) {
    return v * v;
}

} // namespace

void rect(Canvas& c, int x0, int y0, int x1, int y1, std::uint8_t col) {
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
        for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x)
            c.set(x, y, col);
}

void disc(Canvas& c, double cx, double cy, double r, std::uint8_t col) {
    ellipse(c, cx, cy, r, r, col);
}

void ellipse(Canvas& c, double cx, double cy, double rx, double ry, std::uint8_t col) {
    if (rx <= 0 || ry <= 0)
        return;
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
            if (sq((x + 0.5 - cx) / rx) + sq((y + 0.5 - cy) / ry) <= 1.0)
                c.set(x, y, col);
}

void tilted_ellipse(Canvas& c, double cx, double cy, double rx, double ry, double ux, double uy,
                    std::uint8_t col) {
    const double len2 = ux * ux + uy * uy;
    if (rx <= 0 || ry <= 0 || len2 <= 0)
        return;
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x) {
            const double px = x + 0.5 - cx, py = y + 0.5 - cy;
            const double along = (px * ux + py * uy), across = (-px * uy + py * ux);
            if (sq(along) / (rx * rx * len2) + sq(across) / (ry * ry * len2) <= 1.0)
                c.set(x, y, col);
        }
}

void outlined_ellipse(Canvas& c, double cx, double cy, double rx, double ry, std::uint8_t fill,
                      std::uint8_t outline) {
    ellipse(c, cx, cy, rx, ry, outline);
    ellipse(c, cx, cy, rx - 1, ry - 1, fill);
}

void triangle(Canvas& c, double ax, double ay, double bx, double by, double qx, double qy,
              std::uint8_t col) {
    auto side = [](double x0, double y0, double x1, double y1, double px, double py) {
        return (x1 - x0) * (py - y0) - (y1 - y0) * (px - x0);
    };
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double d1 = side(ax, ay, bx, by, px, py);
            const double d2 = side(bx, by, qx, qy, px, py);
            const double d3 = side(qx, qy, ax, ay, px, py);
            const bool neg = d1 < 0 || d2 < 0 || d3 < 0;
            const bool pos = d1 > 0 || d2 > 0 || d3 > 0;
            if (!(neg && pos))
                c.set(x, y, col);
        }
}

void line(Canvas& c, int x0, int y0, int x1, int y1, std::uint8_t col) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        c.set(x0, y0, col);
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void bow(Canvas& c, int x0, int x1, int y, int bulge, std::uint8_t col) {
    if (x1 < x0)
        std::swap(x0, x1);
    const double mid = (x0 + x1) / 2.0, half = (x1 - x0) / 2.0;
    std::vector<int> ys;
    for (int x = x0; x <= x1; ++x) {
        const double t = half > 0 ? (x - mid) / half : 0.0;
        const double fy = bulge * (1.0 - t * t);
        ys.push_back(y + static_cast<int>(fy >= 0 ? fy + 0.5 : fy - 0.5));
    }
    for (int i = 0; i < static_cast<int>(ys.size()); ++i) {
        c.set(x0 + i, ys[static_cast<std::size_t>(i)], col);
        if (i == 0)
            continue;
        // A step of more than one row is filled in the column nearer the curve's end.
        const int a = ys[static_cast<std::size_t>(i - 1)], b = ys[static_cast<std::size_t>(i)];
        const bool left_half = x0 + i <= mid;
        const int outer_x = left_half ? x0 + i - 1 : x0 + i;
        const int from = left_half ? a : b, to = left_half ? b : a;
        const int step = to > from ? 1 : -1;
        for (int v = from; v != to && std::abs(to - v) > 1; v += step)
            c.set(outer_x, v + step, col);
    }
}

void stamp(Canvas& c, int x, int y, Rows rows) {
    stamp_impl(c, x, y, rows, false);
}

void stamp_flipped(Canvas& c, int x, int y, Rows rows) {
    stamp_impl(c, x, y, rows, true);
}

void stamp_pair(Canvas& c, int x, int y, Rows rows) {
    stamp_impl(c, x, y, rows, false);
    stamp_impl(c, c.width - x - width_of(rows), y, rows, true);
}

void outline_all(Canvas& c, std::uint8_t from, std::uint8_t edge) {
    const Canvas before = c;
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x) {
            if (before.at(x, y) != from)
                continue;
            const int nx[4] = {x - 1, x + 1, x, x};
            const int ny[4] = {y, y, y - 1, y + 1};
            for (int i = 0; i < 4; ++i) {
                const std::uint8_t n = before.get(nx[i], ny[i], from);
                if (n != from && n != edge) {
                    c.set(x, y, edge);
                    break;
                }
            }
        }
}

void replace(Canvas& c, int x0, int y0, int x1, int y1, std::uint8_t from, std::uint8_t to) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (c.inside(x, y) && c.at(x, y) == from)
                c.set(x, y, to);
}

void rotate_clockwise(Canvas& c) {
    const Canvas before = c;
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
            c.set(c.width - 1 - y, x, before.at(x, y));
}

void ellipse_rows(Canvas& c, double cx, double cy, double rx, double ry, int y0, int y1,
                  std::uint8_t col) {
    Canvas layer(c.width, c.height, 0xFF);
    ellipse(layer, cx, cy, rx, ry, col);
    for (int y = std::max(0, y0); y <= std::min(c.height - 1, y1); ++y)
        for (int x = 0; x < c.width; ++x)
            if (layer.at(x, y) != 0xFF)
                c.set(x, y, col);
}

void overlay(Canvas& c, const Canvas& layer, std::uint8_t transparent) {
    for (int y = 0; y < layer.height; ++y)
        for (int x = 0; x < layer.width; ++x)
            if (layer.at(x, y) != transparent)
                c.set(x, y, layer.at(x, y));
}
