#pragma once
// What the keys that act on a form rather than on its focused control mean: Enter, Escape, a
// button's Ctrl+Shift shortcut, and Tab moving the focus through the form's controls.
#include "form_design.h"

#include <optional>
#include <vector>

namespace keys {
inline constexpr int kTab = 0x09;
inline constexpr int kEscape = 0x1B;
} // namespace keys

// One control of a form: its design's id and index.
struct ControlRef {
    int id = 0;
    int index = 0;
    bool operator==(const ControlRef&) const = default;
};

// The controls that take the focus, in the order Tab goes through them: the shown text boxes and
// buttons, by tab index. One that lies wholly outside its form (the palette's close button,
// there for its Escape key alone) takes none.
std::vector<ControlRef> TabOrder(const FormDesign& design);

// What a key press in a form does before its focused control (if any) sees it.
struct KeyRoute {
    enum class Kind {
        ToControl,   // an ordinary key: the form hears of it, then the control gets it
        PressButton, // clicks `control`; the key goes no further
        MoveFocus,   // the focus goes to `control`; the key goes no further
    };
    Kind kind = Kind::ToControl;
    ControlRef control;
};

// shift: kShiftMask and kCtrlMask, as key events carry them.
KeyRoute RouteKey(const FormDesign& design, int keyCode, int shift,
                  std::optional<ControlRef> focused);
