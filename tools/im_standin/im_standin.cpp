// Stand-in messenger for FizzmoLite's end-to-end tests: IM windows whose "RICHEDIT" input
// boxes log every keyboard message they receive.
//
//   im_standin.exe --log PATH [--state PATH] [--commands PATH] [--class NAME]
//                  --window x,y,w,h[,noinput][,titled][,dieafterchar][,hangafterchar] ...
//
// The state file lists the windows, then which has the foreground and the focus.
//
// Commands, one a line: move N x y w h, front N, topmost N (in front of every window, for good),
// destroy N, open x,y,w,h[,flags], minimize N, hang MS, quit.
//
// A log line: "WM_CHAR window=0 kind=input hwnd=0x.. wParam=58 lParam=0x270001 us=..", the last
// field the performance counter in microseconds when the message arrived.
#include "im_windows.h"
#include "standin_args.h"
#include "standin_files.h"

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr UINT kCommandsPollMs = 50;
constexpr int kExitUsage = 2;
constexpr int kExitStartupFailure = 1;
constexpr int kFontHeight = -18;

std::string Rect(HWND hwnd) {
    RECT rect{};
    if (hwnd != nullptr) {
        GetWindowRect(hwnd, &rect);
    }
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
           std::to_string(rect.right) + "," + std::to_string(rect.bottom);
}

// Which of our windows is the foreground window and which has the keyboard focus, if any.
std::string FocusText() {
    const HWND foreground = GetForegroundWindow();
    const HWND focus = GetFocus();
    std::string text;
    for (const auto& im : App().windows) {
        if (im->frame != nullptr && im->frame == foreground) {
            text += "foreground window=" + std::to_string(im->index) + "\n";
        }
        if (focus != nullptr && (focus == im->frame || focus == im->input)) {
            text += "focus window=" + std::to_string(im->index) +
                    (focus == im->input ? " kind=input\n" : " kind=frame\n");
        }
    }
    return text;
}

std::string StateText() {
    std::string text;
    for (const auto& im : App().windows) {
        if (im->frame == nullptr) {
            continue;
        }
        text += "window " + std::to_string(im->index) + " hwnd=0x" +
                Hex(reinterpret_cast<std::uintptr_t>(im->frame)) + " rect=" + Rect(im->frame) +
                " input=0x" + Hex(reinterpret_cast<std::uintptr_t>(im->input)) +
                " inputRect=" + Rect(im->input) + "\n";
    }
    return text + FocusText() + (App().hanging ? "hanging\n" : "") + "ready\n";
}

// Always rewrites when forced (start-up, after commands); otherwise only on a change.
void WriteState(bool force) {
    static std::string lastWritten;
    StandIn& app = App();
    if (app.options.statePath.empty()) {
        return;
    }
    const std::string text = StateText();
    if ((force || text != lastWritten) && WriteFileAtomically(app.options.statePath, text)) {
        lastWritten = text;
    }
}

// ---- commands ------------------------------------------------------------------------------

void CommandMove(const std::vector<std::string_view>& words) {
    const auto index = ParseInt(words[1]);
    const auto x = ParseInt(words[2]);
    const auto y = ParseInt(words[3]);
    const auto width = ParseInt(words[4]);
    const auto height = ParseInt(words[5]);
    ImWindow* im = index ? FindLiveWindow(*index) : nullptr;
    if (im != nullptr && x && y && width && height && *width >= 1 && *height >= 1) {
        MoveWindow(im->frame, *x, *y, *width, *height, TRUE); // WM_SIZE re-lays out the input
    }
}

void CommandFront(std::string_view indexText) {
    const auto index = ParseInt(indexText);
    if (ImWindow* im = index ? FindLiveWindow(*index) : nullptr) {
        BringToFront(*im);
    }
}

