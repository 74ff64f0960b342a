#include "fake_window_system.h"

#include "shared/messenger_messages.h"

#include <algorithm>
#include <cstring>

namespace {
std::optional<std::string> Text(const char* s) {
    return s ? std::optional<std::string>(s) : std::nullopt;
}
} // namespace

std::vector<WindowCall> FakeWindowSystem::CallsOf(std::initializer_list<Op> ops) const {
    std::vector<WindowCall> out;
    for (const WindowCall& c : calls) {
        if (std::find(ops.begin(), ops.end(), c.op) != ops.end()) {
            out.push_back(c);
        }
    }
    return out;
}

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
    calls.push_back(WindowCall::GetDesktopWindow());
    return kDesktop;
}

Hwnd FakeWindowSystem::GetWindow(Hwnd window, std::uint32_t command) {
    calls.push_back(WindowCall::GetWindow(window, command));
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
    calls.push_back(WindowCall::GetClassNameA(window, size));
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
    calls.push_back(WindowCall::FindWindowA(Text(className), Text(title)));
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
    calls.push_back(WindowCall::FindWindowExA(parent, childAfter, Text(className), Text(title)));
    for (const auto& [h, w] : windows_) {
        if (h > childAfter && parent != 0 && w.parent == parent && w.className == className &&
            (!title || w.title == title)) {
            return h;
        }
    }
    return 0;
}

bool FakeWindowSystem::SendMessageTimeoutA(Hwnd window, std::uint32_t message,
                                           std::uintptr_t wParam, std::intptr_t lParam,
                                           unsigned timeoutMs) {
    calls.push_back(WindowCall::SendMessageTimeoutA(window, message, wParam, lParam, timeoutMs));
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
    calls.push_back(WindowCall::IsIconic(window));
    auto it = windows_.find(window);
    return it != windows_.end() && it->second.iconic;
}

void FakeWindowSystem::GetWindowRect(Hwnd window, PixelRect& rect) {
    calls.push_back(WindowCall::GetWindowRect(window));
    auto it = windows_.find(window);
    if (it != windows_.end()) {
        rect = it->second.rect;
    }
}

void FakeWindowSystem::SetForegroundWindow(Hwnd window) {
    calls.push_back(WindowCall::SetForegroundWindow(window));
    if (windows_.count(window) && !foregroundLocked) {
        foreground = window;
    }
}

std::size_t FakeWindowSystem::SendInput(const std::vector<KeyInput>& sent) {
    calls.push_back(WindowCall::SendInput(sent.size()));
    const std::size_t taken = std::min(sent.size(), inputAccepted);
    keys.insert(keys.end(), sent.begin(), sent.begin() + static_cast<long>(taken));
    return taken;
}

std::uint32_t FakeWindowSystem::GetWindowThreadProcessId(Hwnd window) {
    calls.push_back(WindowCall::GetWindowThreadProcessId(window));
    const auto it = windows_.find(window);
    return it == windows_.end() ? 0 : it->second.thread;
}

bool FakeWindowSystem::AttachThreadInput(std::uint32_t attach, std::uint32_t attachTo, bool join) {
    calls.push_back(WindowCall::AttachThreadInput(attach, attachTo, join));
    return true;
}

void FakeWindowSystem::SetFocus(Hwnd window) {
    calls.push_back(WindowCall::SetFocus(window));
    focus = window;
}
