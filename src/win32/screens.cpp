// The screens as the forms see them: the primary one's size, the monitors and their work areas,
// and where the pointer is.
#include "win32_toolkit.h"

#include "shared/work_area.h"

ScreenMetrics Win32Toolkit::Screen() {
    if (!screen_) {
        screen_ =
            ScreenMetrics{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                          1440.0f / static_cast<float>(dpiX_), 1440.0f / static_cast<float>(dpiY_)};
    }
    return *screen_;
}

void Win32Toolkit::DisplayChanged() {
    screen_.reset();
    monitors_.reset();
}

namespace {
BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT r, LPARAM monitors) {
    reinterpret_cast<std::vector<PixelRect>*>(monitors)->push_back(
        PixelRect{r->left, r->top, r->right, r->bottom});
    return TRUE;
}
} // namespace

bool Win32Toolkit::OnSomeScreen(const PixelRect& outer) {
    if (!monitors_) {
        monitors_.emplace();
        EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&*monitors_));
    }
    return OnSomeMonitor(outer, *monitors_);
}

namespace {
MONITORINFO MonitorNearest(const PixelRect& around) {
    const RECT r{around.Left, around.Top, around.Right, around.Bottom};
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info)) {
        info.rcMonitor = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &info.rcWork, 0);
    }
    return info;
}

PixelRect PixelsOf(const RECT& r) {
    return PixelRect{r.left, r.top, r.right, r.bottom};
}
} // namespace

PixelRect Win32Toolkit::WorkArea(const PixelRect& around) {
    return PixelsOf(MonitorNearest(around).rcWork);
}

PixelRect Win32Toolkit::MonitorRect(const PixelRect& around) {
    return PixelsOf(MonitorNearest(around).rcMonitor);
}

PixelPoint Win32Toolkit::PointerPosition() {
    POINT p{};
    GetCursorPos(&p);
    return PixelPoint{p.x, p.y};
}
