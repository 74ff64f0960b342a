#include "window_utils.h"

#include "messenger_messages.h"

namespace {
constexpr unsigned kFocusAnswerTimeoutMs = 500;
} // namespace

void DragForm(Toolkit& toolkit, FormId form) {
    if (toolkit.FormWindowState(form) == WindowState::Maximized) {
        return;
    }
    toolkit.BeginDrag(form);
}

void SetTopmostHidden(Toolkit& toolkit, FormId form) {
    toolkit.SetTopmost(form, true, false);
}

void SetTopmost(Toolkit& toolkit, FormId form, VbBool topmost) {
    toolkit.SetTopmost(form, topmost == VbTrue, true);
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
