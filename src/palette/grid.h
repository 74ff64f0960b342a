#pragma once
#include <array>

#include "palette/catalogue.h"
#include "shared/window_system.h"

struct TwipRect {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    bool operator==(const TwipRect&) const = default;
};

struct GridLayout {
    std::array<TwipRect, kSmileyCount> cells; // inside Frame1
    TwipRect frame1;
    TwipRect frame2;
    float windowWidth = 0;  // outer, border and caption included
    float windowHeight = 0; // outer
};

inline constexpr int kGridCellPixels = 22; // at 96 dots per inch
inline constexpr int kGridColumns = 8;
inline constexpr float kFrame2Height = 540;

// The 8 x 8 grid of pictures and the sizes that follow from it, for a cell of
// cellWidth x cellHeight twips.
GridLayout LayOutGrid(float cellWidth, float cellHeight);

// The strip's text box at a resolution whose fonts, made for it, take more room than the
// design's twips give them: it starts where the label's text ends and reaches as far as its
// widest text needs, within the strip, but never starts left of nor ends short of where it was
// designed. Pixels within the strip.
PixelRect FitTextBox(const PixelRect& designed, int labelEnd, int widestText, int stripWidth);
