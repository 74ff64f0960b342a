// Pictures 48-63: animals, objects and the last few faces.
#include <utility>

#include "draw.h"
#include "face_parts.h"
#include "smileys.h"

namespace {

Canvas Layer() {
    return Canvas(kSize, kSize, BG);
}

void Pig(Canvas& c) {
    Canvas ears = Layer();
    triangle(ears, 0.5, 0.5, 1.5, 7.5, 7.0, 3.0, PK);
    triangle(ears, 17.5, 0.5, 16.5, 7.5, 11.0, 3.0, PK);
    outline_all(ears);
    overlay(c, ears);
    face(c, Skin{PK, PKD}, 9, 9.8, 8.2);
    stamp_pair(c, 5, 5, {"kk", "kk"});
    outlined_ellipse(c, 9, 11.5, 4.0, 2.8, PKD);
    stamp_pair(c, 7, 11, {"k", "k"});
    rect(c, 7, 15, 10, 15, K);
}

void Cow(Canvas& c) {
    Canvas horns = Layer();
    triangle(horns, 0.5, 0.0, 2.5, 4.5, 5.5, 2.5, CR);
    triangle(horns, 17.5, 0.0, 15.5, 4.5, 12.5, 2.5, CR);
    ellipse(horns, 1.9, 7.2, 2.1, 1.5, W);
    ellipse(horns, 16.1, 7.2, 2.1, 1.5, W);
    outline_all(horns);
    overlay(c, horns);
    outlined_ellipse(c, 9, 9.4, 6.6, 8.0, W);
    ellipse(c, 12.0, 4.6, 2.4, 2.2, K);
    ellipse(c, 5.0, 10.4, 1.2, 1.5, K);
    stamp_pair(c, 5, 6, {"kk", "kk"});
    outlined_ellipse(c, 9, 13.6, 5.6, 3.5, PK);
    stamp_pair(c, 6, 13, {"kk"});
    c.set(12, 6, W);
}

void Monkey(Canvas& c) {
    Canvas ears = Layer();
    disc(ears, 2.2, 9, 2.6, BR);
    disc(ears, 15.8, 9, 2.6, BR);
    outline_all(ears);
    disc(ears, 2.2, 9, 1.4, TAN);
    disc(ears, 15.8, 9, 1.4, TAN);
    overlay(c, ears);
    face(c, Skin{BR, BRD}, 9, 9.2, 7.6);
    disc(c, 7.0, 8.0, 2.6, TAN);
    disc(c, 11.0, 8.0, 2.6, TAN);
    ellipse(c, 9, 12.0, 5.0, 3.8, TAN);
    stamp_pair(c, 6, 7, {"kk", "kk"});
    stamp_pair(c, 8, 11, {"k"});
    smile(c, 13, 6, 1);
}

void Chicken(Canvas& c) {
    Canvas bird = Layer();
    disc(bird, 6.5, 3.0, 1.9, R);
    disc(bird, 9.0, 2.2, 1.9, R);
    disc(bird, 11.3, 3.2, 1.7, R);
    triangle(bird, 12.5, 7.0, 17.8, 9.5, 12.5, 11.5, OR);
    disc(bird, 13.3, 13.0, 1.5, R);
    outline_all(bird);
    outlined_ellipse(c, 8, 10.5, 7.6, 7.4, W);
    overlay(c, bird);
    disc(c, 8, 10.5, 6.6, W);
    ellipse_rows(c, 8, 10.5, 6.6, 6.4, 14, 17, GY);
    rect(c, 9, 7, 10, 8, K);
    line(c, 13, 10, 17, 9, ORD);
}

void Rose(Canvas& c) {
    Canvas r = Layer();
    line(r, 9, 9, 9, 17, GN);
    line(r, 10, 9, 10, 17, GN);
    tilted_ellipse(r, 5.5, 13, 3.2, 1.5, 2, -1, GN);
    tilted_ellipse(r, 13.5, 12, 3.0, 1.4, 2, 1, GN);
    disc(r, 9.5, 5.8, 5.2, R);
    outline_all(r);
    overlay(c, r);
    stamp(c, 6, 3,
          {
              "..dd..",
              ".d..d.",
              "d.dd.d",
              "d.d..d",
              ".d..d.",
              "..dd..",
          });
    line(c, 8, 15, 4, 13, GND);
    c.set(6, 3, PK);
}

void GoodLuck(Canvas& c) {
    Canvas leaf = Layer();
    line(leaf, 9, 9, 13, 17, GN);
    line(leaf, 10, 9, 14, 17, GN);
    for (double cx : {5.3, 12.7})
        for (double cy : {5.3, 12.0}) {
            disc(leaf, cx, cy, 2.9, GN);
            disc(leaf, cx + (cx < 9 ? -0.8 : 0.8), cy + (cy < 9 ? -1.1 : 1.1), 2.3, GN);
        }
    outline_all(leaf);
    overlay(c, leaf);
    line(c, 4, 4, 8, 8, GND);
    line(c, 13, 4, 9, 8, GND);
    line(c, 4, 13, 8, 9, GND);
    line(c, 13, 13, 9, 9, GND);
}

void Flag(Canvas& c) {
    Canvas f = Layer();
    rect(f, 3, 2, 16, 11, W);
    for (int y = 2; y <= 11; y += 2)
        rect(f, 3, y, 16, y, R);
    rect(f, 3, 2, 8, 6, BL);
    outline_all(f);
    overlay(c, f);
    for (int y = 3; y <= 5; y += 2)
        for (int x = 4; x <= 7; x += 2)
            c.set(x + (y == 5 ? 1 : 0), y, W);
    rect(c, 1, 1, 1, 17, K);
    rect(c, 2, 1, 2, 17, GY);
    rect(c, 0, 0, 3, 0, GO);
}

void Pumpkin(Canvas& c) {
    Canvas p = Layer();
    rect(p, 8, 0, 10, 3, GN);
    ellipse(p, 5.0, 10.5, 4.4, 6.4, OR);
    ellipse(p, 13.0, 10.5, 4.4, 6.4, OR);
    ellipse(p, 9.0, 10.5, 4.6, 6.8, OR);
    outline_all(p);
    overlay(c, p);
    line(c, 5, 5, 5, 15, ORD);
    line(c, 12, 5, 12, 15, ORD);
    triangle(c, 3.5, 9.0, 7.5, 9.0, 5.5, 5.8, K);
    triangle(c, 10.5, 9.0, 14.5, 9.0, 12.5, 5.8, K);
    stamp(c, 3, 11,
          {
              "k.kk.kk.kk",
              "kkkkkkkkkk",
              ".kk.kk.k..",
          });
}

void Coffee(Canvas& c) {
    Canvas m = Layer();
    rect(m, 2, 7, 12, 15, W);
    ellipse_rows(m, 7, 15, 5.5, 2.4, 15, 17, W);
    disc(m, 13.5, 11, 3.3, W);
    outline_all(m);
    disc(m, 13.5, 11, 1.4, BG);
    rect(m, 3, 7, 11, 8, BRD);
    overlay(c, m);
    rect(c, 3, 9, 11, 10, R);
    line(c, 13, 10, 13, 12, K);
    stamp(c, 4, 0,
          {
              ".l...l.",
              "l...l..",
              ".l...l.",
              "..l...l",
              ".l...l.",
          });
}

void Idea(Canvas& c) {
    // a bright light bulb over a happy face
    face(c, kYellow, 8, 10.6, 7.3);
    eyes(c, 8, 4);
    stamp(c, 8, 8,
          {
              "kk",
              "kk",
              "kk",
          });
    smile(c, 12, 4, 2);
    Canvas b = Layer();
    disc(b, 13.0, 4.2, 4.0, YH);
    rect(b, 11, 8, 14, 9, GYM);
    outline_all(b);
    overlay(c, b);
    rect(c, 11, 9, 14, 9, GYD);
    stamp(c, 11, 1, {".w", "w."});
    stamp(c, 7, 0,
          {
              "a.",
              "..",
              ".a",
          });
}

void Skull(Canvas& c) {
    Canvas s = Layer();
    disc(s, 9, 7.6, 7.6, CR);
    rect(s, 5, 11, 12, 16, CR);
    outline_all(s);
    overlay(c, s);
    disc(c, 5.8, 8.2, 2.3, K);
    disc(c, 12.2, 8.2, 2.3, K);
    stamp(c, 8, 11, {".kk.", "kkkk"});
    rect(c, 5, 14, 12, 14, K);
    for (int x = 6; x <= 11; x += 2)
        rect(c, x, 13, x, 15, K);
    ellipse_rows(c, 9, 7.6, 6.6, 6.6, 2, 4, CR);
    rect(c, 2, 4, 3, 5, CRD);
}

void Bug(Canvas& c) {
    line(c, 6, 3, 4, 0, K);
    line(c, 11, 3, 13, 0, K);
    for (int y : {7, 11, 15}) {
        line(c, 0, y - 1, 17, y - 1, BG);
        line(c, 1, y, 16, y, K);
    }
    outlined_ellipse(c, 9, 4.6, 3.4, 2.8, K);
    outlined_ellipse(c, 9, 11.0, 6.8, 6.8, R);
    rect(c, 8, 6, 9, 17, K);
    for (auto [x, y] : {std::pair{5, 9}, {12, 9}, {5, 13}, {12, 13}})
        stamp(c, x, y, {"kk", "kk"});
    stamp_pair(c, 7, 3, {"w"});
}

void Alien(Canvas& c) {
    Canvas h = Layer();
    ellipse(h, 9, 7.5, 8.2, 7.4, AL);
    triangle(h, 1.8, 9.5, 16.2, 9.5, 9.0, 17.8, AL);
    outline_all(h);
    overlay(c, h);
    tilted_ellipse(c, 5.6, 9.0, 3.1, 1.6, 2, 1, K);
    tilted_ellipse(c, 12.4, 9.0, 3.1, 1.6, 2, -1, K);
    stamp_pair(c, 4, 8, {"w"});
    rect(c, 8, 14, 9, 14, K);
}

void Frustrated(Canvas& c) {
    face(c);
    stamp_pair(c, 3, 3,
               {
                   "kk...",
                   ".kkk.",
                   "...kk",
               });
    stamp_pair(c, 4, 6,
               {
                   "k..",
                   ".kk",
                   "k..",
               });
    stamp(c, 4, 11,
          {
              "kkkkkkkkkk",
              "kwkwkwkwkk",
              "kkkkkkkkkk",
              "kwkwkwkwkk",
              "kkkkkkkkkk",
          });
}

void Praying(Canvas& c) {
    // eyes closed, palms pressed together in front, fingers up, sleeves below
    face(c, kYellow, 9, 7.5, 7.5);
    stamp_pair(c, 4, 4, {"k..k", ".kk."});
    stamp_pair(c, 4, 6,
               {
                   "....k",
                   "...ky",
                   "...ky",
                   "..kyy",
                   "..kyy",
                   ".kyyy",
                   ".kyyy",
                   "kyyyy",
                   "kyyyy",
                   ".kyyy",
                   ".kbbb",
                   ".kbbb",
               });
    line(c, 9, 8, 9, 15, K);
}

void MoneyEyes(Canvas& c) {
    face(c);
    for (int x : {3, 10})
        stamp(c, x, 2,
              {
                  "..G..",
                  ".GGGG",
                  "G.G..",
                  ".GGG.",
                  "..G.G",
                  "GGGG.",
                  "..G..",
              });
    grin(c, 10, 5.0, 5.0);
}

} // namespace

const SmileyFn kFigures[16] = {
    Pig,    Cow,  Monkey, Chicken, Rose,  GoodLuck,   Flag,    Pumpkin,
    Coffee, Idea, Skull,  Bug,     Alien, Frustrated, Praying, MoneyEyes,
};
