#include "form_tooltip.h"

#include "wide_text.h"

#include <cstddef>

namespace {

// Our own class: it answers WM_GETTEXT with its text and raises the events a tooltip raises.
constexpr const wchar_t* kToolTipClass = L"FizzmoToolTip";
constexpr UINT_PTR kHoverTimer = 1;

int Scaled(int pixels, int dpi) {
    return MulDiv(pixels, dpi, 96);
}

UINT HoverTime() {
    UINT ms = 0;
    return (SystemParametersInfoW(SPI_GETMOUSEHOVERTIME, 0, &ms, 0) && ms) ? ms : 400;
}

} // namespace

void FormToolTip::RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSW wc{};
    wc.style = CS_SAVEBITS; // it comes and goes over other windows
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kToolTipClass;
    RegisterClassW(&wc);
}

FormToolTip::~FormToolTip() {
    if (tip_) {
        Hide();
        SetWindowLongPtrW(tip_, GWLP_USERDATA, 0);
        DestroyWindow(tip_);
    }
}

void FormToolTip::Create(HINSTANCE instance, HWND form) {
    instance_ = instance;
    form_ = form;
}

void FormToolTip::CreateWindowOnce() {
    if (tip_) {
        return;
    }
    // Unowned: Wine links a window put into the topmost band below its owned popups and then
    // drops it out of the band, so an owned tooltip would cost the form its Stay On Top.
    CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kToolTipClass, L"",
                    WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance_, this);
}

LRESULT CALLBACK FormToolTip::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<FormToolTip*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->tip_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<FormToolTip*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self ? self->HandleMessage(message, wParam, lParam)
                : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT FormToolTip::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == kHoverTimer) {
            HoverTimeUp();
            return 0;
        }
        break;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT
    case WM_NCHITTEST:
        return HTTRANSPARENT; // the pointer is the form's even over the tip
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    default:
        break;
    }
    return DefWindowProcW(tip_, message, wParam, lParam);
}

FormToolTip::Tool* FormToolTip::Find(int id) {
    for (Tool& t : tools_) {
        if (t.id == id) {
            return &t;
        }
    }
    return nullptr;
}

const FormToolTip::Tool* FormToolTip::ToolAt(POINT client) const {
    for (const Tool& t : tools_) {
        if (!t.text.empty() && PtInRect(&t.rect, client)) {
            return &t;
        }
    }
    return nullptr;
}

void FormToolTip::SetTool(int id, const RECT& rect, const std::string& text) {
    Tool* tool = Find(id);
    if (!tool) {
        tools_.push_back(Tool{id, rect, {}});
        tool = &tools_.back();
    }
    tool->rect = rect;
    tool->text = Wide(text);
    if (shown_ == id) {
        if (tool->text.empty()) {
            Hide();
        } else {
            Show(*tool);
        }
    }
}

void FormToolTip::MoveTool(int id, const RECT& rect) {
    if (Tool* tool = Find(id)) {
        tool->rect = rect;
    }
}

void FormToolTip::MouseMoved(POINT client, int dpi) {
    const Tool* tool = ToolAt(client);
    hovered_ = tool ? tool->id : 0;
    if (hovered_ != quiet_) {
        quiet_ = 0;
    }
    if (!tool || hovered_ == quiet_) {
        Hide();
        return;
    }
    if (hovered_ == shown_ || hovered_ == pending_) {
        return;
    }
    if (!tracking_) { // told once the pointer leaves the form
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, form_, 0};
        tracking_ = TrackMouseEvent(&track) != FALSE;
    }
    dpi_ = dpi;
    if (shown_) { // from one tip straight to the next
        Show(*tool);
        return;
    }
    CreateWindowOnce();
    if (tip_) {
        pending_ = hovered_;
        SetTimer(tip_, kHoverTimer, HoverTime(), nullptr);
    }
}

void FormToolTip::MouseLeft() {
    tracking_ = false;
    hovered_ = 0;
    quiet_ = 0;
    Hide();
}

