// The program's message loops: the main one and a modal form's, with the keys that act on a
// form rather than on its focused control.
#include "win32_toolkit.h"

#include "shared/form_keys.h"

#include <utility>

void Win32Toolkit::Run() {
    ShowPending();
    MSG msg;
    while (!ended_ && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        PumpOne(msg);
    }
    forms_.clear();
    destroyed_.clear();
}

void Win32Toolkit::ShowModal(FormId id, FormId owner) {
    if (!Hosted(id)) {
        return;
    }
    // Modal to the whole program: every other form stops taking input until it closes.
    EndModal();
    for (auto& [otherId, other] : forms_) {
        if (otherId != id && IsWindowEnabled(other->Handle())) {
            EnableWindow(other->Handle(), FALSE);
            disabledByModal_.push_back(other->Handle());
        }
    }
    modal_ = id;
    ShowForm(id, owner);
    ShowPending();
    MSG msg;
    while (!ended_ && Hosted(id) && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        PumpOne(msg);
    }
    EndModal();
    if (FormWindow* ownerForm = Hosted(owner)) {
        SetActiveWindow(ownerForm->Handle());
    }
}

void Win32Toolkit::EndModal() {
    for (HWND h : disabledByModal_) {
        if (IsWindow(h)) {
            EnableWindow(h, TRUE);
        }
    }
    disabledByModal_.clear();
    modal_.reset();
}

void Win32Toolkit::PumpOne(MSG& msg) {
    ++dispatching_;
    if (!PreTranslate(msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    --dispatching_;
    ShowPending();
    // A form unloaded inside a handler that a nested loop (a modal form) runs under is freed
    // only once that outer handler has returned too.
    if (dispatching_ == 0) {
        destroyed_.clear();
    }
}

// The keys that act on the form (Enter, Escape, a button's shortcut, Tab) do what RouteKey
// says; every other key press is reported to its form, which may keep it from the focused
// control, and every character typed into a text box is reported before the box sees it.
bool Win32Toolkit::PreTranslate(const MSG& msg) {
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        if (FormWindow* form = FormWindow::FromHandle(GetAncestor(msg.hwnd, GA_ROOT))) {
            form->DismissToolTip();
        }
    }
    if (msg.message != WM_KEYDOWN && msg.message != WM_CHAR) {
        return false;
    }
    FormWindow* form = FormWindow::FromHandle(GetAncestor(msg.hwnd, GA_ROOT));
    if (!form) {
        return false;
    }
    if (msg.message == WM_CHAR) {
        FormControl* box = form->FindWindowed(msg.hwnd);
        if (box && box->design.kind == ControlKind::TextBox) {
            FormEvent e{EventKind::KeyPress, box->design.id, box->design.index};
            e.keyAscii = static_cast<int>(msg.wParam & 0xFF);
            Raise(form->Id(), e);
        }
        return false;
    }
    const bool ctrl = GetKeyState(VK_CONTROL) & 0x8000;
    const bool shift = GetKeyState(VK_SHIFT) & 0x8000;
    FormControl* focused = form->FindWindowed(msg.hwnd);
    std::optional<ControlRef> focusedRef;
    if (focused) {
        focusedRef = ControlRef{focused->design.id, focused->design.index};
    }
    const int modifiers = (shift ? kShiftMask : 0) | (ctrl ? kCtrlMask : 0);
    const KeyRoute route =
        RouteKey(form->Design(), static_cast<int>(msg.wParam), modifiers, focusedRef);
    if (route.kind == KeyRoute::Kind::PressButton) {
        Raise(form->Id(), FormEvent{EventKind::Click, route.control.id, route.control.index});
        return true;
    }
    if (route.kind == KeyRoute::Kind::MoveFocus) {
        if (FormControl* next = form->Find(route.control.id, route.control.index);
            next && next->hwnd) {
            SetFocus(next->hwnd);
        }
        return true;
    }
    FormEvent e{EventKind::KeyDown, focused ? focused->design.id : kOnForm,
                focused ? focused->design.index : 0};
    e.keyCode = static_cast<int>(msg.wParam);
    e.shift = modifiers | ((GetKeyState(VK_MENU) & 0x8000) ? kAltMask : 0);
    keyConsumed_ = false;
    Raise(form->Id(), e);
    return std::exchange(keyConsumed_, false);
}
