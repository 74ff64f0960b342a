#include "window_utils.h"

void DragForm(WindowSystem& windows, WindowState state, Hwnd window) {
    if (state == WindowState::Maximized) {
        return;
    }
    windows.ReleaseCapture();
    windows.SendMessageA(window, win::WM_NCLBUTTONDOWN, win::HTCAPTION, 0);
}

void SetTopmost(WindowSystem& windows, Hwnd window, VbBool topmost) {
    const Hwnd insertAfter = topmost == VbTrue ? win::HWND_TOPMOST : win::HWND_NOTOPMOST;
    windows.SetWindowPos(window, insertAfter, 0, 0, 0, 0,
                         win::SWP_NOSIZE | win::SWP_NOMOVE | win::SWP_NOACTIVATE |
                             win::SWP_SHOWWINDOW);
}
