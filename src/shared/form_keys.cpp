#include "form_keys.h"

#include "form_event.h"

#include <algorithm>

namespace {

bool TakesFocus(const FormDesign& form, const ControlDesign& c) {
    if (!c.visible || (c.kind != ControlKind::TextBox && c.kind != ControlKind::CommandButton)) {
        return false;
    }
    if (c.container != 0) {
        return true; // its container keeps it within the form
    }
    const float width = form.rect.width;
    const float height = form.rect.height;
    return c.rect.left < width && c.rect.top < height && c.rect.left + c.rect.width > 0 &&
           c.rect.top + c.rect.height > 0;
}

const ControlDesign* Find(const FormDesign& form, ControlRef ref) {
    for (const ControlDesign& c : form.controls) {
        if (c.id == ref.id && c.index == ref.index) {
            return &c;
        }
    }
    return nullptr;
}

} // namespace

std::vector<ControlRef> TabOrder(const FormDesign& design) {
    std::vector<const ControlDesign*> focusable;
    for (const ControlDesign& c : design.controls) {
        if (TakesFocus(design, c)) {
            focusable.push_back(&c);
        }
    }
    std::stable_sort(
        focusable.begin(), focusable.end(),
        [](const ControlDesign* a, const ControlDesign* b) { return a->tabIndex < b->tabIndex; });
    std::vector<ControlRef> order;
    for (const ControlDesign* c : focusable) {
        order.push_back(ControlRef{c->id, c->index});
    }
    return order;
}

KeyRoute RouteKey(const FormDesign& design, int keyCode, int shift,
                  std::optional<ControlRef> focused) {
    const bool ctrl = (shift & kCtrlMask) != 0;
    const bool shiftDown = (shift & kShiftMask) != 0;
    if (keyCode == keys::kTab && !ctrl) {
        const std::vector<ControlRef> order = TabOrder(design);
        if (order.empty()) {
            return KeyRoute{KeyRoute::Kind::ToControl, {}};
        }
        const auto at = focused ? std::find(order.begin(), order.end(), *focused) : order.end();
        const auto count = static_cast<std::ptrdiff_t>(order.size());
        std::ptrdiff_t next = 0;
        if (at == order.end()) {
            next = shiftDown ? count - 1 : 0; // from the form itself: the first or the last
        } else {
            next = ((at - order.begin()) + (shiftDown ? count - 1 : 1)) % count;
        }
        return KeyRoute{KeyRoute::Kind::MoveFocus, order[static_cast<std::size_t>(next)]};
    }
    // A button that has the focus is the one Enter presses, as the default is otherwise.
    if (keyCode == keys::kReturn && !ctrl && focused) {
        const ControlDesign* c = Find(design, *focused);
        if (c && c->kind == ControlKind::CommandButton) {
            return KeyRoute{KeyRoute::Kind::PressButton, *focused};
        }
    }
    for (const ControlDesign& c : design.controls) {
        const bool hit = (keyCode == keys::kEscape && c.isCancel) ||
                         (keyCode == keys::kReturn && c.isDefault) ||
                         (ctrl && shiftDown && c.shortcut && keyCode == c.shortcut);
        if (hit) {
            return KeyRoute{KeyRoute::Kind::PressButton, ControlRef{c.id, c.index}};
        }
    }
    return KeyRoute{KeyRoute::Kind::ToControl, {}};
}
