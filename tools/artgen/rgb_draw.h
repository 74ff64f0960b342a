#pragma once
// Smooth (anti-aliased) drawing on a true-colour image, for the slide-show strip.
// Each pixel is sampled 4 x 4 times; only + - * / and sqrt, so results are exact everywhere.
#include <functional>
#include <vector>

#include "canvas.h"

using Inside = std::function<bool(double x, double y)>;

struct Pt {
    double x, y;
};

struct Box {
    int x0, y0, x1, y1; // inclusive pixel bounds to test
};

// Blends `col` into every pixel of `box` by the share of its samples that are inside.
void fill(RgbImage& img, Box box, const Inside& inside, Rgb col, int opacity = 256);

Rgb mix(Rgb a, Rgb b, double t); // t = 0 gives a, 1 gives b
Rgb scale(Rgb a, double f);      // darker (f < 1) or lighter (f > 1), clamped

// Shape tests.
Inside in_disc(double cx, double cy, double r);
Inside in_ellipse(double cx, double cy, double rx, double ry);
Inside in_ring(double cx, double cy, double r0, double r1); // r0 <= distance <= r1
Inside in_capsule(Pt a, Pt b, double radius);               // a thick line with round ends
Inside in_polygon(std::vector<Pt> pts);                     // even-odd rule
Inside in_heart(double cx, double cy, double size);         // size = half width
Inside in_star(double cx, double cy, double r);             // five points, one up
Inside operator&(Inside a, Inside b);                       // both
Inside operator|(Inside a, Inside b);                       // either
Inside minus(Inside a, Inside b);                           // a but not b

// Common: a filled shape with a dark edge `edge` pixels thick (grown by distance sampling).
Box box_around(double cx, double cy, double rx, double ry);
void outlined_disc(RgbImage& img, double cx, double cy, double r, Rgb col, double edge = 2.0,
                   Rgb dark = {30, 20, 10});
void outlined_ellipse_rgb(RgbImage& img, double cx, double cy, double rx, double ry, Rgb col,
                          double edge = 2.0, Rgb dark = {30, 20, 10});
void stroke(RgbImage& img, Pt a, Pt b, double width, Rgb col);
