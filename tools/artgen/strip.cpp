// The slide-show strip: one day around the world of friends, from morning through sunset
// and a starry night to dawn, seamless so it can scroll round for ever.
#include "strip.h"

#include <cstdint>
#include <vector>

#include "friends.h"
#include "rgb_draw.h"

namespace {

constexpr int kW = 1440, kH = 100;

struct Random { // a fixed linear congruential generator: the same strip every time
    std::uint32_t state;
    double next() { // [0, 1)
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / 16777216.0;
    }
};

struct SkyKey {
    double x;
    Rgb top, horizon;
    double light; // how lit the land is
};

constexpr SkyKey kSky[] = {
    {0, {80, 165, 245}, {200, 235, 255}, 1.0},    {430, {80, 165, 245}, {200, 235, 255}, 1.0},
    {560, {110, 100, 200}, {255, 170, 90}, 0.8},  {680, {40, 36, 110}, {190, 90, 140}, 0.55},
    {790, {10, 16, 56}, {36, 48, 110}, 0.4},      {1060, {10, 16, 56}, {36, 48, 110}, 0.4},
    {1190, {90, 90, 175}, {255, 180, 170}, 0.75}, {1310, {80, 165, 245}, {200, 235, 255}, 1.0},
    {1440, {80, 165, 245}, {200, 235, 255}, 1.0},
};

double smooth(double t) {
    return t * t * (3 - 2 * t);
}

// The sky's key colours and the light at column x, eased between the keys.
SkyKey SkyAt(double x) {
    for (std::size_t i = 0; i + 1 < std::size(kSky); ++i) {
        const SkyKey& a = kSky[i];
        const SkyKey& b = kSky[i + 1];
        if (x >= a.x && x <= b.x) {
            const double t = smooth((x - a.x) / (b.x - a.x));
            return {x, mix(a.top, b.top, t), mix(a.horizon, b.horizon, t),
                    a.light + (b.light - a.light) * t};
        }
    }
    return kSky[0];
}

// A periodic smooth curve through `n` random heights (Catmull-Rom, wrapping round).
struct Ridge {
    std::vector<double> h;
    double base, amplitude;
    Ridge(int n, double base_, double amp, std::uint32_t seed) : base(base_), amplitude(amp) {
        Random r{seed};
        for (int i = 0; i < n; ++i)
            h.push_back(r.next() * 2 - 1);
    }
    double operator()(double x) const {
        const int n = static_cast<int>(h.size());
        const double u = x / kW * n;
        const int i = static_cast<int>(u);
        const double t = u - i;
        auto at = [&](int k) { return h[static_cast<std::size_t>(((k % n) + n) % n)]; };
        const double p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        const double v =
            0.5 * ((2 * p1) + (-p0 + p2) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t * t +
                   (-p0 + 3 * p1 - 3 * p2 + p3) * t * t * t);
        return base + amplitude * v;
    }
};

const Ridge kFar(12, 66, 10, 7);
const Ridge kNear(18, 88, 3.5, 11);

void Sky(RgbImage& img) {
    for (int x = 0; x < kW; ++x) {
        const SkyKey k = SkyAt(x + 0.5);
        for (int y = 0; y < kH; ++y)
            img.set(x, y, mix(k.top, k.horizon, smooth(y / 80.0 > 1 ? 1 : y / 80.0)));
    }
}

void Land(RgbImage& img, const Ridge& ridge, Rgb day, Rgb dayLow) {
    for (int x = 0; x < kW; ++x) {
        const double light = SkyAt(x + 0.5).light;
        const double top = ridge(x + 0.5);
        for (int y = static_cast<int>(top) - 1; y < kH; ++y) {
            if (y < 0)
                continue;
            double cover = y + 1 - top;
            cover = cover < 0 ? 0 : cover > 1 ? 1 : cover;
            const Rgb c =
                scale(mix(day, dayLow, (y - top) / 30.0 > 1 ? 1 : (y - top) / 30.0), light);
            img.set(x, y, mix(img.at(x, y), c, cover));
        }
    }
}

void Cloud(RgbImage& img, double x, double y, double s) {
    const Inside shape = in_disc(x, y, 8 * s) | in_disc(x + 10 * s, y - 4 * s, 10 * s) |
                         in_disc(x + 22 * s, y, 8 * s) |
                         in_ellipse(x + 11 * s, y + 3 * s, 18 * s, 5 * s);
    fill(img, box_around(x + 11 * s, y, 32 * s, 16 * s), shape, {255, 255, 255}, 230);
}

void Sun(RgbImage& img, double x, double y, double r, Rgb col, bool rays) {
    fill(img, box_around(x, y, r * 1.9, r * 1.9), in_disc(x, y, r * 1.7),
         mix(col, {255, 255, 255}, 0.5), 70);
    if (rays)
        for (int i = 0; i < 8; ++i) {
            const double d[8][2] = {{1, 0},  {0.7071, 0.7071},   {0, 1},  {-0.7071, 0.7071},
                                    {-1, 0}, {-0.7071, -0.7071}, {0, -1}, {0.7071, -0.7071}};
            stroke(img, {x + d[i][0] * r * 1.35, y + d[i][1] * r * 1.35},
                   {x + d[i][0] * r * 1.85, y + d[i][1] * r * 1.85}, 3, col);
        }
    fill(img, box_around(x, y, r, r), in_disc(x, y, r), col);
}

void Stars(RgbImage& img) {
    Random r{2024};
    for (int i = 0; i < 90; ++i) {
        const double x = 700 + r.next() * 440, y = 3 + r.next() * 55, size = r.next();
        const double light = SkyAt(x).light;
        if (light > 0.6)
            continue;
        const int opacity =
            static_cast<int>(256 * (0.6 - light) / 0.2 > 256 ? 256 : 256 * (0.6 - light) / 0.2);
        if (size > 0.85)
            fill(img, box_around(x, y, 5, 5), in_star(x, y, 4.5), {255, 240, 150}, opacity);
        else
            fill(img, box_around(x, y, 2, 2), in_disc(x, y, 0.6 + size), {255, 255, 230}, opacity);
    }
}

void Heart(RgbImage& img, double x, double y, double s, Rgb col) {
    fill(img, box_around(x, y + s * 0.3, s * 1.4, s * 1.4), in_heart(x, y, s + 1.6), kInk);
    fill(img, box_around(x, y + s * 0.3, s * 1.4, s * 1.4), in_heart(x, y + 0.3, s), col);
    fill(img, box_around(x, y, s, s), in_disc(x - s * 0.55, y - s * 0.15, s * 0.22),
         {255, 255, 255}, 200);
}

void Tree(RgbImage& img, double x, double ground, double light) {
    stroke(img, {x, ground}, {x, ground - 22}, 8, kInk);
    stroke(img, {x, ground}, {x, ground - 22}, 4.5, scale({130, 80, 40}, light));
    const Inside crown = in_disc(x, ground - 34, 13) | in_disc(x - 10, ground - 26, 9) |
                         in_disc(x + 10, ground - 26, 9);
    const Inside inner = in_disc(x, ground - 34, 11) | in_disc(x - 10, ground - 26, 7) |
                         in_disc(x + 10, ground - 26, 7);
    fill(img, box_around(x, ground - 32, 22, 18), crown, kInk);
    fill(img, box_around(x, ground - 32, 22, 18), inner, scale({40, 160, 50}, light));
    for (double dx : {-6.0, 5.0, -1.0})
        fill(img, box_around(x + dx, ground - 30, 3, 3),
             in_disc(x + dx, ground - 30 + dx * 0.4, 1.8), scale({230, 40, 40}, light));
}

void Flowers(RgbImage& img) {
    Random r{99};
    const Rgb petals[] = {
        {255, 90, 120}, {255, 220, 60}, {250, 250, 250}, {180, 110, 255}, {255, 150, 40}};
    for (int i = 0; i < 70; ++i) {
        const double x = 10 + r.next() * (kW - 20), dy = r.next() * 8;
        const Rgb col = petals[static_cast<int>(r.next() * 5)];
        const double light = SkyAt(x).light, g = kNear(x) + 3 + dy;
        stroke(img, {x, g}, {x, g - 5}, 1.4, scale({20, 110, 30}, light));
        for (double d : {-1.6, 1.6})
            fill(img, box_around(x, g - 6, 4, 4),
                 in_disc(x + d, g - 6, 1.5) | in_disc(x, g - 6 + d, 1.5), scale(col, light));
        fill(img, box_around(x, g - 6, 2, 2), in_disc(x, g - 6, 0.9),
             scale({255, 240, 120}, light));
    }
}

void Campfire(RgbImage& img, double x, double g) {
    for (int i = 0; i < 4; ++i)
        fill(img, box_around(x, g - 10, 40, 40), in_disc(x, g - 10, 14 + 7 * i), {255, 150, 50},
             28);
    stroke(img, {x - 12, g - 1}, {x + 12, g - 6}, 6, {90, 50, 20});
    stroke(img, {x - 12, g - 6}, {x + 12, g - 1}, 6, {110, 60, 25});
    fill(
        img, box_around(x, g - 14, 10, 14),
        in_polygon({{x - 9, g - 5}, {x - 4, g - 20}, {x, g - 12}, {x + 3, g - 26}, {x + 9, g - 5}}),
        {240, 80, 20});
    fill(img, box_around(x, g - 12, 8, 10),
         in_polygon({{x - 5, g - 5}, {x - 1, g - 16}, {x + 2, g - 10}, {x + 5, g - 5}}),
         {255, 220, 60});
}

void Balloon(RgbImage& img, Pt hand, double x, double y, Rgb col) {
    stroke(img, hand, {x, y + 11}, 1.2, kInk);
    outlined_ellipse_rgb(img, x, y, 8, 10, col, 1.6, kInk);
    fill(img, box_around(x - 3, y - 4, 3, 4), in_ellipse(x - 3, y - 4, 2, 3), {255, 255, 255}, 170);
}

Rgb Skin(int i) {
    const Rgb skins[] = {{255, 220, 0},   {255, 190, 200}, {140, 210, 255},
                         {170, 230, 110}, {255, 170, 70},  {200, 160, 255}};
    return skins[i % 6];
}

} // namespace

