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

AccessibleState StateOf(const ControlDesign& control, const AccessibleFacts& facts) {
    AccessibleState state;
    state.invisible = !facts.formVisible || !facts.controlVisible;
    state.unavailable = !facts.formEnabled;
    switch (RoleOf(control)) {
    case AccessibleRole::ListItem:
        state.focusable = state.selectable = true;
        state.selected = facts.highlighted;
        state.focused = facts.highlighted && facts.formForeground;
        break;
    case AccessibleRole::StaticText:
        state.readOnly = true;
        break;
    case AccessibleRole::PushButton:
        state.focusable = true;
        state.focused = facts.hasFocus;
        break;
    default:
        break;
    }
    return state;
}

std::string NameOf(const ControlDesign& control, const std::string& shownText,
                   const std::string& toolTip) {
    if (!control.accessibleName.empty()) {
        return control.accessibleName;
    }
    const bool showsText =
        control.kind == ControlKind::CommandButton || control.kind == ControlKind::Label;
    return showsText ? shownText : toolTip;
}

std::string DefaultActionOf(const ControlDesign& control) {
    if (control.defaultAction.empty() && control.kind == ControlKind::CommandButton) {
        return "Press";
    }
    return control.defaultAction;
}

std::optional<ControlRef> DefaultActionClick(const ControlDesign& control) {
    if (DefaultActionOf(control).empty()) {
        return std::nullopt;
    }
    return ControlRef{control.id, control.index};
}

std::optional<ControlRef> DefaultActionClick(const FormDesign& form) {
    if (form.defaultActionControl == 0 || form.defaultAction.empty()) {
        return std::nullopt;
    }
    return ControlRef{form.defaultActionControl, 0};
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
