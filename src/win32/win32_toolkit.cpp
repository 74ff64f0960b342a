#include "win32_toolkit.h"

#include "window_dpi.h"

#include <algorithm>

namespace {
// Local: one copy per logon session, so each user of the machine can run their own.
constexpr const char* kInstanceMutex = "Local\\FizzmoLite.Launcher";
constexpr const char* kAnotherStart = "FizzmoLite.AnotherStart";
constexpr int kPaletteCursor = 1;
} // namespace

Win32Toolkit::Win32Toolkit(HINSTANCE instance) : instance_(instance), pictures_(instance) {
    // The screen's dots per inch hold for the whole session; asking the display each time is
    // slow, and the forms ask for every size they convert. A monitor of another scale is each
    // form's own concern (FormDpi).
    {
        const WindowDc screen(nullptr);
        dpiX_ = std::max(screen ? GetDeviceCaps(screen.Get(), LOGPIXELSX) : 96, 1);
        dpiY_ = std::max(screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96, 1);
    }
    anotherStartMessage_ = RegisterWindowMessageA(kAnotherStart);
    paletteCursor_ = LoadCursorA(instance, MAKEINTRESOURCEA(kPaletteCursor));
    FormToolTip::RegisterWindowClass(instance);
    FormWindow::RegisterWindowClass(instance);
}

Win32Toolkit::~Win32Toolkit() {
    forms_.clear();
    destroyed_.clear();
}

bool Win32Toolkit::PrevInstance() {
    if (!instanceMutex_) {
        instanceMutex_.Reset(CreateMutexA(nullptr, FALSE, kInstanceMutex));
        prevInstance_ = instanceMutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
    }
    return prevInstance_;
}

void Win32Toolkit::WakePrevInstance() {
    // The running copy may then come to the front, which the system allows only when asked.
    AllowSetForegroundWindow(ASFW_ANY);
    PostMessageA(HWND_BROADCAST, anotherStartMessage_, 0, 0);
}

FormWindow* Win32Toolkit::Hosted(FormId form) {
    auto it = forms_.find(form);
    return it == forms_.end() ? nullptr : it->second.get();
}

FormControl* Win32Toolkit::Control(FormId form, int control, int index) {
    FormWindow* f = Hosted(form);
    return f ? f->Find(control, index) : nullptr;
}

bool Win32Toolkit::IsOwnWindow(HWND hwnd) const {
    DWORD process = 0;
    return hwnd && GetWindowThreadProcessId(hwnd, &process) && process == GetCurrentProcessId();
}

HCURSOR Win32Toolkit::Cursor(CursorKind kind) const {
    switch (kind) {
    case CursorKind::MoveArrows:
        return LoadCursor(nullptr, IDC_SIZEALL);
    case CursorKind::Palette:
        if (paletteCursor_) {
            return paletteCursor_;
        }
        break;
    case CursorKind::Default:
        break;
    }
    return LoadCursor(nullptr, IDC_ARROW);
}

void Win32Toolkit::Raise(FormId form, const FormEvent& event) {
    if (sink_ && !ended_) {
        sink_(form, event);
    }
}

void Win32Toolkit::CreateForm(const FormDesign& d) {
    auto form = std::make_unique<FormWindow>(*this, d);
    for (const TimerDesign& t : d.timers) {
        if (t.enabled) {
            SetTimer(form->Handle(), static_cast<UINT_PTR>(t.id), static_cast<UINT>(t.intervalMs),
                     nullptr);
        }
    }
    forms_[d.id] = std::move(form);
}

void Win32Toolkit::DestroyForm(FormId form) {
    auto it = forms_.find(form);
    if (it == forms_.end()) {
        return;
    }
    toShow_.erase(form);
    if (modal_ == form) {
        EndModal();
    }
    // The window goes from the screen now; its object once the running handler has returned.
    ShowWindow(it->second->Handle(), SW_HIDE);
    destroyed_.push_back(std::move(it->second));
    forms_.erase(it);
}

void Win32Toolkit::ShowForm(FormId id, FormId owner) {
    FormWindow* form = Hosted(id);
    if (!form) {
        return;
    }
    if (FormWindow* ownerForm = owner == id ? nullptr : Hosted(owner)) {
        SetWindowLongPtrA(form->Handle(), GWLP_HWNDPARENT,
                          reinterpret_cast<LONG_PTR>(ownerForm->Handle()));
    }
    toShow_.insert(id);
}

void Win32Toolkit::ShowPending() {
    const std::set<FormId> showing = std::move(toShow_);
    toShow_.clear();
    for (FormId id : showing) {
        if (FormWindow* form = Hosted(id)) {
            ShowWindow(form->Handle(), SW_SHOW);
            UpdateWindow(form->Handle()); // whole in its first frame
            SetForegroundWindow(form->Handle());
            SetActiveWindow(form->Handle());
            form->FocusFirstControl();
        }
    }
}

