// Where the program's own forms stand among the windows: moved by the user, and in or out of
// the band of top-most windows.
#include "win32_toolkit.h"

namespace {

// A shown top-most window that no shown window stands in front of: putting it at the front of
// the top-most windows again changes nothing on the screen, and costs a restacking on the X
// server each second the launcher keeps its place.
bool AlreadyFrontmost(HWND hwnd) {
    if (!IsWindowVisible(hwnd) || !(GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
        return false;
    }
    for (HWND above = GetWindow(hwnd, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
        if (IsWindowVisible(above)) {
            return false;
        }
    }
    return true;
}

} // namespace

void Win32Toolkit::BeginDrag(FormId id) {
    if (FormWindow* form = Hosted(id)) {
        ReleaseCapture();
        SendMessageA(form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
    }
}

void Win32Toolkit::SetTopmost(FormId id, bool topmost, bool show) {
    FormWindow* form = Hosted(id);
    if (!form || (topmost && AlreadyFrontmost(form->Handle()))) {
        return;
    }
    ::SetWindowPos(form->Handle(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | (show ? SWP_SHOWWINDOW : 0));
}
