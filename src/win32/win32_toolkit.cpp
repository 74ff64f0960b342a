#include "win32_toolkit.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr UINT kPrepareDelayMs = 100;
// Local: one copy per logon session, so each user of the machine can run their own.
constexpr const char* kInstanceMutex = "Local\\FizzmoLite.Launcher";
constexpr const char* kAnotherStart = "FizzmoLite.AnotherStart";

BOOL CALLBACK CollectResourceNumber(HMODULE, LPCSTR, LPSTR name, LONG_PTR numbers) {
    if (IS_INTRESOURCE(name)) {
        reinterpret_cast<std::vector<int>*>(numbers)->push_back(
            static_cast<int>(reinterpret_cast<ULONG_PTR>(name)));
    }
    return TRUE;
}

// A hidden form is drawn whole when it shows; only a shown one needs telling what changed.
void RedrawIfShown(const HostedForm& form, HWND hwnd) {
    if (IsWindowVisible(form.hwnd)) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

DWORD FormStyle(const FormDesign& d) {
    return d.border == FormBorder::ToolWindow ? WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN
                                              : WS_POPUP | WS_CLIPCHILDREN;
}

DWORD FormExStyle(const FormDesign& d) {
    DWORD ex = 0;
    if (d.border == FormBorder::ToolWindow || !d.taskbarButton) {
        ex |= WS_EX_TOOLWINDOW;
    }
    return ex;
}

} // namespace

HostedForm::~HostedForm() {
    if (menu) {
        DestroyMenu(menu);
    }
    if (toolTip) {
        DestroyWindow(toolTip);
    }
    if (hwnd) {
        // Nothing may reach this object from the window's last messages.
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        for (auto& c : controls) {
            SetWindowLongPtrA(c->hwnd, GWLP_USERDATA, 0);
            RemovePropA(c->hwnd, "FizzmoControl");
        }
        DestroyWindow(hwnd);
    }
}

HostedControl* HostedForm::Find(int id, int index) {
    for (auto& c : controls) {
        if (c->design.id == id && c->design.index == index) {
            return c.get();
        }
    }
    return nullptr;
}

Win32Toolkit::Win32Toolkit(HINSTANCE instance) : instance_(instance) {
    // The screen's dots per inch hold for the whole session; asking the display each time is
    // slow, and the forms ask for every size they convert.
    HDC screen = GetDC(nullptr);
    dpiX_ = std::max(GetDeviceCaps(screen, LOGPIXELSX), 1);
    dpiY_ = std::max(GetDeviceCaps(screen, LOGPIXELSY), 1);
    ReleaseDC(nullptr, screen);
    anotherStartMessage_ = RegisterWindowMessageA(kAnotherStart);
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    RegisterWindowClasses(instance, this);
}

Win32Toolkit::~Win32Toolkit() {
    if (instanceMutex_) {
        CloseHandle(instanceMutex_);
    }
}

bool Win32Toolkit::PrevInstance() {
    if (!instanceMutex_) {
        instanceMutex_ = CreateMutexA(nullptr, FALSE, kInstanceMutex);
        prevInstance_ = instanceMutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
    }
    return prevInstance_;
}

void Win32Toolkit::WakePrevInstance() {
    // The running copy may then come to the front, which the system allows only when asked.
    AllowSetForegroundWindow(ASFW_ANY);
    PostMessageA(HWND_BROADCAST, anotherStartMessage_, 0, 0);
}

HostedForm* Win32Toolkit::Hosted(FormId form) {
    auto it = forms_.find(form);
    return it == forms_.end() ? nullptr : it->second.get();
}

HostedForm* Win32Toolkit::HostedByWindow(HWND hwnd) {
    for (auto& [id, form] : forms_) {
        if (form->hwnd == hwnd) {
            return form.get();
        }
    }
    return nullptr;
}

