#include "face_parts.h"

#include "draw.h"

void face(Canvas& c, Skin skin, double cx, double cy, double r) {
    disc(c, cx, cy, r, K);
    disc(c, cx, cy, r - 1, skin.fill);
    // crescent of shade at the lower right: inside the face, outside a disc moved up-left
    Canvas inner(c.width, c.height, 0);
    disc(inner, cx, cy, r - 1, 1);
    Canvas lit(c.width, c.height, 0);
    disc(lit, cx - 1.1, cy - 1.1, r - 1.2, 1);
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
            if (inner.at(x, y) && !lit.at(x, y))
                c.set(x, y, skin.shade);
}

void eyes(Canvas& c, int y, int x) {
    stamp_pair(c, x, y,
               {
                   "kk",
                   "kk",
                   "kk",
               });
}

void eyes_happy(Canvas& c, int y, int x) {
    stamp_pair(c, x, y, {".kk.", "k..k"});
}

void eyes_shut(Canvas& c, int y, int x) {
    stamp_pair(c, x, y, {"kkk"});
}

void eyes_wide(Canvas& c, int y, int px, int py, int x) {
    for (int side = 0; side < 2; ++side) {
        const double cx = side == 0 ? x + 2.5 : kSize - x - 2.5;
        outlined_ellipse(c, cx, y + 3, 3, 3, W);
        rect(c, static_cast<int>(cx) - 1 + px, y + 2 + py, static_cast<int>(cx) + px, y + 3 + py,
             K);
    }
}

void smile(Canvas& c, int y, int x0, int depth) {
    bow(c, x0, kSize - 1 - x0, y, depth, K);
}

void frown(Canvas& c, int y, int x0, int depth) {
    bow(c, x0, kSize - 1 - x0, y, -depth, K);
}

void flat_mouth(Canvas& c, int y, int x0) {
    rect(c, x0, y, kSize - 1 - x0, y, K);
}

void grin(Canvas& c, int y, double rx, double ry, bool teeth) {
    ellipse_rows(c, 9, y, rx, ry, y, kSize - 1, K);
    ellipse_rows(c, 9, y, rx - 1, ry - 1, y + 1, kSize - 1, RD);
    if (teeth)
        ellipse_rows(c, 9, y, rx - 1, ry - 1, y + 1, y + 1, W);
    ellipse_rows(c, 9, y + ry - 1.5, rx - 2.5, 1.6, y + 2, kSize - 1, R); // tongue
    ellipse_rows(c, 9, y, rx - 1, ry - 1, y + static_cast<int>(ry), kSize - 1, RD);
}

void open_mouth(Canvas& c, double cx, double cy, double rx, double ry) {
    ellipse(c, cx, cy, rx, ry, K);
    ellipse(c, cx, cy, rx - 1, ry - 1, RD);
}

void cheeks(Canvas& c, int y, std::uint8_t col) {
    rect(c, 2, y, 4, y + 1, col);
    rect(c, 13, y, 15, y + 1, col);
}

void tear(Canvas& c, int x, int y) {
    stamp(c, x, y,
          {
              ".b.",
              "blb",
              "bll",
              ".b.",
          });
}

void tongue(Canvas& c, int y, int cx) {
    stamp(c, cx - 2, y + 1,
          {
              "kkkkk",
              "krrrk",
              "krrrk",
              ".kkk.",
          });
    rect(c, cx - 1, y + 1, cx + 1, y + 1, R);
    c.set(cx, y + 2, RD);
}

void palm(Canvas& c, int x, int y, bool flip) {
    const Rows rows = {
        ".k.k.k..", "kykykyk.", "kykykyk.", "kykykykk", "kyyyyyky",
        "kyyyyyyk", "kyyyyyk.", ".kyyyk..", ".kyyyk..", ".kkkkk..",
    };
    if (flip)
        stamp_flipped(c, x, y, rows);
    else
        stamp(c, x, y, rows);
}
