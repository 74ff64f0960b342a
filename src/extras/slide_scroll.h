#pragma once

// The slide show's picture position: 30 twips left per tick, back to 0 once the picture's
// right edge reaches the viewport's left edge.
class SlideScroll {
  public:
    static constexpr float kStep = 30;

    float Left() const { return left_; }
    void Reset() { left_ = 0; }
    // One tick for a picture of the given width; returns the new left.
    float Tick(float pictureWidth);

  private:
    float left_ = 0;
};
