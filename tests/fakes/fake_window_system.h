#pragma once
#include "shared/window_system.h"
#include "window_call.h"

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

struct SentMessage {
    Hwnd window;
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    bool operator==(const SentMessage&) const = default;
};

// A desktop of prepared windows; records every call in order as data, and every message sent.
class FakeWindowSystem final : public WindowSystem {
  public:
    using Op = WindowCall::Op;

    static constexpr Hwnd kDesktop = 1;
    // The program's thread, and the one every prepared window belongs to.
    static constexpr std::uint32_t kOwnThread = 1;
    static constexpr std::uint32_t kWindowsThread = 2;

    // Top-level windows are stacked in the order added: the first is at the front.
    Hwnd AddTopLevel(const std::string& className, PixelRect rect = {});
    Hwnd AddChild(Hwnd parent, const std::string& className, const std::string& title,
                  PixelRect rect = {});
    void Destroy(Hwnd window);
    void BringToFront(Hwnd window);
    void SetRect(Hwnd window, PixelRect rect) { windows_.at(window).rect = rect; }
    void Minimize(Hwnd window) { windows_.at(window).iconic = true; }
    // The window answers this many more messages, then stops answering.
    void HangAfter(Hwnd window, int answers) { windows_.at(window).answersLeft = answers; }
    // The window is one of the program's own, made by its thread.
    void MakeOwn(Hwnd window) { windows_.at(window).thread = kOwnThread; }

    Hwnd foreground = 0;            // the user's foreground window; SetForegroundWindow moves it
    Hwnd focus = 0;                 // where the keyboard focus is; SetFocus moves it
    bool foregroundLocked = false;  // the system refuses to change the foreground window
    std::size_t inputAccepted = -1; // how many keys SendInput takes in
    std::vector<KeyInput> keys;     // every key put into the input stream

    std::vector<WindowCall> calls;
    std::vector<SentMessage> messages;

    // The calls of these kinds, in order.
    std::vector<WindowCall> CallsOf(std::initializer_list<Op> ops) const;

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
    std::uint32_t GetCurrentThreadId() override { return kOwnThread; }
    bool AttachThreadInput(std::uint32_t attach, std::uint32_t attachTo, bool join) override;
    void SetFocus(Hwnd window) override;
    Hwnd GetFocus() override { return focus; }
    Hwnd GetForegroundWindow() override { return foreground; }
    std::size_t SendInput(const std::vector<KeyInput>& sent) override;

  private:
    struct Window {
        std::string className;
        std::string title;
        Hwnd parent = 0;
        PixelRect rect;
        bool iconic = false;
        int answersLeft = -1; // -1: answers for ever
        std::uint32_t thread = kWindowsThread;
    };
    std::map<Hwnd, Window> windows_;
    std::vector<Hwnd> zOrder_; // front first
    Hwnd next_ = 0x100;
};
