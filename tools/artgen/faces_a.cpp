// Pictures 0-23: happy ... rolling on the floor.
#include "draw.h"
#include "face_parts.h"
#include "smileys.h"

namespace {

void Happy(Canvas& c) {
    face(c);
    eyes(c);
    smile(c);
}

void Sad(Canvas& c) {
    face(c);
    eyes(c, 6);
    stamp_pair(c, 3, 3, {"kk..", "..kk"});
    frown(c, 14, 5, 2);
}

void Winking(Canvas& c) {
    face(c);
    stamp(c, 5, 5,
          {
              "kk",
              "kk",
              "kk",
          });
    stamp(c, 10, 5, {".kkk.", "k...k"}); // the closed eye
    stamp(c, 10, 3, {"..kk"});           // and its brow, pulled down
    smile(c, 10, 4, 3);
    stamp(c, 13, 8, {".k", "k."});
}

void BigGrin(Canvas& c) {
    face(c);
    eyes(c, 3);
    grin(c, 9, 6.2, 6.0);
}

void BattingEyelashes(Canvas& c) {
    face(c);
    // eyes under long lashes, rosy cheeks
    stamp_pair(c, 3, 4, {"k.k.k", ".kkk."});
    eyes(c, 6, 5);
    cheeks(c, 10);
    smile(c, 12, 6, 2);
}

void BigHug(Canvas& c) {
    // arms flung wide open for a hug, behind a grinning face
    Canvas arms(kSize, kSize, BG);
    for (int side = 0; side < 2; ++side) {
        const int s = side == 0 ? 1 : -1, x = side == 0 ? 0 : 17;
        rect(arms, x + 1 * s, 12, x + 4 * s, 13, Y);
        rect(arms, x + 1 * s, 7, x + 2 * s, 13, Y);
        disc(arms, side == 0 ? 2.0 : 16.0, 6.0, 1.7, Y);
    }
    outline_all(arms);
    overlay(c, arms);
    face(c, kYellow, 9, 9.5, 6.8);
    stamp_pair(c, 6, 6, {"k", "k"});
    grin(c, 10, 3.6, 3.8, false);
}

void Confused(Canvas& c) {
    face(c);
    stamp(c, 3, 3, {".kkk"});
    stamp(c, 10, 2, {"..kk", "kk.."});
    eyes(c, 5);
    line(c, 5, 13, 12, 11, K);
    c.set(13, 11, K);
}

void LoveStruck(Canvas& c) {
    face(c);
    stamp_pair(c, 2, 4,
               {
                   "rr.rr",
                   "rrrrr",
                   "rrrrr",
                   ".rrr.",
                   "..r..",
               });
    c.set(3, 4, W);
    c.set(11, 4, W);
    smile(c, 11, 5, 3);
}

void Blushing(Canvas& c) {
    face(c);
    stamp_pair(c, 5, 7, {"kk", "kk"});
    stamp_pair(c, 4, 5, {".kk"});
    stamp_pair(c, 1, 9,
               {
                   ".ppp",
                   "ppPp",
                   ".ppp",
               });
    stamp(c, 7, 13, {"k..k", ".kk."});
}

void Tongue(Canvas& c) {
    face(c);
    eyes(c);
    flat_mouth(c, 11, 4);
    tongue(c, 11, 10);
}

void Kiss(Canvas& c) {
    face(c);
    stamp_pair(c, 4, 6, {".kk.", "k..k"});
    stamp(c, 7, 10,
          {
              ".kk.",
              "krrk",
              ".kk.",
              "krrk",
              ".kk.",
          });
    stamp(c, 12, 10,
          {
              "r.r",
              "rrr",
              ".r.",
          });
}

void BrokenHeart(Canvas& c) {
    disc(c, 5.3, 6.0, 4.3, R);
    disc(c, 12.7, 6.0, 4.3, R);
    triangle(c, 1.0, 7.2, 17.0, 7.2, 9.0, 17.0, R);
    rect(c, 3, 3, 4, 4, PK);
    // the crack, then outline both halves
    line(c, 9, 2, 7, 6, BG);
    line(c, 7, 6, 10, 9, BG);
    line(c, 10, 9, 8, 12, BG);
    line(c, 8, 12, 9, 17, BG);
    outline_all(c);
}

void Surprise(Canvas& c) {
    face(c);
    stamp_pair(c, 4, 2, {".kk.", "k..."});
    eyes(c, 5);
    open_mouth(c, 9, 13, 2.6, 3.2);
}

void Angry(Canvas& c) {
    face(c, kAngry);
    stamp_pair(c, 3, 3,
               {
                   "kk...",
                   ".kkk.",
                   "...kk",
               });
    stamp_pair(c, 5, 6, {"kk", "kk"});
    frown(c, 14, 5, 2);
    frown(c, 13, 6, 2);
}

void Smug(Canvas& c) {
    face(c);
    // heavy lids, eyes sliding sideways, a one-sided smirk
    stamp(c, 3, 5, {"kkkk", "..kk"});
    stamp(c, 10, 5, {"kkkk", "..kk"});
    rect(c, 5, 12, 10, 12, K);
    stamp(c, 11, 9, {"...k", "..k.", "kk.."});
}

void Cool(Canvas& c) {
    face(c);
    rect(c, 1, 5, 16, 5, K);
    stamp_pair(c, 2, 5,
               {
                   "kkkkkk",
                   "kwkkkk",
                   ".kkkk.",
                   "..kk..",
               });
    smile(c, 11, 5, 2);
    c.set(13, 10, K);
}

void Worried(Canvas& c) {
    face(c);
    stamp_pair(c, 3, 3, {"...kk", ".kk.."});
    eyes(c, 6);
    stamp(c, 4, 12, {".kk..kk..k", "k..kk..kk."});
}

void Whew(Canvas& c) {
    face(c);
    stamp_pair(c, 3, 4, {"kk...", "..kk."});
    eyes_shut(c, 7, 4);
    open_mouth(c, 9, 13, 1.8, 1.8);
    stamp(c, 13, 0,
          {
              ".kk.",
              "kblk",
              "kbbk",
              ".kk.",
          });
    stamp(c, 14, 4,
          {
              ".k.",
              "kbk",
              ".k.",
          });
}

void Devil(Canvas& c) {
    triangle(c, 1.0, 0.0, 2.0, 7.0, 6.5, 3.5, R);
    triangle(c, 17.0, 0.0, 16.0, 7.0, 11.5, 3.5, R);
    outline_all(c);
    face(c, kDevil, 9, 10, 8.0);
    stamp_pair(c, 4, 6,
               {
                   "kk..",
                   ".kkk",
                   "..kk",
               });
    smile(c, 11, 4, 3);
    stamp(c, 6, 12, {"wwwwww"});
}

void Crying(Canvas& c) {
    face(c);
    stamp_pair(c, 3, 5, {".kkk.", "k...k"});
    rect(c, 4, 7, 4, 15, LB);
    rect(c, 13, 7, 13, 15, LB);
    rect(c, 3, 8, 3, 13, BL);
    rect(c, 14, 8, 14, 13, BL);
    open_mouth(c, 9, 13, 3.0, 2.2);
}

void Laughing(Canvas& c) {
    face(c);
    stamp_pair(c, 4, 3,
               {
                   "k..",
                   ".kk",
                   "k..",
               });
    grin(c, 9, 6.2, 6.2);
    stamp_pair(c, 1, 7, {"l", "b"});
}

void StraightFace(Canvas& c) {
    face(c);
    eyes(c, 5);
    flat_mouth(c, 12, 5);
}

void RaisedEyebrows(Canvas& c) {
    // one brow level, the other arched high over a widened eye
    face(c);
    stamp(c, 3, 4, {"kkkk"});
    stamp(c, 5, 6, {"kk", "kk"});
    stamp(c, 9, 1, {".kkk.", "k...k"});
    outlined_ellipse(c, 12, 7, 2.6, 3.0, W);
    rect(c, 11, 7, 12, 8, K);
    bow(c, 5, 12, 12, 1, K);
    c.set(13, 11, K);
}

void RollingOnTheFloor(Canvas& c) {
    // the laughing face turned on its side, on the floor, with tears flying
    face(c, kYellow, 9, 9.5, 7.6);
    stamp_pair(c, 3, 4,
               {
                   "..k..",
                   ".k.k.",
                   "k...k",
               });
    grin(c, 9, 4.8, 5.0);
    rotate_clockwise(c);
    rect(c, 0, 17, 17, 17, BRD);
    stamp(c, 14, 0,
          {
              "l..",
              "b.l",
              "..b",
          });
    stamp(c, 14, 15, {"..b", "b.."});
}

} // namespace

const SmileyFn kFacesA[24] = {
    Happy,
    Sad,
    Winking,
    BigGrin,
    BattingEyelashes,
    BigHug,
    Confused,
    LoveStruck,
    Blushing,
    Tongue,
    Kiss,
    BrokenHeart,
    Surprise,
    Angry,
    Smug,
    Cool,
    Worried,
    Whew,
    Devil,
    Crying,
    Laughing,
    StraightFace,
    RaisedEyebrows,
    RollingOnTheFloor,
};
