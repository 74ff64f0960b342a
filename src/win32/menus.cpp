// The pop-up menus and message boxes of the toolkit.
#include "win32_toolkit.h"

void Win32Toolkit::SetMenuChecked(FormId id, int item, bool checked) {
    if (FormWindow* form = Hosted(id); form && form->Menu()) {
        CheckMenuItem(form->Menu(), static_cast<UINT>(item),
                      MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

void Win32Toolkit::PopupMenu(FormId id, int x, int y) {
    FormWindow* form = Hosted(id);
    if (!form || !form->Menu()) {
        return;
    }
    HWND hwnd = form->Handle();
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    SetForegroundWindow(hwnd);
    const int chosen = static_cast<int>(
        TrackPopupMenu(form->Menu(), TPM_RETURNCMD | TPM_NONOTIFY, p.x, p.y, 0, hwnd, nullptr));
    // The menu's loop ends cleanly only once the window has had a message after it.
    PostMessageA(hwnd, WM_NULL, 0, 0);
    if (chosen != 0) {
        Raise(id, FormEvent{EventKind::Menu, chosen});
    }
}

void Win32Toolkit::MessageBoxCritical(const std::string& text, const std::string& title) {
    MessageBoxA(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONSTOP);
}
