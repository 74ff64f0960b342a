#pragma once
// Where a form's controls are, and which of them the pointer is over: pictures, labels and frames
// are windowless, so their form hit-tests them itself.
#include "form_design.h"
#include "window_system.h"

#include <string>

// A control as its form has placed it.
struct PlacedControl {
    ControlDesign design;
    const PlacedControl* container = nullptr; // the frame it lies in; none for the form itself
    PixelRect placed;                         // within its container, in pixels
    std::string text;                         // a label's caption

    // Text boxes and buttons take the focus, so they are windows of their own; the rest are not.
    bool Windowless() const;
    // A label with no text and no background of its own shows nothing and takes no clicks.
    bool Shown() const;
    // Its rectangle in its form's client area.
    PixelRect InForm() const;
    // Whether a point of the client area is on it: a shown windowless control, the point inside
    // it and inside every frame around it (a frame clips what it holds).
    bool Under(PixelPoint p) const;
    // Whether it is the control or lies, at any depth, within it.
    bool Within(const PlacedControl& other) const;
};

// The windowless control on top at the point: the last one in design order that shows there;
// nullptr when none does. Controls: a sequence of pointers to PlacedControl or a type made from
// it, as a form keeps them.
template <typename Controls> auto TopmostAt(const Controls& controls, PixelPoint p) {
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        if ((*it)->Under(p)) {
            return &**it;
        }
    }
    return decltype(&**controls.rbegin()){nullptr};
}

// Whether a point lies in a rectangle: its left and top edges in, its right and bottom out.
bool Contains(const PixelRect& r, PixelPoint p);
