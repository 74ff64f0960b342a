#pragma once
#include <optional>

// Moving the keyboard highlight over the palette's 8 x 8 grid of pictures.
enum class GridMove { Left, Right, Up, Down, RowStart, RowEnd, First, Last };

inline constexpr int kNoHighlight = -1;

// The move a key makes, if it is one of the grid's keys (key code and shift state as in a
// KeyDown event). Alt combinations belong to the system.
std::optional<GridMove> GridMoveOfKey(int keyCode, int shift);

// The picture the highlight goes to from `from` (kNoHighlight: none yet). Left and Right run
// on into the previous and next row; Up and Down stop at the first and last row. With no
// highlight, every move starts from the first picture of the first row.
int MoveHighlight(int from, GridMove move);
