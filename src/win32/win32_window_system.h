#pragma once
#include "shared/window_system.h"

// WindowSystem over the real user32.
class Win32WindowSystem final : public WindowSystem {
  public:
    Hwnd GetDesktopWindow() override;
    Hwnd GetWindow(Hwnd window, std::uint32_t command) override;
    int GetClassNameA(Hwnd window, char* buffer, int size) override;
    Hwnd FindWindowA(const char* className, const char* title) override;
    Hwnd FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className,
                       const char* title) override;
    bool SendMessageTimeoutA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam, unsigned timeoutMs) override;
    bool IsIconic(Hwnd window) override;
    void GetWindowRect(Hwnd window, PixelRect& rect) override;
    void SetForegroundWindow(Hwnd window) override;
    std::uint32_t GetWindowThreadProcessId(Hwnd window) override;
    std::uint32_t GetCurrentThreadId() override;
    bool AttachThreadInput(std::uint32_t attach, std::uint32_t attachTo, bool join) override;
    void SetFocus(Hwnd window) override;
    Hwnd GetFocus() override;
    Hwnd GetForegroundWindow() override;
    std::size_t SendInput(const std::vector<KeyInput>& keys) override;
};