void Win32Toolkit::HideForm(FormId id) {
    toShow_.erase(id);
    if (modal_ == id) {
        EndModal();
    }
    if (FormWindow* form = Hosted(id)) {
        ShowWindow(form->Handle(), SW_HIDE);
    }
}

void Win32Toolkit::BringForward(FormId id) {
    if (FormWindow* form = Hosted(id)) {
        SetWindowPos(form->Handle(), HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        SetForegroundWindow(form->Handle());
    }
}

WindowState Win32Toolkit::FormWindowState(FormId id) {
    FormWindow* form = Hosted(id);
    if (!form) {
        return WindowState::Normal;
    }
    if (IsZoomed(form->Handle())) {
        return WindowState::Maximized;
    }
    return IsIconic(form->Handle()) ? WindowState::Minimized : WindowState::Normal;
}

PixelRect Win32Toolkit::FormRect(FormId id) {
    RECT r{};
    if (FormWindow* form = Hosted(id)) {
        GetWindowRect(form->Handle(), &r);
    }
    return PixelRect{r.left, r.top, r.right, r.bottom};
}

void Win32Toolkit::MoveForm(FormId id, const PixelRect& r) {
    FormWindow* form = Hosted(id);
    // Moving a window to where it stands costs a round trip to the window system for nothing.
    if (form && !(FormRect(id) == r)) {
        SetWindowPos(form->Handle(), nullptr, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

int Win32Toolkit::FormDpi(FormId id) {
    FormWindow* form = Hosted(id);
    return form ? WindowDpi(form->Handle(), dpiX_) : dpiX_;
}

void Win32Toolkit::RescaleForm(const FormDesign& d) {
    FormWindow* form = Hosted(d.id);
    if (!form) {
        return;
    }
    form->Rescale(d);
    for (const auto& c : form->Controls()) {
        if (c->pictureResource) {
            form->SetPicture(*c, c->pictureResource,
                             pictures_.Get(c->pictureResource, form->Dpi()));
        }
    }
}

void Win32Toolkit::EndProgram() {
    ended_ = true;
    toShow_.clear();
    // An open menu's loop would go on after the program had ended, holding it until the user
    // closed the menu; the system's other loops (message boxes, moves) end with the quit.
    EndMenu();
    // Freed once the handler that ended the program has returned.
    for (auto& [id, form] : forms_) {
        destroyed_.push_back(std::move(form));
    }
    forms_.clear();
    PostQuitMessage(0);
}

void Win32Toolkit::SetControlRect(FormId form, int control, int index, const PixelRect& r) {
    if (FormControl* c = Control(form, control, index)) {
        Hosted(form)->Place(*c, r);
    }
}

void Win32Toolkit::SetPicture(FormId form, int control, int index, int bitmapResource) {
    if (FormControl* c = Control(form, control, index)) {
        FormWindow* window = Hosted(form);
        window->SetPicture(*c, bitmapResource, pictures_.Get(bitmapResource, window->Dpi()));
    }
}

void Win32Toolkit::SetBorderStyle(FormId form, int control, int index, int style) {
    if (FormControl* c = Control(form, control, index)) {
        Hosted(form)->SetBorderStyle(*c, style);
    }
}

void Win32Toolkit::SetText(FormId form, int control, int index, const std::string& text) {
    if (FormControl* c = Control(form, control, index)) {
        Hosted(form)->SetText(*c, text);
    }
}

int Win32Toolkit::TextWidth(FormId form, int control, int index, const std::string& text) {
    FormControl* c = Control(form, control, index);
    return c ? Hosted(form)->TextWidth(*c, text) : 0;
}

void Win32Toolkit::SetToolTip(FormId form, int control, int index, const std::string& text) {
    if (FormControl* c = Control(form, control, index)) {
        Hosted(form)->SetToolTip(*c, text);
    }
}

void Win32Toolkit::SetTimerEnabled(FormId id, int timer, bool enabled) {
    FormWindow* form = Hosted(id);
    if (!form) {
        return;
    }
    for (const TimerDesign& t : form->Design().timers) {
        if (t.id != timer) {
            continue;
        }
        if (enabled) {
            SetTimer(form->Handle(), static_cast<UINT_PTR>(t.id), static_cast<UINT>(t.intervalMs),
                     nullptr);
        } else {
            KillTimer(form->Handle(), static_cast<UINT_PTR>(t.id));
        }
    }
}

void Win32Toolkit::SetHighlight(FormId form, int control, int index) {
    if (FormWindow* window = Hosted(form)) {
        window->SetHighlight(Control(form, control, index));
    }
}

void Win32Toolkit::Beep() {
    MessageBeep(MB_ICONWARNING);
}

void Win32Toolkit::DiscardMouseInput() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE) ||
           PeekMessageA(&msg, nullptr, WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK, PM_REMOVE)) {
    }
}
