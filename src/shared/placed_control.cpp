#include "placed_control.h"

bool PlacedControl::Windowless() const {
    return design.kind != ControlKind::TextBox && design.kind != ControlKind::CommandButton;
}

bool PlacedControl::Shown() const {
    return design.visible &&
           !(design.kind == ControlKind::Label && text.empty() && !design.backColor);
}

PixelRect PlacedControl::InForm() const {
    PixelRect r = placed;
    for (const PlacedControl* c = container; c; c = c->container) {
        r.Left += c->placed.Left;
        r.Right += c->placed.Left;
        r.Top += c->placed.Top;
        r.Bottom += c->placed.Top;
    }
    return r;
}

bool PlacedControl::Under(PixelPoint p) const {
    if (!Windowless() || !Shown()) {
        return false;
    }
    for (const PlacedControl* c = this; c; c = c->container) {
        if (!Contains(c->InForm(), p)) {
            return false;
        }
    }
    return true;
}

bool PlacedControl::Within(const PlacedControl& other) const {
    for (const PlacedControl* c = this; c; c = c->container) {
        if (c == &other) {
            return true;
        }
    }
    return false;
}

bool Contains(const PixelRect& r, PixelPoint p) {
    return p.x >= r.Left && p.x < r.Right && p.y >= r.Top && p.y < r.Bottom;
}
