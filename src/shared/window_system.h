#pragma once
#include <cstdint>
#include <string>
#include <vector>

// An opaque native window identifier; 0 means none.
using Hwnd = std::intptr_t;

struct PixelRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// One key press or release as a keyboard makes it: a virtual key, or a UTF-16 unit typed as
// itself whatever the keyboard layout (vk 0).
struct KeyInput {
    std::uint16_t vk = 0;
    char16_t unit = 0;
    bool up = false;
    bool operator==(const KeyInput&) const = default;
};

// The user32 operations on other programs' windows: finding the IM window and the window the
// user works in, typing into them, giving them back the focus, and keeping the launcher beside
// the IM window.
// Results the program ignores are not returned.
class WindowSystem {
  public:
    virtual ~WindowSystem() = default;

    virtual Hwnd GetDesktopWindow() = 0;
    virtual Hwnd GetWindow(Hwnd window, std::uint32_t command) = 0;
    // Copies at most size - 1 characters of the class name into buffer and returns how many.
    virtual int GetClassNameA(Hwnd window, char* buffer, int size) = 0;
    // title == nullptr matches any title; "" matches only an empty one.
    virtual Hwnd FindWindowA(const char* className, const char* title) = 0;
    virtual Hwnd FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className,
                               const char* title) = 0;
    // Sends and waits at most timeoutMs, giving up at once on a window that has stopped
    // answering; false when the message was not processed in time (or there is no window).
    virtual bool SendMessageTimeoutA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                                     std::intptr_t lParam, unsigned timeoutMs) = 0;
    virtual bool IsIconic(Hwnd window) = 0;
    // Leaves rect untouched when the window does not exist.
    virtual void GetWindowRect(Hwnd window, PixelRect& rect) = 0;
    virtual void SetForegroundWindow(Hwnd window) = 0;
    // The thread that made the window; 0 when there is no such window.
    virtual std::uint32_t GetWindowThreadProcessId(Hwnd window) = 0;
    virtual std::uint32_t GetCurrentThreadId() = 0;
    virtual bool AttachThreadInput(std::uint32_t attach, std::uint32_t attachTo, bool join) = 0;
    virtual void SetFocus(Hwnd window) = 0;
    // The window with the keyboard focus in this thread's input state (shared with the threads
    // it is attached to); 0 when none.
    virtual Hwnd GetFocus() = 0;
    virtual Hwnd GetForegroundWindow() = 0;
    // Puts the keys into the system's input stream, where the foreground window's focused
    // control takes them as typing; gives how many went in.
    virtual std::size_t SendInput(const std::vector<KeyInput>& keys) = 0;
};
