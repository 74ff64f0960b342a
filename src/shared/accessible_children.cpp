#include "accessible_children.h"

#include "grid_navigation.h"

#include <map>
#include <optional>

AccessibleRole RoleOf(const ControlDesign& control) {
    if (control.accessibleRole != AccessibleRole::Automatic) {
        return control.accessibleRole;
    }
    switch (control.kind) {
    case ControlKind::Label:
        return AccessibleRole::StaticText;
    case ControlKind::CommandButton:
        return AccessibleRole::PushButton;
    default:
        return AccessibleRole::None;
    }
}

std::vector<AccessibleChild> AccessibleChildrenOf(const FormDesign& design) {
    std::map<int, int> arraySizes;
    for (const ControlDesign& c : design.controls) {
        ++arraySizes[c.id];
    }
    std::vector<AccessibleChild> children;
    for (const ControlDesign& c : design.controls) {
        const bool windowed =
            c.kind == ControlKind::TextBox || c.kind == ControlKind::CommandButton;
        const bool ownObject = c.kind == ControlKind::TextBox;
        const AccessibleRole role = ownObject ? AccessibleRole::Automatic : RoleOf(c);
        const bool shown = (!windowed || c.visible) && c.accessibleRole != AccessibleRole::None &&
                           (ownObject || role != AccessibleRole::None);
        if (shown) {
            children.push_back({c.id, c.index, role, ownObject, c.columns, arraySizes[c.id]});
        }
    }
    return children;
}

int ChildIdOf(const std::vector<AccessibleChild>& children, int control, int index) {
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (children[i].control == control && children[i].index == index) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

namespace {

std::optional<GridMove> GridMoveOf(AccessibleDirection direction) {
    switch (direction) {
    case AccessibleDirection::Up:
        return GridMove::Up;
    case AccessibleDirection::Down:
        return GridMove::Down;
    case AccessibleDirection::Left:
    case AccessibleDirection::Previous:
        return GridMove::Left;
    case AccessibleDirection::Right:
    case AccessibleDirection::Next:
        return GridMove::Right;
    default:
        return std::nullopt;
    }
}

} // namespace

int NavigateChildren(const std::vector<AccessibleChild>& children, int fromChildId,
                     AccessibleDirection direction) {
    const int total = static_cast<int>(children.size());
    if (fromChildId == kChildSelf) {
        if (total == 0) {
            return 0;
        }
        return direction == AccessibleDirection::FirstChild  ? 1
               : direction == AccessibleDirection::LastChild ? total
                                                             : 0;
    }
    if (fromChildId < 1 || fromChildId > total) {
        return 0;
    }
    const AccessibleChild& from = children[static_cast<std::size_t>(fromChildId - 1)];
    if (from.columns > 0) {
        const std::optional<GridMove> move = GridMoveOf(direction);
        if (!move) {
            return 0;
        }
        const int to = MoveHighlight(from.index, *move, from.count, from.columns);
        return to == from.index ? 0 : ChildIdOf(children, from.control, to);
    }
    if (direction == AccessibleDirection::Next) {
        return fromChildId < total ? fromChildId + 1 : 0;
    }
    if (direction == AccessibleDirection::Previous) {
        return fromChildId > 1 ? fromChildId - 1 : 0;
    }
    return 0;
}