RgbImage DrawStrip() {
    RgbImage img(kW, kH);
    Sky(img);
    Stars(img);
    Sun(img, 190, 26, 14, {255, 225, 40}, true);
    Sun(img, 600, 62, 16, {255, 130, 40}, false);
    fill(img, box_around(930, 22, 14, 14), minus(in_disc(930, 22, 12), in_disc(936, 18, 10.5)),
         {255, 250, 210});
    const Rgb bands[] = {{255, 60, 60}, {255, 160, 40}, {255, 240, 60},
                         {80, 210, 80}, {70, 140, 255}, {150, 90, 220}};
    for (int i = 0; i < 6; ++i)
        fill(img, {1160, 0, 1340, 100}, in_ring(1250, 106, 80 - 3 * (i + 1), 80 - 3 * i), bands[i],
             150);
    for (double x : {60.0, 330.0, 1330.0})
        Cloud(img, x, 18 + (x > 300 && x < 400 ? 6 : 0), x > 1000 ? 0.9 : 1.1);
    Land(img, kFar, {70, 150, 80}, {50, 120, 70});
    for (double x : {160.0, 470.0, 1120.0, 1400.0})
        Tree(img, x, kNear(x) + 2, SkyAt(x).light);
    Land(img, kNear, {90, 200, 70}, {40, 140, 40});
    Flowers(img);
    Campfire(img, 905, kNear(905) + 4);

    const Friend friends[] = {
        {40, Skin(0), {230, 60, 60}, Mood::Grin, Hat::Cap, Arms::WaveLeft},
        {95, Skin(1), {255, 120, 200}, Mood::Smile, Hat::Bow, Arms::HoldRight},
        {133, Skin(2), {60, 120, 230}, Mood::Wink, Hat::Glasses, Arms::HoldLeft},
        {245, Skin(3), {250, 200, 40}, Mood::Joy, Hat::PartyHat, Arms::BothUp},
        {375, Skin(4), {120, 80, 200}, Mood::Tongue, Hat::Headphones, Arms::WaveRight},
        {530, Skin(5), {40, 170, 120}, Mood::Smile, Hat::Flower, Arms::WaveRight},
        {660, Skin(0), {250, 130, 40}, Mood::Surprised, Hat::Beanie, Arms::Down},
        {850, Skin(1), {90, 90, 220}, Mood::Smile, Hat::None, Arms::Down},
        {960, Skin(2), {230, 60, 90}, Mood::Joy, Hat::Crown, Arms::BothUp},
        {1040, Skin(3), {240, 240, 240}, Mood::Wink, Hat::Cap, Arms::WaveRight},
        {1190, Skin(4), {60, 160, 220}, Mood::Grin, Hat::Bow, Arms::HoldRight},
        {1228, Skin(0), {200, 60, 200}, Mood::Smile, Hat::Beanie, Arms::HoldBoth},
        {1266, Skin(5), {250, 210, 60}, Mood::Joy, Hat::Glasses, Arms::HoldLeft},
    };
    Balloon(img, {548, kNear(530) - 46}, 560, 16, {240, 50, 70});
    for (const Friend& f : friends)
        DrawFriend(img, f, kNear(f.x) + 4);

    const double hearts[][3] = {{300, 16, 6},  {318, 34, 4},  {440, 22, 7},  {700, 18, 5},
                                {760, 36, 4},  {1000, 14, 6}, {1120, 30, 5}, {1380, 20, 7},
                                {1400, 44, 4}, {20, 30, 4}};
    for (int i = 0; i < 10; ++i)
        Heart(img, hearts[i][0], hearts[i][1], hearts[i][2],
              i % 2 ? Rgb{255, 110, 170} : Rgb{235, 30, 60});
    return img;
}
