// A form's window: its class and procedure, its creation from the design, and the changes the
// toolkit makes to its controls.
#include "form_window.h"

#include "shared/form_keys.h"
#include "wide_text.h"
#include "window_dpi.h"
#include "windowed_controls.h"

namespace {

constexpr const char* kFormClass = "FizzmoForm";

DWORD FormStyle(const FormDesign& d) {
    return d.border == FormBorder::ToolWindow ? WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN
                                              : WS_POPUP | WS_CLIPCHILDREN;
}

DWORD FormExStyle(const FormDesign& d) {
    return d.border == FormBorder::ToolWindow || !d.taskbarButton ? WS_EX_TOOLWINDOW : 0;
}

COLORREF ToColorRef(const Color& c) {
    return RGB(c.r, c.g, c.b);
}

// The window's size: the design's, or around the design's client area, at its resolution.
SIZE OuterSize(const FormDesign& d) {
    RECT outer{0, 0, d.pixels.Right - d.pixels.Left, d.pixels.Bottom - d.pixels.Top};
    if (d.clientSize) {
        outer = OuterForClient(outer, FormStyle(d), FormExStyle(d), d.dpi);
    }
    return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

} // namespace

FormWindow::MenuHandle::~MenuHandle() {
    if (handle) {
        DestroyMenu(handle);
    }
}

void FormWindow::RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS; // the second press of a double-click is told apart
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.lpszClassName = kFormClass;
    RegisterClassA(&wc);
}

FormWindow* FormWindow::FromHandle(HWND hwnd) {
    char name[32] = {};
    if (!hwnd || !GetClassNameA(hwnd, name, sizeof name) || lstrcmpA(name, kFormClass) != 0) {
        return nullptr;
    }
    return reinterpret_cast<FormWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK FormWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        ScaleNonClientArea(hwnd);
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    return self ? self->HandleMessage(message, wParam, lParam)
                : DefWindowProcA(hwnd, message, wParam, lParam);
}

FormWindow::FormWindow(FormHost& host, const FormDesign& d)
    : host_(host), design_(d), accessibleChildren_(AccessibleChildrenOf(d)) {
    background_.Reset(CreateSolidBrush(ToColorRef(d.backColor)));
    const SIZE outer = OuterSize(d);
    CreateWindowExA(FormExStyle(d), kFormClass, d.caption.c_str(), FormStyle(d), d.pixels.Left,
                    d.pixels.Top, outer.cx, outer.cy, nullptr, nullptr, host.Instance(), this);
    icons_.Apply(hwnd_, host.Instance(), d.iconResource, d.dpi);
    toolTip_.Create(host.Instance(), hwnd_);
    for (const ControlDesign& c : d.controls) {
        CreateControl(c);
    }
    if (!d.menuItems.empty()) {
        menu_.handle = CreatePopupMenu();
        for (const MenuItemDesign& item : d.menuItems) {
            if (item.caption == "-") {
                AppendMenuA(menu_.handle, MF_SEPARATOR, 0, nullptr);
            } else {
                AppendMenuA(menu_.handle, MF_STRING, static_cast<UINT_PTR>(item.id),
                            item.caption.c_str());
            }
        }
    }
}

