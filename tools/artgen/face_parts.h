#pragma once
// Pieces of an 18 x 18 emoticon face. The standard face fills the canvas, centred on (9, 9);
// its eyes are 2 x 3 at columns 5-6 and 11-12, rows 5-7, and its mouth spans rows 10-14.
#include <cstdint>

#include "canvas.h"

inline constexpr int kSize = 18;

struct Skin {
    std::uint8_t fill;
    std::uint8_t shade;
};
inline constexpr Skin kYellow{Y, YS};
inline constexpr Skin kAngry{RF, RFD};
inline constexpr Skin kDevil{PU, PUD};
inline constexpr Skin kSick{SG, SGD};

// A round face: black ring, fill, a shaded crescent at the lower right and a highlight.
void face(Canvas& c, Skin skin = kYellow, double cx = 9, double cy = 9, double r = 9.1);

// Black 2 x 3 eyes at rows y..y+2 (left eye at column x, right eye mirrored).
void eyes(Canvas& c, int y = 5, int x = 5);
// Eyes closed in a smile: ^ ^ (3 rows from y).
void eyes_happy(Canvas& c, int y = 5, int x = 4);
// Eyes shut flat: - - (one row at y, 3 wide from x).
void eyes_shut(Canvas& c, int y = 6, int x = 4);
// Big round white eyes with black rims; pupils offset by (px, py) from the middle.
void eyes_wide(Canvas& c, int y, int px, int py, int x = 3);

// Curved mouths between columns x0..x1 (x1 = 17 - x0 by default) at row y.
void smile(Canvas& c, int y = 10, int x0 = 4, int depth = 3);
void frown(Canvas& c, int y = 13, int x0 = 5, int depth = 2);
void flat_mouth(Canvas& c, int y = 12, int x0 = 6);
// Wide open grin: flat top at row y, teeth, red inside.
void grin(Canvas& c, int y = 10, double rx = 5.6, double ry = 5.0, bool teeth = true);
// A round open mouth centred on (cx, cy).
void open_mouth(Canvas& c, double cx, double cy, double rx, double ry);

// Pink cheek patches at row y.
void cheeks(Canvas& c, int y = 10, std::uint8_t col = PK);
// A tear drop with its top at (x, y).
void tear(Canvas& c, int x, int y);
// Tongue sticking out below a mouth line at row y, centred on column cx.
void tongue(Canvas& c, int y, int cx);
// An open palm, fingers up, thumb to the right (to the left if flipped), 8 x 10 from (x, y).
void palm(Canvas& c, int x, int y, bool flip);
