#pragma once
// Drawing primitives on an indexed canvas. Shapes are tested at pixel centres
// (x + 0.5, y + 0.5), so a shape centred on (9, 9) is symmetric on an 18 x 18 canvas.
// Only + - * / on doubles, so the result is the same on every IEEE machine.
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "canvas.h"

using Rows = std::initializer_list<std::string_view>;

// Inclusive rectangle.
void rect(Canvas& c, int x0, int y0, int x1, int y1, std::uint8_t col);
void disc(Canvas& c, double cx, double cy, double r, std::uint8_t col);
void ellipse(Canvas& c, double cx, double cy, double rx, double ry, std::uint8_t col);
// An ellipse tilted so its x radius lies along (ux, uy) (need not be normalised).
void tilted_ellipse(Canvas& c, double cx, double cy, double rx, double ry, double ux, double uy,
                    std::uint8_t col);
// A filled ellipse with a 1-pixel ring of outline colour (the ring is inside rx, ry).
void outlined_ellipse(Canvas& c, double cx, double cy, double rx, double ry, std::uint8_t fill,
                      std::uint8_t outline = K);
// Filled triangle (pixel centres inside the triangle with corners at the given points).
void triangle(Canvas& c, double ax, double ay, double bx, double by, double qx, double qy,
              std::uint8_t col);
// Bresenham line between pixel coordinates, inclusive.
void line(Canvas& c, int x0, int y0, int x1, int y1, std::uint8_t col);
// A curve through the columns x0..x1: y(x0) = y(x1) = y, y(middle) = y + bulge (negative
// bulges upwards), parabolic, with vertical steps joined so it has no gaps.
void bow(Canvas& c, int x0, int x1, int y, int bulge, std::uint8_t col);
// A small pixel pattern; letters follow LegendColour(), '.' is left alone.
void stamp(Canvas& c, int x, int y, Rows rows);
// The same pattern flipped left-right.
void stamp_flipped(Canvas& c, int x, int y, Rows rows);
// A pattern at x and its mirror image at the mirrored position (about the canvas centre).
void stamp_pair(Canvas& c, int x, int y, Rows rows);
// Every pixel of colour `from` that touches (4-neighbour) a pixel not of colour `from`
// and not of colour `edge` becomes `edge`: a 1-pixel outline round everything drawn.
void outline_all(Canvas& c, std::uint8_t from = BG, std::uint8_t edge = K);
// Recolour pixels of colour `from` to `to` inside the rectangle.
void replace(Canvas& c, int x0, int y0, int x1, int y1, std::uint8_t from, std::uint8_t to);
// Turn the whole canvas a quarter turn clockwise (square canvases only).
void rotate_clockwise(Canvas& c);
// An ellipse limited to the rows y0..y1 (inclusive), e.g. the lower half of an open mouth.
void ellipse_rows(Canvas& c, double cx, double cy, double rx, double ry, int y0, int y1,
                  std::uint8_t col);
// Copy every pixel of `layer` that is not `transparent` onto `c`.
void overlay(Canvas& c, const Canvas& layer, std::uint8_t transparent = BG);
