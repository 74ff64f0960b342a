#include "win32_window_system.h"

#include <windows.h>

#include <vector>

namespace {
HWND ToHwnd(Hwnd h) {
    return reinterpret_cast<HWND>(h);
}
Hwnd FromHwnd(HWND h) {
    return reinterpret_cast<Hwnd>(h);
}
} // namespace

Hwnd Win32WindowSystem::GetDesktopWindow() {
    return FromHwnd(::GetDesktopWindow());
}

Hwnd Win32WindowSystem::GetWindow(Hwnd window, std::uint32_t command) {
    return FromHwnd(::GetWindow(ToHwnd(window), command));
}

int Win32WindowSystem::GetClassNameA(Hwnd window, char* buffer, int size) {
    return ::GetClassNameA(ToHwnd(window), buffer, size);
}

Hwnd Win32WindowSystem::FindWindowA(const char* className, const char* title) {
    return FromHwnd(::FindWindowA(className, title));
}

Hwnd Win32WindowSystem::FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className,
                                      const char* title) {
    return FromHwnd(::FindWindowExA(ToHwnd(parent), ToHwnd(childAfter), className, title));
}

bool Win32WindowSystem::SendMessageTimeoutA(Hwnd window, std::uint32_t message,
                                            std::uintptr_t wParam, std::intptr_t lParam,
                                            unsigned timeoutMs) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(ToHwnd(window), message, static_cast<WPARAM>(wParam),
                                 static_cast<LPARAM>(lParam), SMTO_NORMAL | SMTO_ABORTIFHUNG,
                                 timeoutMs, &result) != 0;
}

bool Win32WindowSystem::IsIconic(Hwnd window) {
    return ::IsIconic(ToHwnd(window)) != FALSE;
}

void Win32WindowSystem::GetWindowRect(Hwnd window, PixelRect& rect) {
    RECT r;
    if (::GetWindowRect(ToHwnd(window), &r)) {
        rect = PixelRect{r.left, r.top, r.right, r.bottom};
    }
}

void Win32WindowSystem::SetForegroundWindow(Hwnd window) {
    ::SetForegroundWindow(ToHwnd(window));
}

std::uint32_t Win32WindowSystem::GetWindowThreadProcessId(Hwnd window) {
    return ::GetWindowThreadProcessId(ToHwnd(window), nullptr);
}

std::uint32_t Win32WindowSystem::GetCurrentThreadId() {
    return ::GetCurrentThreadId();
}

bool Win32WindowSystem::AttachThreadInput(std::uint32_t attach, std::uint32_t attachTo, bool join) {
    return ::AttachThreadInput(attach, attachTo, join ? TRUE : FALSE) != FALSE;
}

void Win32WindowSystem::SetFocus(Hwnd window) {
    ::SetFocus(ToHwnd(window));
}

Hwnd Win32WindowSystem::GetFocus() {
    return FromHwnd(::GetFocus());
}

Hwnd Win32WindowSystem::GetForegroundWindow() {
    return FromHwnd(::GetForegroundWindow());
}

std::size_t Win32WindowSystem::SendInput(const std::vector<KeyInput>& keys) {
    std::vector<INPUT> inputs(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        INPUT& in = inputs[i];
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = keys[i].vk;
        in.ki.wScan = keys[i].vk ? static_cast<WORD>(MapVirtualKeyA(keys[i].vk, MAPVK_VK_TO_VSC))
                                 : static_cast<WORD>(keys[i].unit);
        in.ki.dwFlags = (keys[i].vk ? 0 : KEYEVENTF_UNICODE) | (keys[i].up ? KEYEVENTF_KEYUP : 0);
    }
    return inputs.empty()
               ? 0
               : ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}
