#pragma once
// The portable core's roles, states and directions in Active Accessibility's numbers.
#include "shared/accessible_children.h"

#include <windows.h>

#include <oleacc.h>

#include <optional>

inline LONG RoleCode(AccessibleRole role) {
    switch (role) {
    case AccessibleRole::List:
        return ROLE_SYSTEM_LIST;
    case AccessibleRole::ListItem:
        return ROLE_SYSTEM_LISTITEM;
    case AccessibleRole::PushButton:
        return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::StaticText:
        return ROLE_SYSTEM_STATICTEXT;
    default:
        return ROLE_SYSTEM_CLIENT;
    }
}

inline LONG StateBits(const AccessibleState& s) {
    return (s.invisible ? STATE_SYSTEM_INVISIBLE : 0) |
           (s.unavailable ? STATE_SYSTEM_UNAVAILABLE : 0) |
           (s.focusable ? STATE_SYSTEM_FOCUSABLE : 0) |
           (s.selectable ? STATE_SYSTEM_SELECTABLE : 0) | (s.selected ? STATE_SYSTEM_SELECTED : 0) |
           (s.focused ? STATE_SYSTEM_FOCUSED : 0) | (s.readOnly ? STATE_SYSTEM_READONLY : 0);
}

// None for a NAVDIR_ the core has no direction for.
inline std::optional<AccessibleDirection> DirectionOf(long navDir) {
    using D = AccessibleDirection;
    // Numbered from NAVDIR_UP (1) to NAVDIR_LASTCHILD (8) in this order.
    static_assert(NAVDIR_UP == 1 && NAVDIR_NEXT == 5 && NAVDIR_LASTCHILD == 8);
    constexpr D kDirections[] = {D::Up,   D::Down,     D::Left,       D::Right,
                                 D::Next, D::Previous, D::FirstChild, D::LastChild};
    if (navDir < NAVDIR_UP || navDir > NAVDIR_LASTCHILD) {
        return std::nullopt;
    }
    return kDirections[navDir - NAVDIR_UP];
}
