#include "working_window.h"

#include "typist.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {
// The desktop and the taskbars: in the foreground after a click on them, and no place to type.
constexpr std::array<std::string_view, 4> kShellClasses = {"Progman", "WorkerW", "Shell_TrayWnd",
                                                           "Shell_SecondaryTrayWnd"};
} // namespace

void WorkingWindow::Notice(WindowSystem& windows, Hwnd foreground) {
    if (foreground == 0 || foreground == windows.GetDesktopWindow()) {
        return;
    }
    const std::uint32_t thread = windows.GetWindowThreadProcessId(foreground);
    // Every window of the program, menus and message boxes too, is made by its one thread.
    if (thread == 0 || thread == windows.GetCurrentThreadId()) {
        return;
    }
    const std::string cls = GetWindowClassName(windows, foreground);
    if (std::find(kShellClasses.begin(), kShellClasses.end(), cls) != kShellClasses.end()) {
        return;
    }
    window_ = foreground;
}

Hwnd WorkingWindow::Current(WindowSystem& windows) {
    if (window_ != 0 && windows.GetWindowThreadProcessId(window_) == 0) {
        window_ = 0;
    }
    return window_;
}
