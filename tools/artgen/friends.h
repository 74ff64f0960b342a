#pragma once
// The cartoon friends who stand along the slide-show strip.
#include "canvas.h"
#include "rgb_draw.h"

enum class Mood { Smile, Grin, Wink, Tongue, Surprised, Joy };
enum class Hat { None, Cap, Bow, Glasses, PartyHat, Flower, Headphones, Crown, Beanie };
enum class Arms { Down, WaveRight, WaveLeft, BothUp, HoldLeft, HoldRight, HoldBoth };

struct Friend {
    double x; // middle of the figure
    Rgb skin; // face and hands
    Rgb shirt;
    Mood mood;
    Hat hat;
    Arms arms;
};

// Draws the friend standing with its feet on row `ground`.
void DrawFriend(RgbImage& img, const Friend& f, double ground);

inline constexpr Rgb kInk{30, 20, 10}; // the strip's outline colour
