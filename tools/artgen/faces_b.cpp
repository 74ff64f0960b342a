// Pictures 24-47: angel ... cowboy.
#include "draw.h"
#include "face_parts.h"
#include "smileys.h"

namespace {

// A fresh transparent layer for a shape that gets its own outline before going on top.
Canvas Layer() {
    return Canvas(kSize, kSize, BG);
}

void Angel(Canvas& c) {
    face(c, kYellow, 9, 10.8, 7.4);
    stamp_pair(c, 5, 8, {"kk", "kk"});
    smile(c, 12, 5, 2);
    ellipse(c, 9, 2.3, 7.6, 2.6, K);
    ellipse(c, 9, 2.3, 6.6, 1.7, GO);
    ellipse(c, 9, 2.3, 3.8, 0.6, K);
    stamp(c, 5, 1, {"wwww"});
}

void Nerd(Canvas& c) {
    face(c);
    for (double cx : {5.0, 13.0}) {
        disc(c, cx, 7, 3.6, K);
        disc(c, cx, 7, 2.6, W);
    }
    rect(c, 8, 6, 9, 6, K);
    stamp_pair(c, 5, 6, {"kk", "kk"});
    smile(c, 11, 5, 1);
    stamp(c, 7, 12,
          {
              "kkkk",
              "kwwk",
              "kwkk",
              ".k..",
          });
    c.set(9, 13, W);
}

void TalkToTheHand(Canvas& c) {
    face(c, kYellow, 6, 10, 6.6);
    stamp(c, 3, 8, {"k", "k"});
    rect(c, 3, 13, 5, 13, K);
    Canvas hand = Layer();
    for (int i = 0; i < 4; ++i) {
        const int top[4] = {4, 2, 2, 4};
        rect(hand, 8 + 2 * i, top[i], 8 + 2 * i, 10, Y);
    }
    ellipse(hand, 11.5, 11.5, 4.2, 4.4, Y);
    line(hand, 8, 13, 5, 9, Y);
    line(hand, 8, 12, 6, 9, Y);
    outline_all(hand);
    overlay(c, hand);
    for (int i = 0; i < 3; ++i)
        line(c, 9 + 2 * i, 5, 9 + 2 * i, 9, K);
}

void Sleepy(Canvas& c) {
    face(c, kYellow, 7.5, 10.5, 7.4);
    stamp(c, 3, 9, {"kkk"});
    stamp(c, 9, 9, {"kkk"});
    stamp(c, 3, 10, {".k."});
    stamp(c, 9, 10, {".k."});
    open_mouth(c, 7.5, 14, 1.6, 1.6);
    Canvas z = Layer();
    stamp(z, 12, 1,
          {
              "wwwww",
              "...w.",
              "..w..",
              ".w...",
              "wwwww",
          });
    stamp(z, 9, 0,
          {
              "www",
              ".w.",
              "www",
          });
    outline_all(z);
    overlay(c, z);
}

void RollingEyes(Canvas& c) {
    face(c);
    eyes_wide(c, 2, 0, -1, 3);
    stamp(c, 6, 12, {"kkkkkk"});
}

void Loser(Canvas& c) {
    face(c, kYellow, 9, 10, 8.2);
    eyes(c, 8, 5);
    smile(c, 12, 5, 3);
    Canvas hand = Layer();
    rect(hand, 4, 0, 6, 5, Y);
    rect(hand, 4, 3, 12, 5, Y);
    outline_all(hand);
    overlay(c, hand);
}

void Sick(Canvas& c) {
    face(c, kSick);
    stamp_pair(c, 4, 6, {"kkk", ".k."});
    stamp_pair(c, 4, 8, {"GGG"});
    stamp(c, 4, 12, {".kk..kk..k", "k..kk..kk."});
    stamp(c, 13, 2,
          {
              ".l.",
              "lll",
              ".l.",
          });
}

void DontTellAnyone(Canvas& c) {
    face(c);
    stamp_pair(c, 4, 5, {"wkk", "wkk"});
    ellipse(c, 9, 12.5, 3, 1.6, K);
    ellipse(c, 9, 12.5, 2, 0.8, R);
    Canvas finger = Layer();
    rect(finger, 8, 9, 9, 17, Y);
    outline_all(finger);
    overlay(c, finger);
}

void NotTalking(Canvas& c) {
    face(c);
    stamp_pair(c, 3, 4, {"kkkk"});
    stamp_pair(c, 4, 6, {"kkk", ".kk"});
    rect(c, 3, 12, 14, 12, K);
    for (int x = 4; x <= 13; x += 2) {
        c.set(x, 11, K);
        c.set(x + 1, 13, K);
    }
    stamp(c, 14, 11,
          {
              "kkk",
              "kek",
              "kek",
              "kkk",
          });
}

void Clown(Canvas& c) {
    face(c, kYellow, 9, 9.5, 8.4);
    Canvas hair = Layer();
    disc(hair, 2.5, 3.5, 2.6, OR);
    disc(hair, 15.5, 3.5, 2.6, OR);
    disc(hair, 1.8, 7.0, 1.9, OR);
    disc(hair, 16.2, 7.0, 1.9, OR);
    outline_all(hair);
    overlay(c, hair);
    stamp_pair(c, 5, 4, {"kk", "kk"});
    stamp_pair(c, 5, 3,
               {
                   "b",
                   ".",
                   ".",
                   "b",
               });
    outlined_ellipse(c, 9, 9.5, 2.6, 2.4, R);
    c.set(8, 8, W);
    bow(c, 3, 14, 12, 3, R);
    bow(c, 3, 14, 13, 3, K);
}

void Silly(Canvas& c) {
    face(c);
    outlined_ellipse(c, 5.5, 6, 3.2, 3.2, W);
    rect(c, 5, 6, 6, 7, K);
    stamp(c, 11, 5, {"kk", "kk"});
    bow(c, 4, 13, 11, 2, K);
    c.set(3, 10, K);
    tongue(c, 12, 11);
}

void Party(Canvas& c) {
    face(c, kYellow, 9, 10.8, 7.3);
    stamp_pair(c, 5, 8, {"kk", "kk"});
    Canvas hat = Layer();
    triangle(hat, 4.5, 5.5, 13.5, 5.5, 9.0, -0.5, PK);
    for (int y = 1; y <= 4; y += 2)
        replace(hat, 0, y, 17, y, PK, BL);
    outline_all(hat);
    hat.set(9, 0, GO);
    overlay(c, hat);
    Canvas horn = Layer();
    rect(horn, 10, 13, 15, 14, R);
    rect(horn, 12, 13, 12, 14, GO);
    rect(horn, 16, 12, 16, 15, GO);
    outline_all(horn);
    overlay(c, horn);
    stamp(c, 5, 13, {"kkkkk"});
}

void Yawn(Canvas& c) {
    face(c);
    stamp_pair(c, 3, 5, {"k...", ".kkk"});
    open_mouth(c, 9, 12.5, 2.8, 4.0);
    ellipse(c, 9, 14.5, 1.4, 1.0, R);
    tear(c, 13, 7);
}

void Drooling(Canvas& c) {
    face(c);
    eyes_happy(c, 5, 4);
    stamp_pair(c, 3, 3, {"kk"});
    grin(c, 10, 4.6, 4.5, false);
    rect(c, 13, 12, 13, 15, LB);
    stamp(c, 12, 15,
          {
              ".l.",
              "lbl",
              ".l.",
          });
}

void Thinking(Canvas& c) {
    face(c, kYellow, 7.5, 10.5, 7.5);
    stamp(c, 5, 8, {".k", "kk"});
    stamp(c, 10, 8, {".k", "kk"});
    line(c, 5, 14, 9, 13, K);
    Canvas q = Layer();
    stamp(q, 13, 0,
          {
              ".ww.",
              "w..w",
              "...w",
              "..w.",
              ".w..",
              "....",
              ".w..",
          });
    outline_all(q);
    overlay(c, q);
}

void Doh(Canvas& c) {
    face(c, kYellow, 8, 10, 7.9);
    stamp(c, 3, 8,
          {
              "k..",
              ".kk",
              "k..",
          });
    stamp(c, 9, 8,
          {
              "..k",
              "kk.",
              "..k",
          });
    open_mouth(c, 7.5, 14, 2.2, 1.8);
    palm(c, 10, 0, false);
}

void Applause(Canvas& c) {
    // grinning face, two open palms clapping in front, claps flying off
    face(c, kYellow, 9, 7.0, 7.0);
    stamp_pair(c, 5, 3, {"kk", "kk"});
    grin(c, 7, 4.0, 3.6, false);
    palm(c, 1, 8, false);
    palm(c, 9, 8, true);
    stamp(c, 8, 7,
          {
              "w.",
              "..",
              "w.",
          });
    stamp_pair(c, 0, 5,
               {
                   "w",
                   ".",
                   "w",
               });
}

void NailBiting(Canvas& c) {
    face(c);
    stamp_pair(c, 3, 3, {"...k", ".kk."});
    eyes(c, 5);
    ellipse(c, 9, 12, 4.4, 2.6, K);
    rect(c, 6, 10, 11, 10, W);
    stamp(c, 4, 11,
          {
              ".kkkkkkkk.",
              "kpkpkpkpkk",
              "kykykykyk.",
              "kykykykyk.",
              "kyyyyyyyk.",
              ".kyyyyyk..",
              "..kkkkk...",
          });
}

void Hypnotized(Canvas& c) {
    face(c);
    stamp_pair(c, 2, 4,
               {
                   ".kkk.",
                   "k...k",
                   "k.k.k",
                   "k.kk.",
                   "k....",
                   ".kkk.",
               });
    stamp(c, 4, 12, {".kk..kk..k", "k..kk..kk."});
}

void Liar(Canvas& c) {
    face(c, kYellow, 7, 9.5, 7.2);
    stamp(c, 5, 6, {"wk", "wk"});
    stamp(c, 9, 6, {"wk", "wk"});
    Canvas nose = Layer();
    rect(nose, 8, 9, 16, 10, Y);
    outline_all(nose);
    overlay(c, nose);
    open_mouth(c, 7, 14, 1.7, 1.5);
}

void Waiting(Canvas& c) {
    face(c);
    stamp_pair(c, 4, 5, {"kkk", ".kk"});
    rect(c, 4, 12, 8, 12, K);
    Canvas clock = Layer();
    disc(clock, 13.5, 13.5, 3.6, W);
    outline_all(clock);
    overlay(c, clock);
    line(c, 13, 11, 13, 13, K);
    line(c, 13, 13, 15, 13, K);
}

void Sigh(Canvas& c) {
    face(c, kYellow, 10, 9, 7.9);
    stamp(c, 5, 6, {"kkk", ".k."});
    stamp(c, 11, 6, {"kkk", ".k."});
    stamp(c, 6, 4, {"k"});
    stamp(c, 13, 4, {"k"});
    open_mouth(c, 7.5, 13, 1.6, 1.6);
    Canvas puff = Layer();
    disc(puff, 2.5, 14.5, 2.3, W);
    disc(puff, 4.5, 16.0, 1.6, W);
    outline_all(puff);
    overlay(c, puff);
}

void Phbbbbt(Canvas& c) {
    face(c);
    stamp_pair(c, 3, 3, {"kk..", "..kk"});
    eyes(c, 5);
    rect(c, 4, 11, 13, 11, K);
    tongue(c, 11, 9);
    stamp(c, 2, 13,
          {
              "l.........l.",
              "..l.....l...",
              "l..........l",
          });
}

void Cowboy(Canvas& c) {
    face(c, kYellow, 9, 10.8, 7.3);
    eyes(c, 8, 5);
    smile(c, 12, 5, 2);
    Canvas hat = Layer();
    ellipse(hat, 9, 5.5, 8.9, 1.9, BR);
    rect(hat, 4, 1, 13, 5, BR);
    rect(hat, 8, 1, 9, 1, BG);
    rect(hat, 4, 4, 13, 4, BRD);
    outline_all(hat);
    overlay(c, hat);
}

} // namespace

const SmileyFn kFacesB[24] = {
    Angel,      Nerd,       TalkToTheHand, Sleepy, RollingEyes, Loser,    Sick,     DontTellAnyone,
    NotTalking, Clown,      Silly,         Party,  Yawn,        Drooling, Thinking, Doh,
    Applause,   NailBiting, Hypnotized,    Liar,   Waiting,     Sigh,     Phbbbbt,  Cowboy,
};
