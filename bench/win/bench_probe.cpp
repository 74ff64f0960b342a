// The benchmark's stopwatch on the Windows side, where the program's windows and input live:
//
//   bench_probe launch EXE FOLDER CLASS  starts EXE in FOLDER and waits for its first visible
//                                        top-level window of CLASS; leaves it running.
//                                        Prints "pid=N shown_us=T".
//   bench_probe click X Y TITLE          clicks the left button at X, Y and waits for a visible
//                                        window titled TITLE ("-": does not wait).
//                                        Prints "clicked_us=C shown_us=T".
//   bench_probe memory PID               prints "private=B working=B peak_working=B".
//
// Times are microseconds of the performance counter, which all processes share: C is when the
// click went in, T how long after the start or the click the window was seen.
#include <windows.h>

#include <psapi.h>

#include "performance_clock.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr unsigned long long kGiveUpUs = 20000000;

struct WindowOf {
    DWORD pid;
    const char* cls;
    bool found;
};

BOOL CALLBACK LookForWindow(HWND hwnd, LPARAM param) {
    auto* wanted = reinterpret_cast<WindowOf*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char cls[256] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (pid == wanted->pid && IsWindowVisible(hwnd) && std::string(cls) == wanted->cls) {
        wanted->found = true;
        return FALSE;
    }
    return TRUE;
}

// Polls every millisecond: often enough for the figures, seldom enough not to keep the
// wineserver, which the program needs too, busy with the questions.
template <typename Seen> bool WaitFor(unsigned long long start, Seen seen) {
    while (!seen()) {
        if (PerformanceMicroseconds() - start > kGiveUpUs) {
            return false;
        }
        Sleep(1);
    }
    return true;
}

int Launch(const char* exe, const char* folder, const char* cls) {
    std::string commandLine = std::string("\"") + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const unsigned long long start = PerformanceMicroseconds();
    if (!CreateProcessA(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder,
                        &startup, &process)) {
        std::fprintf(stderr, "cannot start %s (error %lu)\n", exe, GetLastError());
        return 1;
    }
    WindowOf wanted{process.dwProcessId, cls, false};
    const bool shown = WaitFor(start, [&] {
        EnumWindows(LookForWindow, reinterpret_cast<LPARAM>(&wanted));
        return wanted.found;
    });
    const unsigned long long elapsed = PerformanceMicroseconds() - start;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!shown) {
        std::fprintf(stderr, "no visible %s window within 20 s\n", cls);
        return 1;
    }
    std::printf("pid=%lu shown_us=%llu\n", process.dwProcessId, elapsed);
    return 0;
}

void Press(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

int ClickAndWait(int x, int y, const char* title) {
    SetCursorPos(x, y);
    Sleep(50); // let the hover settle, as it has before a person presses
    const unsigned long long start = PerformanceMicroseconds();
    Press(MOUSEEVENTF_LEFTDOWN);
    Press(MOUSEEVENTF_LEFTUP);
    const bool wait = std::string(title) != "-";
    const bool shown = !wait || WaitFor(start, [&] {
        HWND hwnd = FindWindowA(nullptr, title);
        return hwnd != nullptr && IsWindowVisible(hwnd);
    });
    const unsigned long long elapsed = wait ? PerformanceMicroseconds() - start : 0;
    if (!shown) {
        std::fprintf(stderr, "no visible window \"%s\" within 20 s\n", title);
        return 1;
    }
    std::printf("clicked_us=%llu shown_us=%llu\n", start, elapsed);
    return 0;
}

int Memory(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (process == nullptr) {
        std::fprintf(stderr, "cannot open process %lu (error %lu)\n", pid, GetLastError());
        return 1;
    }
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    const BOOL ok = GetProcessMemoryInfo(
        process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    CloseHandle(process);
    if (!ok) {
        std::fprintf(stderr, "no memory figures for process %lu\n", pid);
        return 1;
    }
    std::printf("private=%llu working=%llu peak_working=%llu\n",
                static_cast<unsigned long long>(counters.PrivateUsage),
                static_cast<unsigned long long>(counters.WorkingSetSize),
                static_cast<unsigned long long>(counters.PeakWorkingSetSize));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "launch" && argc == 5) {
        return Launch(argv[2], argv[3], argv[4]);
    }
    if (command == "click" && argc == 5) {
        return ClickAndWait(std::atoi(argv[2]), std::atoi(argv[3]), argv[4]);
    }
    if (command == "memory" && argc == 3) {
        return Memory(static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)));
    }
    std::fprintf(stderr, "usage: bench_probe launch EXE FOLDER CLASS | click X Y TITLE | "
                         "memory PID\n");
    return 2;
}
