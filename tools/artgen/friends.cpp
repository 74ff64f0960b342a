#include "friends.h"

namespace {

constexpr Rgb kTrousers{50, 60, 120};
constexpr Rgb kCheek{255, 140, 160};
constexpr Rgb kMouth{120, 20, 20};
constexpr Rgb kTongue{240, 70, 90};
constexpr Rgb kWhite{255, 255, 255};

bool holds_left(Arms a) {
    return a == Arms::HoldLeft || a == Arms::HoldBoth;
}
bool holds_right(Arms a) {
    return a == Arms::HoldRight || a == Arms::HoldBoth;
}

void Arm(RgbImage& img, Pt shoulder, Pt hand, Rgb shirt, Rgb skin) {
    stroke(img, shoulder, hand, 7.0, kInk);
    stroke(img, shoulder, hand, 3.4, shirt);
    outlined_disc(img, hand.x, hand.y, 3.6, skin, 1.5, kInk);
}

void Body(RgbImage& img, const Friend& f, double g) {
    const double x = f.x;
    for (double s : {-1.0, 1.0}) {
        stroke(img, {x + 4 * s, g - 16}, {x + 6 * s, g - 3}, 6.0, kInk);
        stroke(img, {x + 4 * s, g - 16}, {x + 6 * s, g - 3}, 3.0, kTrousers);
        outlined_ellipse_rgb(img, x + 8 * s, g - 2.5, 4.5, 2.8, {60, 40, 30}, 1.2, kInk);
    }
    const double sy = g - 27; // shoulders
    const Pt left{x - 8, sy}, right{x + 8, sy};
    auto hand = [&](bool isLeft) -> Pt {
        const double s = isLeft ? -1 : 1;
        const bool holding = isLeft ? holds_left(f.arms) : holds_right(f.arms);
        if (holding)
            return {x + 19 * s, g - 19};
        const bool up = f.arms == Arms::BothUp ||
                        (isLeft ? f.arms == Arms::WaveLeft : f.arms == Arms::WaveRight);
        return up ? Pt{x + 18 * s, g - 46} : Pt{x + 14 * s, g - 12};
    };
    Arm(img, left, hand(true), f.shirt, f.skin);
    Arm(img, right, hand(false), f.shirt, f.skin);
    outlined_ellipse_rgb(img, x, g - 20, 10.5, 11, f.shirt, 2.0, kInk);
    fill(img, box_around(x, g - 24, 3, 3), in_disc(x, g - 23, 1.6), scale(f.shirt, 0.6));
    fill(img, box_around(x, g - 17, 3, 3), in_disc(x, g - 17, 1.6), scale(f.shirt, 0.6));
}

void Face(RgbImage& img, const Friend& f, double cx, double cy) {
    outlined_disc(img, cx, cy, 15, f.skin, 2.2, kInk);
    fill(img, box_around(cx - 5, cy - 6, 5, 4), in_ellipse(cx - 5.5, cy - 7, 4, 2.5),
         scale(f.skin, 1.12));
    const Box face = box_around(cx, cy, 15, 15);
    for (double s : {-1.0, 1.0}) {
        fill(img, face, in_ellipse(cx + 9 * s, cy + 4, 3.2, 2.0), kCheek, 180);
        const bool wink = f.mood == Mood::Wink && s > 0;
        if (f.mood == Mood::Joy || wink)
            fill(img, face,
                 minus(in_ring(cx + 5 * s, cy - 2, 2.2, 3.8), in_disc(cx + 5 * s, cy + 0.5, 3.4)),
                 kInk);
        else if (f.mood == Mood::Surprised)
            fill(img, face, in_ellipse(cx + 5 * s, cy - 3, 2.4, 3.4), kInk);
        else {
            fill(img, face, in_ellipse(cx + 5 * s, cy - 3, 2.0, 3.0), kInk);
            fill(img, face, in_disc(cx + 5 * s + 0.6, cy - 4.5, 0.9), kWhite);
        }
    }
    const auto lower = [cy](double, double y) { return y > cy + 1; };
    switch (f.mood) {
    case Mood::Smile:
    case Mood::Wink:
        fill(img, face, in_ring(cx, cy + 1, 6.5, 8.4) & lower, kInk);
        break;
    case Mood::Grin:
    case Mood::Joy:
        fill(img, face, in_disc(cx, cy + 2, 8) & lower, kInk);
        fill(img, face, in_disc(cx, cy + 2, 6.2) & lower, kMouth);
        fill(img, face, in_ellipse(cx, cy + 8, 4, 2.4) & in_disc(cx, cy + 2, 6.2), kTongue);
        fill(
            img, face,
            in_disc(cx, cy + 2, 6.2) &
                [cy](double, double y) { return y > cy + 1 && y < cy + 3.2; },
            kWhite);
        break;
    case Mood::Tongue:
        fill(img, face, in_ring(cx, cy + 1, 6.5, 8.4) & lower, kInk);
        fill(
            img, face,
            in_ellipse(cx + 2, cy + 10, 3.2, 3.6) & [cy](double, double y) { return y > cy + 8.4; },
            kInk);
        fill(
            img, face,
            in_ellipse(cx + 2, cy + 10, 2.0, 2.6) & [cy](double, double y) { return y > cy + 8.8; },
            kTongue);
        break;
    case Mood::Surprised:
        fill(img, face, in_ellipse(cx, cy + 7, 3.4, 4.2), kInk);
        fill(img, face, in_ellipse(cx, cy + 7, 2.0, 2.8), kMouth);
        break;
    }
}

void Headwear(RgbImage& img, const Friend& f, double cx, double cy) {
    const Box around = box_around(cx, cy - 8, 22, 22);
    switch (f.hat) {
    case Hat::None:
        break;
    case Hat::Cap:
        fill(
            img, around, in_disc(cx, cy - 3, 16) & [cy](double, double y) { return y < cy - 6; },
            kInk);
        fill(img, around, in_disc(cx, cy - 3, 14) & [cy](double, double y) { return y < cy - 7.5; },
             {220, 40, 40});
        fill(img, around, in_ellipse(cx + 14, cy - 7, 9, 2.6), kInk);
        fill(img, around, in_ellipse(cx + 14, cy - 7, 7.4, 1.2), {220, 40, 40});
        break;
    case Hat::Bow:
        for (double s : {-1.0, 1.0})
            fill(img, around,
                 in_polygon(
                     {{cx + 6, cy - 14}, {cx + 6 + 9 * s, cy - 20}, {cx + 6 + 9 * s, cy - 8}}),
                 {255, 80, 160});
        outlined_disc(img, cx + 6, cy - 14, 3, {255, 140, 200}, 1.2, kInk);
        break;
    case Hat::Glasses:
        for (double s : {-1.0, 1.0})
            fill(img, around, in_ring(cx + 5.5 * s, cy - 3, 4.2, 5.6), kInk);
        fill(img, around, in_capsule({cx - 1.5, cy - 4}, {cx + 1.5, cy - 4}, 0.8), kInk);
        break;
    case Hat::PartyHat:
        fill(img, around, in_polygon({{cx - 9, cy - 11}, {cx + 9, cy - 11}, {cx + 1, cy - 33}}),
             kInk);
        fill(img, around,
             in_polygon({{cx - 6.5, cy - 12.5}, {cx + 6.5, cy - 12.5}, {cx + 1, cy - 29}}),
             {80, 160, 255});
        for (double y : {-16.0, -22.0})
            fill(img, around,
                 in_polygon({{cx - 6.5, cy - 12.5}, {cx + 6.5, cy - 12.5}, {cx + 1, cy - 29}}) &
                     [cy, y](double, double py) { return py > cy + y - 1.4 && py < cy + y + 1.4; },
                 {255, 230, 60});
        outlined_disc(img, cx + 1, cy - 33, 3.2, {255, 90, 160}, 1.2, kInk);
        break;
    case Hat::Flower:
        for (int i = 0; i < 5; ++i) {
            const double dx[5] = {0, 3.8, 2.4, -2.4, -3.8}, dy[5] = {-4, -1.2, 3.2, 3.2, -1.2};
            outlined_disc(img, cx - 9 + dx[i], cy - 12 + dy[i], 2.8, {255, 255, 255}, 1.0, kInk);
        }
        outlined_disc(img, cx - 9, cy - 12, 2.4, {255, 200, 0}, 1.0, kInk);
        break;
    case Hat::Headphones:
        fill(
            img, around, in_ring(cx, cy, 15.5, 19) & [cy](double, double y) { return y < cy; },
            kInk);
        fill(img, around,
             in_ring(cx, cy, 16.5, 18) & [cy](double, double y) { return y < cy - 0.5; },
             {120, 120, 140});
        for (double s : {-1.0, 1.0})
            outlined_ellipse_rgb(img, cx + 15 * s, cy + 1, 4, 6, {230, 60, 60}, 1.5, kInk);
        break;
    case Hat::Crown:
        fill(img, around,
             in_polygon({{cx - 9, cy - 11},
                         {cx - 10, cy - 25},
                         {cx - 5, cy - 18},
                         {cx, cy - 27},
                         {cx + 5, cy - 18},
                         {cx + 10, cy - 25},
                         {cx + 9, cy - 11}}),
             kInk);
        fill(img, around,
             in_polygon({{cx - 7.5, cy - 12.5},
                         {cx - 8.3, cy - 21.5},
                         {cx - 5, cy - 16},
                         {cx, cy - 23.5},
                         {cx + 5, cy - 16},
                         {cx + 8.3, cy - 21.5},
                         {cx + 7.5, cy - 12.5}}),
             {255, 210, 40});
        fill(img, around, in_disc(cx, cy - 15, 1.6), {230, 30, 60});
        break;
    case Hat::Beanie:
        fill(
            img, around, in_disc(cx, cy - 1, 16.2) & [cy](double, double y) { return y < cy - 5; },
            kInk);
        fill(img, around, in_disc(cx, cy - 1, 14.2) & [cy](double, double y) { return y < cy - 7; },
             {60, 180, 90});
        fill(img, around,
             in_disc(cx, cy - 1, 14.2) &
                 [cy](double, double y) { return y < cy - 7 && y > cy - 10; },
             {240, 240, 240});
        outlined_disc(img, cx, cy - 17, 3.6, {240, 240, 240}, 1.3, kInk);
        break;
    }
}

} // namespace

void DrawFriend(RgbImage& img, const Friend& f, double ground) {
    Body(img, f, ground);
    const double cx = f.x, cy = ground - 45;
    Face(img, f, cx, cy);
    Headwear(img, f, cx, cy);
}
