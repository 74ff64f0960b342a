#pragma once
// What the user sees, read from the X server: frames of a part of the screen taken one after
// another through shared memory (XShm), and clicks sent as the pointer's own (XTest), so that a
// figure runs from the press to the moment the pixels are as they stay.
#include "wine_harness.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace bench {

// Microseconds of the clock Wine's performance counter also reads (CLOCK_MONOTONIC_RAW).
std::uint64_t NowUs();

struct Frame {
    std::uint64_t us; // when it was taken
    std::uint64_t hash;
};

class ScreenFrames {
  public:
    explicit ScreenFrames(const std::string& display);
    ~ScreenFrames();
    ScreenFrames(const ScreenFrames&) = delete;
    ScreenFrames& operator=(const ScreenFrames&) = delete;

    void MoveTo(int x, int y);
    // Presses and releases the left button where the pointer is; gives the time of the press.
    std::uint64_t Click();
    // Frames of the area until the time, as often as the server serves them.
    std::vector<Frame> Watch(const e2e::Rect& area, std::uint64_t untilUs);

  private:
    struct X;
    std::unique_ptr<X> x_;
};

// When the area became as it looks in the last frame and stayed so: the first frame of the
// unchanged stretch that ends the list; 0 for no frames.
std::uint64_t SettledAt(const std::vector<Frame>& frames);

} // namespace bench
