#pragma once
#include <optional>

// Moving a highlight over a grid of pictures, `count` of them in rows of `columns`.
enum class GridMove { Left, Right, Up, Down, RowStart, RowEnd, First, Last };

inline constexpr int kNoHighlight = -1;

// The move a key makes, if it is one of the grid's keys (key code and shift state as in a
// KeyDown event). Alt combinations belong to the system.
std::optional<GridMove> GridMoveOfKey(int keyCode, int shift);

// The picture the highlight goes to from `from` (kNoHighlight: none yet). Left and Right run
// on into the previous and next row; Up and Down stop at the first and last row, and a move
// that cannot be made leaves the highlight where it is. With no highlight, every move starts
// from the first picture.
int MoveHighlight(int from, GridMove move, int count, int columns);