bool Win32Toolkit::IsOwnWindow(HWND hwnd) const {
    DWORD process = 0;
    return hwnd && GetWindowThreadProcessId(hwnd, &process) && process == GetCurrentProcessId();
}

void Win32Toolkit::Raise(FormId form, const FormEvent& event) {
    if (sink_ && !ended_) {
        sink_(form, event);
    }
}

void Win32Toolkit::CreateForm(const FormDesign& d) {
    if (auto ready = prepared_.find(d.id); ready != prepared_.end()) {
        forms_[d.id] = std::move(ready->second);
        prepared_.erase(ready);
    } else {
        forms_[d.id] = std::make_unique<HostedForm>();
        forms_[d.id]->design = d;
        BuildForm(*forms_[d.id]);
    }
    HostedForm& form = *forms_[d.id];
    for (const TimerDesign& t : d.timers) {
        if (t.enabled) {
            SetTimer(form.hwnd, static_cast<UINT_PTR>(t.id), static_cast<UINT>(t.intervalMs),
                     nullptr);
        }
    }
}

void Win32Toolkit::PrepareForm(const FormDesign& d) {
    auto pending = std::make_unique<HostedForm>();
    pending->design = d;
    toPrepare_[d.id] = std::move(pending);
    // A timer's turn comes only when no input or painting is waiting: the program is idle.
    SetTimer(nullptr, 0, kPrepareDelayMs, PrepareFormsWhenIdle);
}

// Pictures up to this size in the resources are kept once loaded.
constexpr DWORD kSmallPictureBytes = 16 * 1024;

HBITMAP Win32Toolkit::SmallPicture(int bitmapResource) {
    if (auto it = smallPictures_.find(bitmapResource); it != smallPictures_.end()) {
        return it->second.Get();
    }
    HRSRC found = FindResourceA(instance_, MAKEINTRESOURCEA(bitmapResource), RT_BITMAP);
    if (!found || SizeofResource(instance_, found) > kSmallPictureBytes) {
        return nullptr;
    }
    HBITMAP loaded = LoadBitmapA(instance_, MAKEINTRESOURCEA(bitmapResource));
    if (!loaded) {
        return nullptr;
    }
    return smallPictures_.emplace(bitmapResource, Bitmap(loaded)).first->second.Get();
}

void Win32Toolkit::LoadSmallPictures() {
    std::vector<int> numbers;
    EnumResourceNamesA(instance_, RT_BITMAP, CollectResourceNumber,
                       reinterpret_cast<LONG_PTR>(&numbers));
    for (int number : numbers) {
        SmallPicture(number);
    }
}

void Win32Toolkit::BuildPrepared() {
    auto pending = std::move(toPrepare_);
    toPrepare_.clear();
    for (auto& [id, form] : pending) {
        if (ended_ || forms_.count(id) != 0 || prepared_.count(id) != 0) {
            continue; // loaded meanwhile: nothing to prepare
        }
        BuildForm(*form);
        prepared_[id] = std::move(form);
    }
    if (!ended_) {
        LoadSmallPictures(); // the prepared form's load will want them
    }
}

