#include "pointer_clicks.h"

namespace {
bool IsPicture(const PlacedControl* c) {
    return c && c->design.kind == ControlKind::Image;
}
} // namespace

FormEvent MouseEvent(EventKind kind, const PlacedControl* control, int button, PixelPoint p) {
    FormEvent e{kind, control ? control->design.id : kOnForm, control ? control->design.index : 0};
    e.button = button;
    const PixelRect r = control ? control->InForm() : PixelRect{};
    e.x = p.x - r.Left;
    e.y = p.y - r.Top;
    return e;
}

PointerClicks::Outcome PointerClicks::Press(const PlacedControl* under, int button, bool second,
                                            PixelPoint p) {
    Outcome out;
    const bool left = button == kLeftButton;
    if (second && left) {
        // The second press of a double-click raises DblClick, and its release no Click.
        if (IsPicture(under)) {
            pressed_ = under;
            pressClicks_ = false;
            out.capture = Capture::Take;
        }
        out.events.push_back(MouseEvent(EventKind::DblClick, under, button, p));
        return out;
    }
    if (under && under->design.kind == ControlKind::Label) {
        return out;
    }
    if (IsPicture(under) && left && !second) {
        pressed_ = under;
        pressClicks_ = true;
        out.capture = Capture::Take;
    }
    out.events.push_back(MouseEvent(EventKind::MouseDown, under, button, p));
    return out;
}

PointerClicks::Outcome PointerClicks::Release(const PlacedControl* under, int button,
                                              PixelPoint p) {
    Outcome out;
    const bool left = button == kLeftButton;
    const PlacedControl* c = pressed_ ? pressed_ : under;
    // A click is a press and release of the left button both over the picture.
    const bool click = pressed_ && pressClicks_ && left && under == pressed_;
    if (pressed_ && left) {
        pressed_ = nullptr;
        out.capture = Capture::Release;
    }
    if (!IsPicture(c)) {
        return out;
    }
    out.events.push_back(MouseEvent(EventKind::MouseUp, c, button, p));
    if (click) {
        out.events.push_back(FormEvent{EventKind::Click, c->design.id, c->design.index});
    }
    return out;
}

std::optional<FormEvent> PointerClicks::Move(const PlacedControl* under, PixelPoint p) const {
    const PlacedControl* c = pressed_ ? pressed_ : under;
    if (c && !IsPicture(c)) {
        return std::nullopt;
    }
    return MouseEvent(EventKind::MouseMove, c, 0, p);
}

CursorKind CursorOver(const FormDesign& form, const PlacedControl* under) {
    return IsPicture(under) ? under->design.cursor : form.cursor;
}
