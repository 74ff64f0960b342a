// A form window's messages: each is cracked and reported as one event; the forms decide what
// it means.
#include "form_window.h"

#include "form_accessible.h"

#include "window_dpi.h"
#include "windowed_controls.h"

#include <windowsx.h>

namespace {

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

PixelPoint PointOf(LPARAM lParam) {
    return PixelPoint{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

} // namespace

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == host_.AnotherStartMessage()) {
        Raise(FormEvent{EventKind::AnotherStart});
        return 0;
    }
    LRESULT result = 0;
    if (HandleChildNotification(message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT
    case WM_PAINT:
        Paint();
        return 0;
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) {
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        toolTip_.Dismiss();
        OnButtonDown(message, PointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        OnButtonUp(message, PointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        toolTip_.MouseMoved(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, design_.dpi);
        OnMouseMove(PointOf(lParam));
        return 0;
    case WM_MOUSELEAVE:
        toolTip_.MouseLeft();
        return 0;
    case WM_WINDOWPOSCHANGED:
        if (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_HIDEWINDOW) {
            toolTip_.Hide();
        }
        break;
    case WM_CAPTURECHANGED:
        clicks_.CaptureLost();
        return 0;
    case WM_GETOBJECT:
        if (const LRESULT object = AnswerGetObject(hwnd_, wParam, lParam)) {
            return object;
        }
        break;
    case kAccessibleClick: // a form a modal form has disabled takes no clicks from anyone
        if (IsWindowEnabled(hwnd_)) {
            Raise(FormEvent{EventKind::Click, static_cast<int>(wParam), static_cast<int>(lParam)});
        }
        return 0;
    case kAccessibleHover:
        if (FormControl* c = Find(static_cast<int>(wParam), static_cast<int>(lParam));
            c && IsWindowEnabled(hwnd_)) {
            const PixelRect r = c->InForm();
            Raise(MouseEvent(EventKind::MouseMove, c, 0, PixelPoint{r.Left, r.Top}));
        }
        return 0;
    case kAnnounceHighlight:
        if (highlighted_ && GetForegroundWindow() == hwnd_) {
            SetHighlight(highlighted_);
        }
        return 0;
    case kWmDpiChanged: {
        FormEvent e{EventKind::DpiChanged};
        e.dpi = LOWORD(wParam);
        const RECT r = SuggestedRect(hwnd_, lParam);
        e.suggested = PixelRect{r.left, r.top, r.right, r.bottom};
        Raise(e);
        return 0;
    }
    case WM_MOUSEACTIVATE:
        Raise(FormEvent{EventKind::MouseActivate});
        break;
    case WM_HOTKEY:
        Raise(FormEvent{EventKind::HotKey, static_cast<int>(wParam)});
        return 0;
    case WM_TIMER:
        Raise(FormEvent{EventKind::Timer, static_cast<int>(wParam)});
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            // The focused control gets the focus back when the form is active again.
            HWND focus = GetFocus();
            focusOnReturn_ = focus && IsChild(hwnd_, focus) ? focus : nullptr;
            // Only a change to another window of this program counts as deactivation.
            if (host_.IsOwnWindow(reinterpret_cast<HWND>(lParam))) {
                Raise(FormEvent{EventKind::Deactivate});
            }
        } else {
            // Once the focus has settled, a screen reader hears where the highlight is.
            PostMessageA(hwnd_, kAnnounceHighlight, 0, 0);
            if (focusOnReturn_ && IsWindow(focusOnReturn_) && !HIWORD(wParam)) {
                SetFocus(focusOnReturn_);
                return 0;
            }
        }
        break;
    case WM_KILLFOCUS:
        if (host_.IsOwnWindow(reinterpret_cast<HWND>(wParam)) &&
            GetAncestor(reinterpret_cast<HWND>(wParam), GA_ROOT) != hwnd_) {
            Raise(FormEvent{EventKind::LostFocus});
        }
        break;
    case WM_CLOSE:
        Raise(FormEvent{EventKind::CloseRequest});
        return 0;
    case WM_DISPLAYCHANGE:
        host_.DisplayChanged();
        break;
    case WM_QUERYENDSESSION:
        return TRUE; // never stands in the way of a logoff
    case WM_ENDSESSION:
        if (wParam) {
            Raise(FormEvent{EventKind::EndSession});
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

// What the text boxes and buttons tell their form: clicks, colours, drawing.
bool FormWindow::HandleChildNotification(UINT message, WPARAM wParam, LPARAM lParam,
                                         LRESULT& result) {
    switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (FormControl* c = FindWindowed(reinterpret_cast<HWND>(lParam))) {
            result = reinterpret_cast<LRESULT>(
                ColourWindowedControl(reinterpret_cast<HDC>(wParam), *c, BrushBehind(*c)));
            return true;
        }
        return false;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (FormControl* c = FindWindowed(item.hwndItem)) {
            DrawColouredButton(item, *c);
            result = TRUE;
            return true;
        }
        return false;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            if (FormControl* c = FindWindowed(reinterpret_cast<HWND>(lParam))) {
                Raise(FormEvent{EventKind::Click, c->design.id, c->design.index});
                return true;
            }
        }
        return false;
    default:
        return false;
    }
}

void FormWindow::OnButtonDown(UINT message, PixelPoint p) {
    const bool second =
        message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
    Carry(clicks_.Press(HitTest(p), ButtonOf(message), second, p));
}

void FormWindow::OnButtonUp(UINT message, PixelPoint p) {
    Carry(clicks_.Release(HitTest(p), ButtonOf(message), p));
}

void FormWindow::Carry(const PointerClicks::Outcome& outcome) {
    if (outcome.capture == PointerClicks::Capture::Take) {
        SetCapture(hwnd_);
    } else if (outcome.capture == PointerClicks::Capture::Release) {
        ReleaseCapture();
    }
    for (const FormEvent& e : outcome.events) {
        Raise(e);
    }
}

void FormWindow::OnMouseMove(PixelPoint p) {
    std::optional<FormEvent> e = clicks_.Move(HitTest(p), p);
    if (!e) {
        return;
    }
    // Where the pointer was when the move was queued: the window may have moved since.
    const DWORD at = GetMessagePos();
    e->pointer = PixelPoint{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    Raise(*e);
}

// A picture shows its own pointer; the form and its frames and labels the form's; a button
// with a pointer of its own shows that one.
bool FormWindow::OnSetCursor(HWND under, UINT hit) {
    if (hit != HTCLIENT) {
        return false;
    }
    CursorKind kind = design_.cursor;
    if (under == hwnd_) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(hwnd_, &p);
        kind = CursorOver(design_, HitTest(p));
    } else if (FormControl* c = FindWindowed(under); c && c->design.cursor != CursorKind::Default) {
        kind = c->design.cursor;
    } else {
        return false;
    }
    SetCursor(host_.Cursor(kind));
    return true;
}