void FormToolTip::Dismiss() {
    quiet_ = hovered_;
    Hide();
}

void FormToolTip::Hide() {
    if (pending_) {
        KillTimer(tip_, kHoverTimer);
        pending_ = 0;
    }
    if (shown_) {
        shown_ = 0;
        ShowWindow(tip_, SW_HIDE);
        NotifyWinEvent(EVENT_OBJECT_HIDE, tip_, OBJID_WINDOW, CHILDID_SELF);
    }
}

// Shown only if the pointer still rests on the control it came to.
void FormToolTip::HoverTimeUp() {
    KillTimer(tip_, kHoverTimer);
    const int id = pending_;
    pending_ = 0;
    POINT p;
    if (!GetCursorPos(&p) || WindowFromPoint(p) != form_ || !ScreenToClient(form_, &p)) {
        return;
    }
    if (const Tool* tool = ToolAt(p); tool && tool->id == id) {
        Show(*tool);
    }
}

// The system's tooltip font, made at the form's dots per inch.
void FormToolTip::MakeFont() {
    if (fontDpi_ == dpi_ && font_.Get()) {
        return;
    }
    NONCLIENTMETRICSW metrics{};
    // The size before Vista's padded border, which every version takes.
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
        return;
    }
    const WindowDc screen(nullptr);
    const int systemDpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
    LOGFONTW font = metrics.lfStatusFont;
    if (systemDpi > 0) {
        font.lfHeight = MulDiv(font.lfHeight, dpi_, systemDpi);
    }
    font_.Reset(CreateFontIndirectW(&font));
    fontDpi_ = dpi_;
}

// Below the pointer by a pointer's height, wholly on the work area of its monitor, and above
// the pointer where there is no room below.
void FormToolTip::Show(const Tool& tool) {
    MakeFont();
    SetWindowTextW(tip_, tool.text.c_str());
    RECT text{};
    {
        const WindowDc dc(tip_);
        const SelectedObject font(dc.Get(), font_.Get());
        DrawTextW(dc.Get(), tool.text.c_str(), -1, &text,
                  DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    }
    const int width = text.right - text.left + 2 * (1 + Scaled(3, dpi_));
    const int height = text.bottom - text.top + 2 * (1 + Scaled(1, dpi_));

    POINT pointer{};
    GetCursorPos(&pointer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromPoint(pointer, MONITOR_DEFAULTTONEAREST), &monitor)) {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    }
    const RECT& work = monitor.rcWork;
    int x = pointer.x;
    int y = pointer.y + Scaled(20, dpi_);
    if (y + height > work.bottom) {
        y = pointer.y - height - Scaled(2, dpi_);
    }
    x = x + width > work.right ? work.right - width : x;
    x = x < work.left ? work.left : x;
    y = y < work.top ? work.top : y;

    const bool wasShown = shown_ != 0;
    shown_ = tool.id;
    SetWindowPos(tip_, HWND_TOPMOST, x, y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(tip_, nullptr, FALSE);
    NotifyWinEvent(wasShown ? EVENT_OBJECT_NAMECHANGE : EVENT_OBJECT_SHOW, tip_, OBJID_WINDOW,
                   CHILDID_SELF);
}

void FormToolTip::Paint() {
    const PaintDc dc(tip_);
    if (!dc) {
        return;
    }
    RECT r{};
    GetClientRect(tip_, &r);
    FillRect(dc.Get(), &r, GetSysColorBrush(COLOR_INFOBK));
    FrameRect(dc.Get(), &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    if (const Tool* tool = Find(shown_)) {
        const SelectedObject font(dc.Get(), font_.Get());
        SetBkMode(dc.Get(), TRANSPARENT);
        SetTextColor(dc.Get(), GetSysColor(COLOR_INFOTEXT));
        InflateRect(&r, -(1 + Scaled(3, dpi_)), -(1 + Scaled(1, dpi_)));
        DrawTextW(dc.Get(), tool->text.c_str(), -1, &r, DT_SINGLELINE | DT_NOPREFIX);
    }
}
