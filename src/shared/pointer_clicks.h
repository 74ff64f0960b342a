#pragma once
// What a form's mouse buttons mean over its windowless controls. Pictures take presses, clicks
// and double-clicks; frames and the form take presses (for dragging); labels take presses and do
// nothing with them.
#include "form_event.h"
#include "placed_control.h"

#include <optional>
#include <vector>

// The event of a mouse action on a control (none: the form's surface), its position within the
// control as the control's own window would have it.
FormEvent MouseEvent(EventKind kind, const PlacedControl* control, int button, PixelPoint p);

class PointerClicks {
  public:
    enum class Capture { Keep, Take, Release };
    struct Outcome {
        Capture capture = Capture::Keep; // what to do with the mouse capture, before the events
        std::vector<FormEvent> events;
    };

    // A button pressed at p over `under`; second: the second press of a double-click.
    Outcome Press(const PlacedControl* under, int button, bool second, PixelPoint p);
    Outcome Release(const PlacedControl* under, int button, PixelPoint p);
    // The move as the pressed picture, or else the control under the pointer, hears of it; none
    // for a control that takes no moves.
    std::optional<FormEvent> Move(const PlacedControl* under, PixelPoint p) const;
    // The capture went elsewhere (another window took it): no release will come.
    void CaptureLost() { pressed_ = nullptr; }

  private:
    const PlacedControl* pressed_ = nullptr; // took a left press and has the mouse captured
    bool pressClicks_ = false;               // its release is a click (not after a double-click)
};

// The pointer a form shows over a point of its own surface: a picture's own; elsewhere the
// form's.
CursorKind CursorOver(const FormDesign& form, const PlacedControl* under);
