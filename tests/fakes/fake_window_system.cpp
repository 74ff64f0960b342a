#include "fake_window_system.h"

#include <algorithm>
#include <cstring>

namespace {
std::string Text(const char* s) {
    return s ? "\"" + std::string(s) + "\"" : "null";
}
} // namespace

Hwnd FakeWindowSystem::AddTopLevel(const std::string& className, PixelRect rect) {
    const Hwnd h = next_++;
    windows_[h] = Window{className, "", kDesktop, rect};
    zOrder_.push_back(h);
    return h;
}

Hwnd FakeWindowSystem::AddChild(Hwnd parent, const std::string& className, const std::string& title,
                                PixelRect rect) {
    const Hwnd h = next_++;
    windows_[h] = Window{className, title, parent, rect};
    return h;
}

void FakeWindowSystem::Destroy(Hwnd window) {
    windows_.erase(window);
    std::erase(zOrder_, window);
    std::erase_if(windows_, [window](const auto& w) { return w.second.parent == window; });
}

void FakeWindowSystem::BringToFront(Hwnd window) {
    std::erase(zOrder_, window);
    zOrder_.insert(zOrder_.begin(), window);
}

Hwnd FakeWindowSystem::GetDesktopWindow() {
    calls.push_back("GetDesktopWindow");
    return kDesktop;
}

Hwnd FakeWindowSystem::GetWindow(Hwnd window, std::uint32_t command) {
    calls.push_back("GetWindow(" + std::to_string(window) + "," + std::to_string(command) + ")");
    if (command == win::kGwChild && window == kDesktop) {
        return zOrder_.empty() ? 0 : zOrder_.front();
    }
    if (command == win::kGwHwndNext) {
        auto it = std::find(zOrder_.begin(), zOrder_.end(), window);
        if (it != zOrder_.end() && ++it != zOrder_.end()) {
            return *it;
        }
    }
    return 0;
}

int FakeWindowSystem::GetClassNameA(Hwnd window, char* buffer, int size) {
    calls.push_back("GetClassNameA(" + std::to_string(window) + "," + std::to_string(size) + ")");
    auto it = windows_.find(window);
    if (it == windows_.end() || size <= 0) {
        return 0;
    }
    const std::string& name = it->second.className;
    const int n = std::min<int>(static_cast<int>(name.size()), size - 1);
    std::memcpy(buffer, name.data(), static_cast<std::size_t>(n));
    buffer[n] = '\0';
    return n;
}

Hwnd FakeWindowSystem::FindWindowA(const char* className, const char* title) {
    calls.push_back("FindWindowA(" + Text(className) + "," + Text(title) + ")");
    for (Hwnd h : zOrder_) {
        const Window& w = windows_.at(h);
        if (w.className == className && (!title || w.title == title)) {
            return h;
        }
    }
    return 0;
}

Hwnd FakeWindowSystem::FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className,
                                     const char* title) {
    calls.push_back("FindWindowExA(" + std::to_string(parent) + "," + std::to_string(childAfter) +
                    "," + Text(className) + "," + Text(title) + ")");
    for (const auto& [h, w] : windows_) {
        if (h > childAfter && parent != 0 && w.parent == parent && w.className == className &&
            (!title || w.title == title)) {
            return h;
        }
    }
    return 0;
}

void FakeWindowSystem::SendMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                                    std::intptr_t lParam) {
    calls.push_back("SendMessageA(" + std::to_string(window) + "," + std::to_string(message) + "," +
                    std::to_string(wParam) + "," + std::to_string(lParam) + ")");
    if (windows_.count(window)) {
        messages.push_back({window, message, wParam, lParam});
    }
}

bool FakeWindowSystem::SendMessageTimeoutA(Hwnd window, std::uint32_t message,
                                           std::uintptr_t wParam, std::intptr_t lParam,
                                           unsigned timeoutMs) {
    calls.push_back("SendMessageTimeoutA(" + std::to_string(window) + "," +
                    std::to_string(message) + "," + std::to_string(wParam) + "," +
                    std::to_string(lParam) + "," + std::to_string(timeoutMs) + ")");
    auto it = windows_.find(window);
    if (it == windows_.end() || it->second.answersLeft == 0) {
        return false;
    }
    if (it->second.answersLeft > 0) {
        --it->second.answersLeft;
    }
    if (message != win::kWmNull) { // the answer check carries nothing
        messages.push_back({window, message, wParam, lParam});
    }
    return true;
}

bool FakeWindowSystem::IsIconic(Hwnd window) {
    calls.push_back("IsIconic(" + std::to_string(window) + ")");
    auto it = windows_.find(window);
    return it != windows_.end() && it->second.iconic;
}

void FakeWindowSystem::ReleaseCapture() {
    calls.push_back("ReleaseCapture");
}

void FakeWindowSystem::SetWindowPos(Hwnd window, Hwnd insertAfter, int x, int y, int cx, int cy,
                                    std::uint32_t flags) {
    calls.push_back("SetWindowPos(" + std::to_string(window) + "," + std::to_string(insertAfter) +
                    "," + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(cx) +
                    "," + std::to_string(cy) + "," + std::to_string(flags) + ")");
}

void FakeWindowSystem::GetWindowRect(Hwnd window, PixelRect& rect) {
    calls.push_back("GetWindowRect(" + std::to_string(window) + ")");
    auto it = windows_.find(window);
    if (it != windows_.end()) {
        rect = it->second.rect;
    }
}

void FakeWindowSystem::SetForegroundWindow(Hwnd window) {
    calls.push_back("SetForegroundWindow(" + std::to_string(window) + ")");
    if (windows_.count(window) && !foregroundLocked) {
        foreground = window;
    }
}

std::size_t FakeWindowSystem::SendInput(const std::vector<KeyInput>& sent) {
    calls.push_back("SendInput(" + std::to_string(sent.size()) + ")");
    const std::size_t taken = std::min(sent.size(), inputAccepted);
    keys.insert(keys.end(), sent.begin(), sent.begin() + static_cast<long>(taken));
    return taken;
}

std::uint32_t FakeWindowSystem::GetWindowThreadProcessId(Hwnd window) {
    calls.push_back("GetWindowThreadProcessId(" + std::to_string(window) + ")");
    const auto it = windows_.find(window);
    return it == windows_.end() ? 0 : it->second.thread;
}

bool FakeWindowSystem::AttachThreadInput(std::uint32_t attach, std::uint32_t attachTo, bool join) {
    calls.push_back("AttachThreadInput(" + std::to_string(attach) + "," + std::to_string(attachTo) +
                    "," + (join ? "attach" : "detach") + ")");
    return true;
}

void FakeWindowSystem::SetFocus(Hwnd window) {
    calls.push_back("SetFocus(" + std::to_string(window) + ")");
    focus = window;
}
