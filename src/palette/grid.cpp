#include "grid.h"

#include "shared/rounding.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr float kGridLeft = 75;
constexpr float kGridTop = 175;
constexpr float kGridMargin = 75;
constexpr float kStripOverlap = 50;
constexpr float kWindowExtra = 250;
constexpr float kFrameLeft = 75;
} // namespace

GridLayout LayOutGrid(float cellWidth, float cellHeight) {
    GridLayout layout;
    std::int16_t x = 0;
    auto y = static_cast<std::int16_t>(kGridTop);
    for (int i = 0; i < kSmileyCount; ++i) {
        TwipRect& cell = layout.cells[static_cast<std::size_t>(i)];
        cell.Width = cellWidth;
        cell.Height = cellHeight;
        if (i % kGridColumns == 0) {
            x = static_cast<std::int16_t>(kGridLeft);
            if (i > kGridColumns - 1) {
                y = RoundHalfEvenToInt16(static_cast<double>(y) + cellHeight);
            }
        } else {
            const TwipRect& previous = layout.cells[static_cast<std::size_t>(i - 1)];
            x = RoundHalfEvenToInt16(static_cast<double>(previous.Left) + previous.Width);
        }
        cell.Left = x;
        cell.Top = y;
    }
    const float w = layout.cells[1].Width;
    const float h = layout.cells[1].Height;
    layout.frame1 = {kFrameLeft, 0, kGridColumns * w + kGridLeft + kGridMargin,
                     kGridColumns * h + kGridTop + kGridMargin};
    layout.frame2 = {kFrameLeft, layout.frame1.Top + layout.frame1.Height - kStripOverlap,
                     layout.frame1.Width, kFrame2Height};
    layout.windowWidth = layout.frame1.Width + kWindowExtra;
    layout.windowHeight = layout.frame1.Height + layout.frame2.Height + kWindowExtra;
    return layout;
}

PixelRect FitTextBox(const PixelRect& designed, int labelEnd, int widestText, int stripWidth) {
    PixelRect box = designed;
    box.Left = std::max(designed.Left, labelEnd);
    box.Right = std::max(designed.Right, std::min(box.Left + widestText, stripWidth));
    return box;
}