void CommandTopmost(std::string_view indexText) {
    const auto index = ParseInt(indexText);
    if (ImWindow* im = index ? FindLiveWindow(*index) : nullptr) {
        SetWindowPos(im->frame, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
}

void CommandDestroy(std::string_view indexText) {
    const auto index = ParseInt(indexText);
    if (ImWindow* im = index ? FindLiveWindow(*index) : nullptr) {
        DestroyWindow(im->frame); // never quits, even when it was the last window
    }
}

void CommandOpen(std::string_view specText) {
    const auto layout = ParseWindowSpec(specText);
    if (!layout) {
        return;
    }
    if (ImWindow* im = CreateImWindow(*layout)) {
        BringToFront(*im);
    }
}

void CommandMinimize(std::string_view indexText) {
    const auto index = ParseInt(indexText);
    if (ImWindow* im = index ? FindLiveWindow(*index) : nullptr) {
        ShowWindow(im->frame, SW_MINIMIZE);
    }
}

// The whole messenger stops answering, as a hung program does; the state file says so first.
void CommandHang(std::string_view millisecondsText) {
    const auto milliseconds = ParseInt(millisecondsText);
    if (milliseconds && *milliseconds > 0) {
        App().hanging = true;
        WriteState(true);
        Sleep(static_cast<DWORD>(*milliseconds));
        App().hanging = false;
    }
}

// Runs one line; returns false on "quit". Unknown or malformed lines are ignored.
bool RunCommand(std::string_view line) {
    const std::vector<std::string_view> words = SplitWhitespace(line);
    if (words.empty()) {
        return true;
    }
    const std::string_view name = words[0];
    if (name == "move" && words.size() == 6) {
        CommandMove(words);
    } else if (name == "front" && words.size() == 2) {
        CommandFront(words[1]);
    } else if (name == "topmost" && words.size() == 2) {
        CommandTopmost(words[1]);
    } else if (name == "destroy" && words.size() == 2) {
        CommandDestroy(words[1]);
    } else if (name == "open" && words.size() == 2) {
        CommandOpen(words[1]);
    } else if (name == "minimize" && words.size() == 2) {
        CommandMinimize(words[1]);
    } else if (name == "hang" && words.size() == 2) {
        CommandHang(words[1]);
    } else if (name == "quit" && words.size() == 1) {
        return false;
    }
    return true;
}

// Returns false when a "quit" line was run (the state file is then left as it is).
bool RunCommandsFile() {
    const auto content = TakeFile(App().options.commandsPath);
    if (!content) {
        return true;
    }
    for (std::string_view line : Split(*content, '\n')) {
        if (!RunCommand(line)) {
            return false;
        }
    }
    WriteState(true);
    return true;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    static bool busy = false; // a command's nested message loop must not re-enter
    static bool quitting = false;
    if (busy || quitting) {
        return;
    }
    busy = true;
    if (!App().options.commandsPath.empty() && !RunCommandsFile()) {
        quitting = true;
        PostQuitMessage(0);
    } else {
        WriteState(false); // a window moved, vanished or took the focus by other means
    }
    busy = false;
}

// ---- start-up ----------------------------------------------------------------------------

std::vector<std::string> Arguments() {
    std::vector<std::string> args;
    for (int i = 1; i < __argc; ++i) {
        args.emplace_back(__argv[i] != nullptr ? __argv[i] : "");
    }
    return args;
}

// Window 0 ends frontmost, window 1 below it, and so on.
void ShowInitialWindows() {
    std::vector<std::unique_ptr<ImWindow>>& windows = App().windows;
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        BringToFront(**it);
    }
    for (std::size_t i = 1; i < windows.size(); ++i) {
        SetWindowPos(windows[i]->frame, windows[i - 1]->frame, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

HFONT CreateTextFont() {
    return CreateFontA(kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, "Tahoma");
}

int RunMessageLoop() {
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const auto options = ParseCommandLine(Arguments());
    if (!options) {
        return kExitUsage;
    }
    StandIn& app = App();
    app.options = *options;
    app.instance = instance;
    if (!CreateEmptyFile(app.options.logPath) || !RegisterWindowClasses()) {
        return kExitStartupFailure;
    }
    app.font = CreateTextFont();
    for (const WindowSpec& layout : app.options.windows) {
        if (CreateImWindow(layout) == nullptr) {
            return kExitStartupFailure;
        }
    }
    ShowInitialWindows();
    WriteState(true);
    if (!app.options.statePath.empty() || !app.options.commandsPath.empty()) {
        SetTimer(nullptr, 0, kCommandsPollMs, OnTimer);
    }
    const int exitCode = RunMessageLoop();
    if (app.font != nullptr) {
        DeleteObject(app.font);
    }
    return exitCode;
}
