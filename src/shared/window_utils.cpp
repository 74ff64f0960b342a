#include "window_utils.h"

namespace {
constexpr unsigned kFocusAnswerTimeoutMs = 500;
} // namespace

void DragForm(WindowSystem& windows, WindowState state, Hwnd window) {
    if (state == WindowState::Maximized) {
        return;
    }
    windows.ReleaseCapture();
    windows.SendMessageA(window, win::kWmNcLButtonDown, win::kHtCaption, 0);
}

void SetTopmostHidden(WindowSystem& windows, Hwnd window) {
    windows.SetWindowPos(window, win::kHwndTopmost, 0, 0, 0, 0,
                         win::kSwpNoSize | win::kSwpNoMove | win::kSwpNoActivate);
}

void SetTopmost(WindowSystem& windows, Hwnd window, VbBool topmost) {
    const Hwnd insertAfter = topmost == VbTrue ? win::kHwndTopmost : win::kHwndNoTopmost;
    windows.SetWindowPos(window, insertAfter, 0, 0, 0, 0,
                         win::kSwpNoSize | win::kSwpNoMove | win::kSwpNoActivate |
                             win::kSwpShowWindow);
}

void ReturnToConversation(WindowSystem& windows, Hwnd imWindow, Hwnd inputBox) {
    // A minimised window would take the keys out of sight; one that stopped answering just now
    // would hang us in SetFocus, which waits on its thread.
    if (windows.IsIconic(imWindow) ||
        !windows.SendMessageTimeoutA(inputBox, win::kWmNull, 0, 0, kFocusAnswerTimeoutMs)) {
        return;
    }
    windows.SetForegroundWindow(imWindow);
    const std::uint32_t ours = windows.GetCurrentThreadId();
    const std::uint32_t theirs = windows.GetWindowThreadProcessId(inputBox);
    if (theirs == 0) { // gone meanwhile
        return;
    }
    if (theirs == ours) {
        windows.SetFocus(inputBox);
        return;
    }
    if (windows.AttachThreadInput(ours, theirs, true)) {
        windows.SetFocus(inputBox);
        windows.AttachThreadInput(ours, theirs, false);
    }
}
