#pragma once
#include <cstdint>
#include <string>

// An opaque native window identifier; 0 means none.
using Hwnd = std::intptr_t;

struct PixelRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

namespace win {
inline constexpr std::uint32_t WM_KEYDOWN = 0x0100;
inline constexpr std::uint32_t WM_CHAR = 0x0102;
inline constexpr std::uint32_t WM_NCLBUTTONDOWN = 0x00A1;
inline constexpr std::intptr_t HTCAPTION = 2;
inline constexpr std::uint32_t GW_HWNDNEXT = 2;
inline constexpr std::uint32_t GW_CHILD = 5;
inline constexpr Hwnd HWND_TOPMOST = -1;
inline constexpr Hwnd HWND_NOTOPMOST = -2;
inline constexpr std::uint32_t SWP_NOSIZE = 0x0001;
inline constexpr std::uint32_t SWP_NOMOVE = 0x0002;
inline constexpr std::uint32_t SWP_NOACTIVATE = 0x0010;
inline constexpr std::uint32_t SWP_SHOWWINDOW = 0x0040;
inline constexpr std::intptr_t VK_RETURN = 13;
} // namespace win

// The user32 operations that typing, dragging, topmost and docking use.
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
    virtual void SendMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) = 0;
    virtual void ReleaseCapture() = 0;
    virtual void SetWindowPos(Hwnd window, Hwnd insertAfter, int x, int y, int cx, int cy,
                              std::uint32_t flags) = 0;
    // Leaves rect untouched when the window does not exist.
    virtual void GetWindowRect(Hwnd window, PixelRect& rect) = 0;
};