void Win32Toolkit::BuildForm(HostedForm& form) {
    const FormDesign& d = form.design;
    form.background.Reset(CreateSolidBrush(RGB(d.backColor.r, d.backColor.g, d.backColor.b)));
    RECT outer{0, 0, static_cast<LONG>(d.rect.width), static_cast<LONG>(d.rect.height)};
    if (d.clientSize) {
        AdjustWindowRectEx(&outer, FormStyle(d), FALSE, FormExStyle(d));
    }
    form.hwnd = CreateWindowExA(FormExStyle(d), kFormClass, d.caption.c_str(), FormStyle(d),
                                static_cast<int>(d.rect.left), static_cast<int>(d.rect.top),
                                outer.right - outer.left, outer.bottom - outer.top, nullptr,
                                nullptr, instance_, &form);
    if (d.iconResource) {
        HICON icon = LoadIconA(instance_, MAKEINTRESOURCEA(d.iconResource));
        SendMessageA(form.hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageA(form.hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    // Unowned: Wine links a window put into the topmost band below its owned popups and then
    // drops it out of the band, so an owned tooltip would cost the form its Stay On Top.
    // The tooltip is topmost by itself and is destroyed with the form.
    form.toolTip =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0,
                        0, nullptr, nullptr, instance_, nullptr);
    for (const ControlDesign& c : d.controls) {
        CreateControl(form, c);
    }
    if (!d.menuItems.empty()) {
        form.menu = CreatePopupMenu();
        for (const MenuItemDesign& item : d.menuItems) {
            if (item.caption == "-") {
                AppendMenuA(form.menu, MF_SEPARATOR, 0, nullptr);
            } else {
                AppendMenuA(form.menu, MF_STRING, static_cast<UINT_PTR>(item.id),
                            item.caption.c_str());
            }
        }
    }
}

void Win32Toolkit::CreateControl(HostedForm& form, const ControlDesign& c) {
    auto hosted = std::make_unique<HostedControl>();
    HostedControl& control = *hosted;
    control.form = form.design.id;
    control.design = c;
    control.borderStyle = c.borderStyle;
    if (c.backColor) {
        control.background.Reset(
            CreateSolidBrush(RGB(c.backColor->r, c.backColor->g, c.backColor->b)));
    }
    // Only what shows text has a font: the palette's 64 pictures need none.
    const bool hasText = c.kind == ControlKind::Label || c.kind == ControlKind::TextBox ||
                         c.kind == ControlKind::CommandButton;
    if (hasText) {
        const int height = -MulDiv(static_cast<int>(c.font.points * 100), dpiY_, 7200);
        control.font.Reset(CreateFontA(height, 0, 0, 0, c.font.bold ? FW_BOLD : FW_NORMAL,
                                       c.font.italic, FALSE, FALSE, DEFAULT_CHARSET,
                                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                       DEFAULT_PITCH, c.font.face.c_str()));
    }
    HWND parent = form.hwnd;
    if (c.container) {
        if (HostedControl* container = form.Find(c.container, 0)) {
            parent = container->hwnd;
        }
    }
    const DWORD visible = c.visible ? WS_VISIBLE : 0;
    const int x = static_cast<int>(c.rect.left);
    const int y = static_cast<int>(c.rect.top);
    const int w = static_cast<int>(c.rect.width);
    const int h = static_cast<int>(c.rect.height);
    const char* className = kLabelClass;
    DWORD style = WS_CHILD | visible;
    switch (c.kind) {
    case ControlKind::Image:
        className = kImageClass;
        break;
    case ControlKind::PictureBox:
    case ControlKind::Frame:
        className = kFrameClass;
        style |= WS_CLIPCHILDREN;
        break;
    case ControlKind::Label:
        className = kLabelClass;
        break;
    case ControlKind::TextBox:
        className = "EDIT";
        style |= WS_TABSTOP | ES_AUTOHSCROLL | (c.readOnly ? ES_READONLY : 0);
        break;
    case ControlKind::CommandButton:
        className = "BUTTON";
        style |= WS_TABSTOP | (c.backColor ? BS_OWNERDRAW : BS_PUSHBUTTON);
        break;
    }
    form.controls.push_back(std::move(hosted));
    control.placed = PixelRect{x, y, x + w, y + h};
    control.hwnd = CreateWindowExA(0, className, c.caption.c_str(), style, x, y, w, h, parent,
                                   nullptr, instance_, &control);
    SetWindowLongPtrA(control.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&control));
    if (hasText) {
        SendMessageA(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(control.font.Get()), FALSE);
    }
    if (c.kind == ControlKind::CommandButton || c.kind == ControlKind::TextBox) {
        // Clicks and colours of system controls come to the procedure shared by our windows.
        SetPropA(control.hwnd, "FizzmoControl", &control);
    }
    if (!c.toolTip.empty()) {
        AddToolTip(form, control, c.toolTip);
    }
    FitLabel(control);
}

// A one-line label as wide as its text, so no font's metrics cut off its last word; a
// transparent label without text hidden, so it cannot blot out what lies under it.
void Win32Toolkit::FitLabel(HostedControl& c) {
    if (c.design.kind != ControlKind::Label) {
        return;
    }
    char text[512] = {};
    GetWindowTextA(c.hwnd, text, sizeof text);
    const bool blank = text[0] == '\0' && !c.design.backColor;
    ShowWindow(c.hwnd, c.design.visible && !blank ? SW_SHOWNA : SW_HIDE);
    if (blank || c.design.wordWrap) {
        return;
    }
    HDC dc = GetDC(c.hwnd);
    HGDIOBJ old = SelectObject(dc, c.font.Get());
    SIZE extent{};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &extent);
    SelectObject(dc, old);
    ReleaseDC(c.hwnd, dc);
    RECT r;
    GetClientRect(c.hwnd, &r);
    if (extent.cx > r.right) {
        SetWindowPos(c.hwnd, nullptr, 0, 0, extent.cx, r.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        c.placed.Right = c.placed.Left + extent.cx;
    }
}

void Win32Toolkit::DestroyForm(FormId form) {
    auto it = forms_.find(form);
    if (it == forms_.end()) {
        return;
    }
    std::unique_ptr<HostedForm> hosted = std::move(it->second);
    forms_.erase(it);
    // The window goes now; its memory once the running handler has returned.
    ShowWindow(hosted->hwnd, SW_HIDE);
    destroyed_.push_back(std::move(hosted));
}

void Win32Toolkit::FocusFirstControl(HostedForm& form) {
    if (form.focused) {
        return;
    }
    form.focused = true;
    HostedControl* first = nullptr;
    for (auto& c : form.controls) {
        const bool focusable = c->design.visible && (c->design.kind == ControlKind::TextBox ||
                                                     c->design.kind == ControlKind::CommandButton);
        if (focusable && (!first || c->design.tabIndex < first->design.tabIndex)) {
            first = c.get();
        }
    }
    SetFocus(first ? first->hwnd : form.hwnd);
}

void Win32Toolkit::ShowForm(FormId id, FormId owner) {
    HostedForm* form = Hosted(id);
    if (!form) {
        return;
    }
    HostedForm* ownerForm = owner == id ? nullptr : Hosted(owner);
    if (ownerForm) {
        SetWindowLongPtrA(form->hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(ownerForm->hwnd));
    }
    ShowWindow(form->hwnd, SW_SHOW);
    SetForegroundWindow(form->hwnd);
    SetActiveWindow(form->hwnd);
    FocusFirstControl(*form);
}

void Win32Toolkit::ShowModal(FormId id, FormId owner) {
    HostedForm* form = Hosted(id);
    if (!form) {
        return;
    }
    // Modal to the whole program: every other form stops taking input until it closes.
    std::vector<HWND> disabled;
    for (auto& [otherId, other] : forms_) {
        if (otherId != id && IsWindowEnabled(other->hwnd)) {
            EnableWindow(other->hwnd, FALSE);
            disabled.push_back(other->hwnd);
        }
    }
    ShowForm(id, owner);
    MSG msg;
    while (!ended_ && Hosted(id) && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        PumpOne(msg);
    }
    for (HWND h : disabled) {
        if (IsWindow(h)) {
            EnableWindow(h, TRUE);
        }
    }
    if (HostedForm* ownerForm = Hosted(owner)) {
        SetActiveWindow(ownerForm->hwnd);
    }
}

void Win32Toolkit::HideForm(FormId id) {
    if (HostedForm* form = Hosted(id)) {
        ShowWindow(form->hwnd, SW_HIDE);
    }
}

void Win32Toolkit::BringForward(FormId id) {
    if (HostedForm* form = Hosted(id)) {
        SetWindowPos(form->hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        SetForegroundWindow(form->hwnd);
    }
}

Hwnd Win32Toolkit::FormHandle(FormId id) {
    HostedForm* form = Hosted(id);
    return form ? reinterpret_cast<Hwnd>(form->hwnd) : 0;
}

WindowState Win32Toolkit::FormWindowState(FormId id) {
    HostedForm* form = Hosted(id);
    if (!form) {
        return WindowState::Normal;
    }
    if (IsZoomed(form->hwnd)) {
        return WindowState::Maximized;
    }
    return IsIconic(form->hwnd) ? WindowState::Minimized : WindowState::Normal;
}

PixelRect Win32Toolkit::FormRect(FormId id) {
    RECT r{};
    if (HostedForm* form = Hosted(id)) {
        GetWindowRect(form->hwnd, &r);
    }
    return PixelRect{r.left, r.top, r.right, r.bottom};
}

void Win32Toolkit::MoveForm(FormId id, const PixelRect& r) {
    if (HostedForm* form = Hosted(id)) {
        SetWindowPos(form->hwnd, nullptr, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Win32Toolkit::EndProgram() {
    ended_ = true;
    // Freed once the handler that ended the program has returned.
    for (auto* forms : {&forms_, &prepared_}) {
        for (auto& [id, form] : *forms) {
            destroyed_.push_back(std::move(form));
        }
        forms->clear();
    }
    PostQuitMessage(0);
}

void Win32Toolkit::SetControlRect(FormId id, int control, int index, const PixelRect& r) {
    if (HostedForm* form = Hosted(id)) {
        // Moving a window is slow under some window systems: only what changes is moved.
        if (HostedControl* c = form->Find(control, index); c && !(c->placed == r)) {
            SetWindowPos(c->hwnd, nullptr, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            c->placed = r;
        }
    }
}

void Win32Toolkit::SetPicture(FormId id, int control, int index, int bitmapResource) {
    if (HostedForm* form = Hosted(id)) {
        if (HostedControl* c = form->Find(control, index)) {
            if (HBITMAP shared = SmallPicture(bitmapResource)) {
                c->ownPicture.Reset(nullptr);
                c->picture = shared;
            } else {
                c->ownPicture.Reset(LoadBitmapA(instance_, MAKEINTRESOURCEA(bitmapResource)));
                c->picture = c->ownPicture.Get();
            }
            RedrawIfShown(*form, c->hwnd);
        }
    }
}

void Win32Toolkit::SetBorderStyle(FormId id, int control, int index, int style) {
    if (HostedForm* form = Hosted(id)) {
        if (HostedControl* c = form->Find(control, index)) {
            c->borderStyle = style;
            RedrawIfShown(*form, c->hwnd);
        }
    }
}

void Win32Toolkit::SetText(FormId id, int control, int index, const std::string& text) {
    if (HostedForm* form = Hosted(id)) {
        if (HostedControl* c = form->Find(control, index)) {
            SetWindowTextA(c->hwnd, text.c_str());
            FitLabel(*c);
            InvalidateRect(c->hwnd, nullptr, TRUE);
        }
    }
}

void Win32Toolkit::SetToolTip(FormId id, int control, int index, const std::string& text) {
    HostedForm* form = Hosted(id);
    if (HostedControl* c = form ? form->Find(control, index) : nullptr) {
        AddToolTip(*form, *c, text);
    }
}

void Win32Toolkit::AddToolTip(HostedForm& form, HostedControl& c, const std::string& text) {
    if (!form.toolTip) {
        return;
    }
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = form.hwnd;
    tool.uId = reinterpret_cast<UINT_PTR>(c.hwnd);
    tool.lpszText = const_cast<char*>(text.c_str());
    SendMessageA(form.toolTip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(form.toolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Win32Toolkit::SetTimerEnabled(FormId id, int timer, bool enabled) {
    HostedForm* form = Hosted(id);
    if (!form) {
        return;
    }
    for (const TimerDesign& t : form->design.timers) {
        if (t.id == timer) {
            if (enabled) {
                SetTimer(form->hwnd, static_cast<UINT_PTR>(t.id), static_cast<UINT>(t.intervalMs),
                         nullptr);
            } else {
                KillTimer(form->hwnd, static_cast<UINT_PTR>(t.id));
            }
        }
    }
}

void Win32Toolkit::SetMenuChecked(FormId id, int item, bool checked) {
    if (HostedForm* form = Hosted(id); form && form->menu) {
        CheckMenuItem(form->menu, static_cast<UINT>(item),
                      MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

int Win32Toolkit::PopupMenu(FormId id, int x, int y) {
    HostedForm* form = Hosted(id);
    if (!form || !form->menu) {
        return 0;
    }
    POINT p{x, y};
    ClientToScreen(form->hwnd, &p);
    SetForegroundWindow(form->hwnd);
    const int chosen = static_cast<int>(
        TrackPopupMenu(form->menu, TPM_RETURNCMD | TPM_NONOTIFY, p.x, p.y, 0, form->hwnd, nullptr));
    PostMessageA(form->hwnd, WM_NULL, 0, 0);
    return chosen;
}

void Win32Toolkit::MessageBoxCritical(const std::string& text, const std::string& title) {
    MessageBoxA(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONSTOP);
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

ScreenMetrics Win32Toolkit::Screen() {
    return ScreenMetrics{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                         1440.0f / static_cast<float>(dpiX_), 1440.0f / static_cast<float>(dpiY_)};
}

bool Win32Toolkit::OnSomeScreen(const PixelRect& outer) {
    const RECT r{outer.Left, outer.Top, outer.Right, outer.Bottom};
    return MonitorFromRect(&r, MONITOR_DEFAULTTONULL) != nullptr;
}

PixelRect Win32Toolkit::WorkArea(const PixelRect& around) {
    const RECT r{around.Left, around.Top, around.Right, around.Bottom};
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info)) {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &info.rcWork, 0);
    }
    return PixelRect{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

// Keys that act on the form rather than the focused control: Enter and Escape press the
// default and cancel buttons, Ctrl+Shift+letter a button's shortcut, and every character
// typed into a text box is reported before the box sees it.
bool Win32Toolkit::PreTranslate(MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_CHAR) {
        return false;
    }
    HWND top = GetAncestor(msg.hwnd, GA_ROOT);
    HostedForm* form = HostedByWindow(top);
    if (!form) {
        return false;
    }
    if (msg.message == WM_CHAR) {
        auto* control = static_cast<HostedControl*>(GetPropA(msg.hwnd, "FizzmoControl"));
        if (control && control->design.kind == ControlKind::TextBox) {
            FormEvent e{EventKind::KeyPress, control->design.id, control->design.index};
            e.keyAscii = static_cast<int>(msg.wParam & 0xFF);
            Raise(control->form, e);
        }
        return false;
    }
    const bool ctrlShift = (GetKeyState(VK_CONTROL) & 0x8000) && (GetKeyState(VK_SHIFT) & 0x8000);
    for (auto& c : form->controls) {
        const ControlDesign& d = c->design;
        const bool hit = (msg.wParam == VK_ESCAPE && d.isCancel) ||
                         (msg.wParam == VK_RETURN && d.isDefault) ||
                         (ctrlShift && d.shortcut && msg.wParam == static_cast<WPARAM>(d.shortcut));
        if (hit) {
            Raise(form->design.id, FormEvent{EventKind::Click, d.id, d.index});
            return true;
        }
    }
    return false;
}

void Win32Toolkit::PumpOne(MSG& msg) {
    if (!PreTranslate(msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    destroyed_.clear();
}

void Win32Toolkit::Run() {
    MSG msg;
    while (!ended_ && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        PumpOne(msg);
    }
    forms_.clear();
    destroyed_.clear();
}
