#pragma once
// The 64 emoticon pictures, in the order of resources/codes.dll (picture i = resource 101 + i).
#include "canvas.h"

inline constexpr int kSmileyCount = 64;
inline constexpr int kFirstSmileyResource = 101;

// Picture `index` (0-63), 18 x 18 on the background colour BG.
Canvas DrawSmiley(int index);

// The code and label the picture stands for (for the contact sheet and checks).
const char* SmileyCode(int index);
const char* SmileyLabel(int index);

// The drawing functions, grouped by file: faces_a.cpp (0-23), faces_b.cpp (24-47),
// figures.cpp (48-63). Each draws on a fresh canvas filled with BG.
using SmileyFn = void (*)(Canvas&);
extern const SmileyFn kFacesA[24];
extern const SmileyFn kFacesB[24];
extern const SmileyFn kFigures[16];
