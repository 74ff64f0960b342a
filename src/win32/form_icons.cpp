#include "form_icons.h"

#include "window_dpi.h"

namespace {
int ScreenDpi() {
    const WindowDc screen(nullptr);
    return screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
}

HICON LoadSized(HINSTANCE instance, int resource, int side) {
    return static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(resource), IMAGE_ICON, side, side, 0));
}
} // namespace

void FormIcons::Apply(HWND window, HINSTANCE instance, int resource, int dpi) {
    if (!resource || dpi == dpi_) {
        return;
    }
    const int systemDpi = ScreenDpi();
    IconHandle small(LoadSized(instance, resource, SystemMetricAt(SM_CXSMICON, dpi, systemDpi)));
    IconHandle large(LoadSized(instance, resource, SystemMetricAt(SM_CXICON, dpi, systemDpi)));
    if (!small || !large) {
        return; // the icons it has stay
    }
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.Get()));
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large.Get()));
    // The window no longer uses the old ones: they go now.
    small_ = std::move(small);
    large_ = std::move(large);
    dpi_ = dpi;
}
