// Window procedures of the forms and of the drawn controls (image, frame, label). Each
// message is cracked and reported as one event; the core decides what it means.
#include "win32_toolkit.h"

#include <windowsx.h>

const char* const kFormClass = "FizzmoForm";
const char* const kImageClass = "FizzmoImage";
const char* const kFrameClass = "FizzmoFrame";
const char* const kLabelClass = "FizzmoLabel";

namespace {

Win32Toolkit* g_toolkit = nullptr;
HCURSOR g_paletteCursor = nullptr;

HostedForm* FormOf(HWND hwnd) {
    return reinterpret_cast<HostedForm*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

HostedControl* ControlOf(HWND hwnd) {
    return reinterpret_cast<HostedControl*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

HostedControl* SystemControlOf(HWND hwnd) {
    return static_cast<HostedControl*>(GetPropA(hwnd, "FizzmoControl"));
}

int ButtonOf(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        return kLeftButton;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return kRightButton;
    default:
        return 4; // middle
    }
}

FormEvent MouseEvent(EventKind kind, int control, int index, UINT message, LPARAM lParam) {
    FormEvent e{kind, control, index};
    e.button = ButtonOf(message);
    e.x = GET_X_LPARAM(lParam);
    e.y = GET_Y_LPARAM(lParam);
    return e;
}

HCURSOR CursorFor(CursorKind kind) {
    switch (kind) {
    case CursorKind::MoveArrows:
        return LoadCursor(nullptr, IDC_SIZEALL);
    case CursorKind::Palette:
        return g_paletteCursor ? g_paletteCursor : LoadCursor(nullptr, IDC_ARROW);
    case CursorKind::Default:
        break;
    }
    return LoadCursor(nullptr, IDC_ARROW);
}

void FillBackground(HWND hwnd, HDC dc, HBRUSH brush) {
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(dc, &r, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
}

// The brush behind a control without its own: that of the nearest container that has one.
HBRUSH InheritedBrush(HWND hwnd) {
    for (HWND h = GetParent(hwnd); h; h = GetParent(h)) {
        if (GetAncestor(h, GA_ROOT) == h) {
            HostedForm* f = FormOf(h);
            return f ? f->background.Get() : nullptr;
        }
        if (HostedControl* c = ControlOf(h); c && c->background.Get()) {
            return c->background.Get();
        }
    }
    return nullptr;
}

LRESULT ColourControl(HDC dc, HWND child) {
    HostedControl* c = SystemControlOf(child);
    if (!c) {
        return 0;
    }
    const ControlDesign& d = c->design;
    if (d.foreColor) {
        SetTextColor(dc, RGB(d.foreColor->r, d.foreColor->g, d.foreColor->b));
    }
    HBRUSH brush = c->background.Get() ? c->background.Get() : InheritedBrush(child);
    LOGBRUSH lb{};
    if (brush && GetObject(brush, sizeof lb, &lb)) {
        SetBkColor(dc, lb.lbColor);
    }
    return reinterpret_cast<LRESULT>(brush ? brush : GetSysColorBrush(COLOR_WINDOW));
}

void DrawGraphicalButton(const DRAWITEMSTRUCT& item) {
    HostedControl* c = SystemControlOf(item.hwndItem);
    if (!c) {
        return;
    }
    RECT r = item.rcItem;
    FillRect(item.hDC, &r, c->background.Get());
    DrawEdge(item.hDC, &r, (item.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    char text[256] = {};
    GetWindowTextA(item.hwndItem, text, sizeof text);
    SetBkMode(item.hDC, TRANSPARENT);
    HGDIOBJ old = SelectObject(item.hDC, c->font.Get());
    DrawTextA(item.hDC, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(item.hDC, old);
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&r, -3, -3);
        DrawFocusRect(item.hDC, &r);
    }
}

// Messages that every window of ours that holds system controls handles alike.
bool HandleChildNotifications(HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        result = ColourControl(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        return result != 0;
    case WM_DRAWITEM:
        DrawGraphicalButton(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            if (HostedControl* c = SystemControlOf(reinterpret_cast<HWND>(lParam))) {
                g_toolkit->Raise(c->form,
                                 FormEvent{EventKind::Click, c->design.id, c->design.index});
            }
            result = 0;
            return true;
        }
        return false;
    default:
        return false;
    }
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    HostedForm* form = FormOf(hwnd);
    if (!form) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    const FormId id = form->design.id;
    LRESULT result = 0;
    if (HandleChildNotifications(hwnd, message, wParam, lParam, result)) {
        return result;
    }
    if (message == g_toolkit->AnotherStartMessage()) {
        g_toolkit->Raise(id, FormEvent{EventKind::AnotherStart});
        return 0;
    }
    switch (message) {
    case WM_ERASEBKGND:
        FillBackground(hwnd, reinterpret_cast<HDC>(wParam), form->background.Get());
        return 1;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == hwnd) {
            SetCursor(CursorFor(form->design.cursor));
            return TRUE;
        }
        // A system control (a button) asks its form first: it may carry a cursor of its own.
        if (HostedControl* c = SystemControlOf(reinterpret_cast<HWND>(wParam));
            c && LOWORD(lParam) == HTCLIENT && c->design.cursor != CursorKind::Default) {
            SetCursor(CursorFor(c->design.cursor));
            return TRUE;
        }
        break;
    case WM_QUERYENDSESSION:
        return TRUE; // never stands in the way of a logoff
    case WM_ENDSESSION:
        if (wParam) {
            g_toolkit->Raise(id, FormEvent{EventKind::EndSession});
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        g_toolkit->Raise(id, MouseEvent(EventKind::MouseDown, kOnForm, 0, message, lParam));
        return 0;
    case WM_MOUSEMOVE:
        g_toolkit->Raise(id, MouseEvent(EventKind::MouseMove, kOnForm, 0, message, lParam));
        return 0;
    case WM_TIMER:
        g_toolkit->Raise(id, FormEvent{EventKind::Timer, static_cast<int>(wParam)});
        return 0;
    case WM_ACTIVATE:
        // Only a change to another window of this program counts as deactivation.
        if (LOWORD(wParam) == WA_INACTIVE &&
            g_toolkit->IsOwnWindow(reinterpret_cast<HWND>(lParam))) {
            g_toolkit->Raise(id, FormEvent{EventKind::Deactivate});
        }
        break;
    case WM_KILLFOCUS:
        if (g_toolkit->IsOwnWindow(reinterpret_cast<HWND>(wParam)) &&
            GetAncestor(reinterpret_cast<HWND>(wParam), GA_ROOT) != hwnd) {
            g_toolkit->Raise(id, FormEvent{EventKind::LostFocus});
        }
        break;
    case WM_CLOSE:
        g_toolkit->Raise(id, FormEvent{EventKind::CloseRequest});
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void PaintImage(HWND hwnd, HostedControl& c) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(dc, &r, InheritedBrush(hwnd) ? InheritedBrush(hwnd) : GetSysColorBrush(COLOR_BTNFACE));
    if (c.picture) {
        BITMAP bm{};
        GetObject(c.picture, sizeof bm, &bm);
        HDC mem = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(mem, c.picture);
        if (c.design.stretch) {
            SetStretchBltMode(dc, COLORONCOLOR);
            StretchBlt(dc, 0, 0, r.right, r.bottom, mem, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
        } else {
            // Unscaled, in the middle of its cell.
            const int x = bm.bmWidth < r.right ? (r.right - bm.bmWidth) / 2 : 0;
            const int y = bm.bmHeight < r.bottom ? (r.bottom - bm.bmHeight) / 2 : 0;
            BitBlt(dc, x, y, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
        }
        SelectObject(mem, old);
        DeleteDC(mem);
    }
    if (c.borderStyle == 1) {
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    EndPaint(hwnd, &ps);
}

void PaintLabel(HWND hwnd, HostedControl& c) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    HBRUSH brush = c.background.Get() ? c.background.Get() : InheritedBrush(hwnd);
    FillRect(dc, &r, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    SetBkMode(dc, TRANSPARENT);
    const ControlDesign& d = c.design;
    SetTextColor(dc,
                 d.foreColor ? RGB(d.foreColor->r, d.foreColor->g, d.foreColor->b) : RGB(0, 0, 0));
    HGDIOBJ old = SelectObject(dc, c.font.Get());
    DrawTextA(dc, text, -1, &r,
              DT_LEFT | DT_TOP | DT_NOPREFIX | (d.wordWrap ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    HostedControl* c = ControlOf(hwnd);
    if (!c) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (HandleChildNotifications(hwnd, message, wParam, lParam, result)) {
        return result;
    }
    const ControlDesign& d = c->design;
    const bool clickable = d.kind == ControlKind::Image;
    const bool pressable =
        clickable || d.kind == ControlKind::Frame || d.kind == ControlKind::PictureBox;
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        if (d.kind == ControlKind::Image) {
            PaintImage(hwnd, *c);
        } else if (d.kind == ControlKind::Label) {
            PaintLabel(hwnd, *c);
        } else {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            FillBackground(hwnd, dc,
                           c->background.Get() ? c->background.Get() : InheritedBrush(hwnd));
            EndPaint(hwnd, &ps);
        }
        return 0;
    case WM_NCHITTEST:
        return HTCLIENT; // a label takes its presses too, so none reaches the form under it
    case WM_SETCURSOR:
        if (d.kind != ControlKind::Image && LOWORD(lParam) == HTCLIENT) {
            if (HostedForm* f = g_toolkit->Hosted(c->form)) {
                SetCursor(CursorFor(f->design.cursor));
                return TRUE;
            }
        }
        SetCursor(CursorFor(d.cursor));
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDBLCLK: // only the left button double-clicks; other quick presses stay presses
    case WM_MBUTTONDBLCLK:
        if (pressable) {
            if (clickable && message == WM_LBUTTONDOWN) {
                c->pressed = true;
                SetCapture(hwnd);
            }
            const FormId form = c->form;
            g_toolkit->Raise(form,
                             MouseEvent(EventKind::MouseDown, d.id, d.index, message, lParam));
        }
        return 0;
    case WM_LBUTTONDBLCLK:
        // The second press of a double-click raises DblClick, and its release no Click.
        if (clickable) {
            c->pressed = false;
            SetCapture(hwnd);
            g_toolkit->Raise(c->form,
                             MouseEvent(EventKind::DblClick, d.id, d.index, message, lParam));
        }
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (clickable) {
            const bool wasPressed = c->pressed && message == WM_LBUTTONUP;
            c->pressed = false;
            if (GetCapture() == hwnd) {
                ReleaseCapture();
            }
            RECT r;
            GetClientRect(hwnd, &r);
            const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            const FormId form = c->form;
            const int id = d.id;
            const int index = d.index;
            g_toolkit->Raise(form, MouseEvent(EventKind::MouseUp, id, index, message, lParam));
            // A click is a press and release of the left button both over the control.
            if (wasPressed && PtInRect(&r, p)) {
                g_toolkit->Raise(form, FormEvent{EventKind::Click, id, index});
            }
        }
        return 0;
    case WM_MOUSEMOVE:
        if (clickable) {
            g_toolkit->Raise(c->form,
                             MouseEvent(EventKind::MouseMove, d.id, d.index, message, lParam));
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void Register(HINSTANCE instance, const char* name, WNDPROC proc, UINT style = 0) {
    WNDCLASSA wc{};
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = nullptr; // chosen per window in WM_SETCURSOR
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

} // namespace

void RegisterWindowClasses(HINSTANCE instance, Win32Toolkit* toolkit) {
    g_toolkit = toolkit;
    g_paletteCursor = LoadCursorA(instance, MAKEINTRESOURCEA(1));
    Register(instance, kFormClass, FormProc);
    Register(instance, kImageClass, ControlProc, CS_DBLCLKS);
    Register(instance, kFrameClass, ControlProc);
    Register(instance, kLabelClass, ControlProc);
}

VOID CALLBACK PrepareFormsWhenIdle(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (g_toolkit != nullptr) {
        g_toolkit->BuildPrepared();
    }
}
