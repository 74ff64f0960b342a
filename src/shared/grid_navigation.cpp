#include "grid_navigation.h"

#include <algorithm>

#include "form_event.h"

std::optional<GridMove> GridMoveOfKey(int keyCode, int shift) {
    if (shift & kAltMask) {
        return std::nullopt;
    }
    const bool ctrl = (shift & kCtrlMask) != 0;
    switch (keyCode) {
    case keys::kLeft:
        return GridMove::Left;
    case keys::kRight:
        return GridMove::Right;
    case keys::kUp:
        return GridMove::Up;
    case keys::kDown:
        return GridMove::Down;
    case keys::kHome:
        return ctrl ? GridMove::First : GridMove::RowStart;
    case keys::kEnd:
        return ctrl ? GridMove::Last : GridMove::RowEnd;
    default:
        return std::nullopt;
    }
}

int MoveHighlight(int from, GridMove move, int count, int columns) {
    if (count <= 0) {
        return kNoHighlight;
    }
    if (columns <= 0) {
        columns = count; // one row
    }
    const int last = count - 1;
    if (from < 0 || from > last) {
        // Nothing highlighted yet: the arrows land on the first picture, the others go where
        // they would from there.
        switch (move) {
        case GridMove::RowEnd:
            return std::min(columns, count) - 1;
        case GridMove::Last:
            return last;
        default:
            return 0;
        }
    }
    const int rowStart = from - from % columns;
    switch (move) {
    case GridMove::Left:
        return from > 0 ? from - 1 : from;
    case GridMove::Right:
        return from < last ? from + 1 : from;
    case GridMove::Up:
        return from >= columns ? from - columns : from;
    case GridMove::Down:
        return from + columns <= last ? from + columns : from;
    case GridMove::RowStart:
        return rowStart;
    case GridMove::RowEnd:
        return std::min(rowStart + columns, count) - 1;
    case GridMove::First:
        return 0;
    case GridMove::Last:
        return last;
    }
    return from;
}
