#include "grid_navigation.h"

#include "palette/catalogue.h"
#include "shared/form_event.h"

namespace {
constexpr int kColumns = 8;
constexpr int kLast = kSmileyCount - 1;
} // namespace

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

int MoveHighlight(int from, GridMove move) {
    if (from < 0 || from > kLast) {
        // Nothing highlighted yet: the arrows land on the first picture, the others go where
        // they would from there.
        switch (move) {
        case GridMove::RowEnd:
            return kColumns - 1;
        case GridMove::Last:
            return kLast;
        default:
            return 0;
        }
    }
    const int rowStart = from - from % kColumns;
    switch (move) {
    case GridMove::Left:
        return from > 0 ? from - 1 : from;
    case GridMove::Right:
        return from < kLast ? from + 1 : from;
    case GridMove::Up:
        return from >= kColumns ? from - kColumns : from;
    case GridMove::Down:
        return from + kColumns <= kLast ? from + kColumns : from;
    case GridMove::RowStart:
        return rowStart;
    case GridMove::RowEnd:
        return rowStart + kColumns - 1;
    case GridMove::First:
        return 0;
    case GridMove::Last:
        return kLast;
    }
    return from;
}
