#pragma once
#include "shared/window_system.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <utility>

// One call the program made on the window system, as data. What an operation does not take
// stays at its default, so that calls compare whole.
struct WindowCall {
    enum class Op {
        GetDesktopWindow,
        GetWindow,
        GetClassNameA,
        FindWindowA,
        FindWindowExA,
        SendMessageTimeoutA,
        IsIconic,
        GetWindowRect,
        SetForegroundWindow,
        GetWindowThreadProcessId,
        AttachThreadInput,
        SetFocus,
        SendInput,
    };

    Op op = Op::GetDesktopWindow;
    Hwnd window = 0; // the window asked about or acted on; the parent searched in
    std::uint32_t command = 0;
    int size = 0; // of the buffer for a class name
    Hwnd childAfter = 0;
    std::optional<std::string> className{}; // none: a null pointer
    std::optional<std::string> title{};
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    unsigned timeoutMs = 0;
    std::uint32_t thread = 0; // the thread whose input is attached, and the one it joins
    std::uint32_t toThread = 0;
    bool join = false;
    std::size_t keys = 0; // put into the input stream
    bool operator==(const WindowCall&) const = default;

    // Each call as the program makes it, with the window system's arguments in their order.
    static WindowCall GetDesktopWindow() { return {.op = Op::GetDesktopWindow}; }
    static WindowCall GetWindow(Hwnd window, std::uint32_t command) {
        return {.op = Op::GetWindow, .window = window, .command = command};
    }
    static WindowCall GetClassNameA(Hwnd window, int size) {
        return {.op = Op::GetClassNameA, .window = window, .size = size};
    }
    static WindowCall FindWindowA(std::optional<std::string> className,
                                  std::optional<std::string> title) {
        return {
            .op = Op::FindWindowA, .className = std::move(className), .title = std::move(title)};
    }
    static WindowCall FindWindowExA(Hwnd parent, Hwnd childAfter,
                                    std::optional<std::string> className,
                                    std::optional<std::string> title) {
        return {.op = Op::FindWindowExA,
                .window = parent,
                .childAfter = childAfter,
                .className = std::move(className),
                .title = std::move(title)};
    }
    static WindowCall SendMessageTimeoutA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                                          std::intptr_t lParam, unsigned timeoutMs) {
        return {.op = Op::SendMessageTimeoutA,
                .window = window,
                .message = message,
                .wParam = wParam,
                .lParam = lParam,
                .timeoutMs = timeoutMs};
    }
    static WindowCall IsIconic(Hwnd window) { return {.op = Op::IsIconic, .window = window}; }
    static WindowCall GetWindowRect(Hwnd window) {
        return {.op = Op::GetWindowRect, .window = window};
    }
    static WindowCall SetForegroundWindow(Hwnd window) {
        return {.op = Op::SetForegroundWindow, .window = window};
    }
    static WindowCall GetWindowThreadProcessId(Hwnd window) {
        return {.op = Op::GetWindowThreadProcessId, .window = window};
    }
    static WindowCall AttachThreadInput(std::uint32_t attach, std::uint32_t attachTo, bool join) {
        return {.op = Op::AttachThreadInput, .thread = attach, .toThread = attachTo, .join = join};
    }
    static WindowCall SetFocus(Hwnd window) { return {.op = Op::SetFocus, .window = window}; }
    static WindowCall SendInput(std::size_t keys) { return {.op = Op::SendInput, .keys = keys}; }
};

// As the program's calls read: "SetFocus(258)", "AttachThreadInput(1,2,attach)".
std::ostream& operator<<(std::ostream& out, const WindowCall& call);