FormWindow::~FormWindow() {
    if (hwnd_) {
        // Nothing may reach this object from the window's last messages.
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void FormWindow::CreateControl(const ControlDesign& d) {
    auto owned = std::make_unique<FormControl>();
    FormControl& c = *owned;
    c.design = d;
    c.container = d.container ? Find(d.container, 0) : nullptr;
    c.borderStyle = d.borderStyle;
    c.text = d.caption;
    c.placed = d.pixels;
    if (d.backColor) {
        c.background.Reset(CreateSolidBrush(ToColorRef(*d.backColor)));
    }
    MakeFont(c);
    controls_.push_back(std::move(owned));
    if (!c.Windowless()) {
        CreateWindowedControl(c, hwnd_, static_cast<int>(controls_.size()), host_.Instance());
    }
    if (!d.toolTip.empty()) {
        SetToolTip(c, d.toolTip);
    }
    FitLabel(c);
}

// Made for the form's resolution, never stretched. Only what shows text has a font: the
// palette's 64 pictures need none.
void FormWindow::MakeFont(FormControl& c) {
    const ControlDesign& d = c.design;
    if (d.kind != ControlKind::Label && c.Windowless()) {
        return;
    }
    const int height = -MulDiv(static_cast<int>(d.font.points * 100), design_.dpi, 7200);
    Font font(CreateFontA(height, 0, 0, 0, d.font.bold ? FW_BOLD : FW_NORMAL, d.font.italic, FALSE,
                          FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, DEFAULT_PITCH, d.font.face.c_str()));
    // A control keeps drawing with the old font until it has the new one.
    if (c.hwnd) {
        SendMessageA(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
    }
    c.font = std::move(font);
}

void FormWindow::Rescale(const FormDesign& d) {
    // Only the resolution and the pixels change; the rest of the design stays what it was.
    design_.dpi = d.dpi;
    design_.pixels = d.pixels;
    icons_.Apply(hwnd_, host_.Instance(), design_.iconResource, d.dpi);
    // The controls were made from the design's controls, one each, in its order.
    for (std::size_t i = 0; i < controls_.size() && i < d.controls.size(); ++i) {
        FormControl& c = *controls_[i];
        c.design.pixels = d.controls[i].pixels;
        MakeFont(c);
        c.placed = c.design.pixels;
        FitLabel(c);
    }
    for (auto& c : controls_) {
        Reposition(*c);
    }
    const SIZE outer = OuterSize(d);
    SetWindowPos(hwnd_, nullptr, d.pixels.Left, d.pixels.Top, outer.cx, outer.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

FormControl* FormWindow::Find(int id, int index) {
    for (auto& c : controls_) {
        if (c->design.id == id && c->design.index == index) {
            return c.get();
        }
    }
    return nullptr;
}

// A windowed control's child id is its place among the form's controls, counted from 1.
FormControl* FormWindow::FindWindowed(HWND child) {
    if (!child || GetParent(child) != hwnd_) {
        return nullptr;
    }
    const int id = GetDlgCtrlID(child);
    return id >= 1 && id <= static_cast<int>(controls_.size())
               ? controls_[static_cast<std::size_t>(id - 1)].get()
               : nullptr;
}

void FormWindow::Invalidate(const FormControl& c) {
    if (IsWindowVisible(hwnd_)) { // a hidden form is drawn whole when it shows
        const RECT r = ToRect(c.InForm());
        InvalidateRect(hwnd_, &r, FALSE);
    }
}

void FormWindow::Place(FormControl& c, const PixelRect& rect) {
    if (c.placed == rect) {
        return;
    }
    Invalidate(c);
    c.placed = rect;
    FitLabel(c);
    Invalidate(c);
    // What lies inside it moves with it.
    for (auto& other : controls_) {
        if (other->Within(c)) {
            Reposition(*other);
        }
    }
}

// A control's window and tooltip go where its rectangle now puts them in the form.
void FormWindow::Reposition(FormControl& c) {
    const PixelRect r = c.InForm();
    if (c.hwnd) {
        SetWindowPos(c.hwnd, nullptr, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (c.toolId) {
        toolTip_.MoveTool(c.toolId, ToRect(r));
    }
}

void FormWindow::SetPicture(FormControl& c, int resource, const Picture& picture) {
    c.pictureResource = resource;
    c.picture = picture;
    Invalidate(c);
}

void FormWindow::SetBorderStyle(FormControl& c, int style) {
    c.borderStyle = style;
    Invalidate(c);
}

void FormWindow::SetText(FormControl& c, const std::string& text) {
    if (c.hwnd) {
        SetWindowTextW(c.hwnd, Wide(text).c_str());
        return;
    }
    Invalidate(c);
    c.text = text;
    FitLabel(c);
    Invalidate(c);
}

void FormWindow::SetToolTip(FormControl& c, const std::string& text) {
    if (!c.toolId) { // its place among the form's controls, counted from 1
        for (std::size_t i = 0; i < controls_.size(); ++i) {
            if (controls_[i].get() == &c) {
                c.toolId = static_cast<int>(i) + 1;
            }
        }
    }
    c.toolTipText = text;
    toolTip_.SetTool(c.toolId, ToRect(c.InForm()), text);
}

void FormWindow::SetHighlight(FormControl* c) {
    highlighted_ = c;
    // A hidden form's highlight is told once the form is shown and active (kAnnounceHighlight).
    if (!IsWindowVisible(hwnd_)) {
        return;
    }
    if (const int id = c ? ChildIdOf(accessibleChildren_, c->design.id, c->design.index) : 0) {
        NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd_, OBJID_CLIENT, id);
        NotifyWinEvent(EVENT_OBJECT_SELECTION, hwnd_, OBJID_CLIENT, id);
    }
}

void FormWindow::FocusFirstControl() {
    if (focused_) {
        return;
    }
    focused_ = true;
    const std::vector<ControlRef> order = TabOrder(design_);
    FormControl* first = order.empty() ? nullptr : Find(order.front().id, order.front().index);
    SetFocus(first && first->hwnd ? first->hwnd : hwnd_);
}

void FormWindow::Raise(const FormEvent& event) {
    host_.Raise(design_.id, event);
}
