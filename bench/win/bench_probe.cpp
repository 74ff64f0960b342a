// The benchmark's stopwatch on the Windows side, where the program's windows and input live:
//
//   bench_probe launch EXE FOLDER CLASS  starts EXE in FOLDER and waits for its first visible
//                                        top-level window of CLASS; leaves it running.
//                                        Prints "pid=N started_us=S shown_us=T".
//   bench_probe click X Y TITLE          clicks the left button at X, Y and waits for a visible
//                                        window titled TITLE ("-": does not wait).
//                                        Prints "clicked_us=C shown_us=T".
//   bench_probe memory PID               prints "private=B working=B peak_working=B".
//   bench_probe windows PID              prints "windows=N": its windows, children included.
//   bench_probe gdi PID                  prints "gdi=N": the objects in its GDI handle table,
//                                        or "gdi=unknown" when the table cannot be read the
//                                        way this probe checks on objects of its own first.
//
// Times are microseconds of the performance counter, which all processes share: C is when the
// click went in, S when the program was started, T how long after the start or the click the
// window was seen.
#include <windows.h>

#include <psapi.h>

#include "performance_clock.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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
    std::printf("pid=%lu started_us=%llu shown_us=%llu\n", process.dwProcessId, start, elapsed);
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

// Clicks at x, y and waits until the "Edit" box of the first window of the class holds at
// least `length` characters: a code typed into Notepad.
int ClickAndWaitText(int x, int y, const char* cls, int length) {
    HWND edit = FindWindowExA(FindWindowA(cls, nullptr), nullptr, "Edit", nullptr);
    if (edit == nullptr) {
        std::fprintf(stderr, "no window of class %s with an Edit box\n", cls);
        return 1;
    }
    SetCursorPos(x, y);
    Sleep(50);
    const unsigned long long start = PerformanceMicroseconds();
    Press(MOUSEEVENTF_LEFTDOWN);
    Press(MOUSEEVENTF_LEFTUP);
    const bool typed = WaitFor(start, [&] {
        DWORD_PTR chars = 0;
        SendMessageTimeoutA(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 1000, &chars);
        return chars >= static_cast<DWORD_PTR>(length);
    });
    const unsigned long long elapsed = PerformanceMicroseconds() - start;
    if (!typed) {
        std::fprintf(stderr, "fewer than %d characters in the %s window within 20 s\n", length,
                     cls);
        return 1;
    }
    std::printf("typed_us=%llu\n", elapsed);
    return 0;
}

// The floor of the figure above: this program itself brings the window forward and types
// `length` Unicode characters into it as key presses, then waits until its "Edit" box holds
// `total` characters.
int TypeAndWaitText(const char* cls, int length, int total) {
    HWND window = FindWindowA(cls, nullptr);
    HWND edit = FindWindowExA(window, nullptr, "Edit", nullptr);
    if (edit == nullptr) {
        std::fprintf(stderr, "no window of class %s with an Edit box\n", cls);
        return 1;
    }
    const unsigned long long start = PerformanceMicroseconds();
    SetForegroundWindow(window);
    std::vector<INPUT> keys(static_cast<std::size_t>(length) * 2);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wScan = 'a';
        keys[i].ki.dwFlags = KEYEVENTF_UNICODE | (i % 2 ? KEYEVENTF_KEYUP : 0);
    }
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
    const bool typed = WaitFor(start, [&] {
        DWORD_PTR chars = 0;
        SendMessageTimeoutA(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 1000, &chars);
        return chars >= static_cast<DWORD_PTR>(total);
    });
    if (!typed) {
        std::fprintf(stderr, "fewer than %d characters in the %s window within 20 s\n", total, cls);
        return 1;
    }
    std::printf("typed_us=%llu\n", PerformanceMicroseconds() - start);
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

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountWindowsOf(HWND hwnd, LPARAM param) {
    auto* counted = reinterpret_cast<std::pair<DWORD, int>*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == counted->first) {
        ++counted->second;
        EnumChildWindows(hwnd, CountChild, reinterpret_cast<LPARAM>(&counted->second));
    }
    return TRUE;
}

int Windows(DWORD pid) {
    std::pair<DWORD, int> counted{pid, 0};
    EnumWindows(CountWindowsOf, reinterpret_cast<LPARAM>(&counted));
    std::printf("windows=%d\n", counted.second);
    return 0;
}

// GetGuiResources answers 0 under Wine, so the objects are counted where the system keeps
// them: the handle table the process environment block points to, one entry per handle index,
// an entry in use while its type byte is set. The entry's layout is not documented: it is
// found, and the whole method checked, on objects this probe makes and deletes itself.
using QueryProcess = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);

struct BasicInformation {
    LONG_PTR exitStatus;
    void* peb;
    ULONG_PTR affinity;
    LONG_PTR priority;
    ULONG_PTR pid;
    ULONG_PTR parent;
};

// Where the table lies in the process: the PEB's GdiSharedHandleTable field.
constexpr std::size_t kTableFieldOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;
// How many entries the table has is not documented either: as many as can be read, of these.
constexpr std::size_t kHandleCounts[] = {0x10000, 0x4000};

std::optional<std::vector<unsigned char>> ReadTable(HANDLE process, std::size_t entrySize) {
    static const auto query = reinterpret_cast<QueryProcess>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    BasicInformation info{};
    if (!query || query(process, 0, &info, sizeof info, nullptr) != 0) {
        return std::nullopt;
    }
    void* table = nullptr;
    SIZE_T read = 0;
    if (!ReadProcessMemory(process, static_cast<char*>(info.peb) + kTableFieldOffset, &table,
                           sizeof table, &read) ||
        !table) {
        return std::nullopt;
    }
    for (std::size_t count : kHandleCounts) {
        std::vector<unsigned char> entries(count * entrySize);
        if (ReadProcessMemory(process, table, entries.data(), entries.size(), &read)) {
            return entries;
        }
    }
    return std::nullopt;
}

struct EntryLayout {
    std::size_t size;
    std::size_t typeOffset;
};

long CountInUse(const std::vector<unsigned char>& entries, EntryLayout layout) {
    long used = 0;
    for (std::size_t i = 0; i < entries.size() / layout.size; ++i) {
        used += entries[i * layout.size + layout.typeOffset] != 0 ? 1 : 0;
    }
    return used;
}

// The layout for which making 20 brushes adds exactly 20 entries in use, and deleting them
// takes exactly those away again; none when no layout does.
std::optional<EntryLayout> CheckedLayout() {
    HANDLE self = GetCurrentProcess();
    for (EntryLayout layout : {EntryLayout{24, 14}, EntryLayout{16, 12}, EntryLayout{24, 12}}) {
        const std::size_t size = layout.size;
        const auto before = ReadTable(self, size);
        std::vector<HBRUSH> made;
        for (int i = 0; i < 20; ++i) {
            made.push_back(CreateSolidBrush(RGB(i, 2 * i, 3 * i)));
        }
        const auto with = ReadTable(self, size);
        for (HBRUSH b : made) {
            DeleteObject(b);
        }
        const auto after = ReadTable(self, size);
        if (before && with && after &&
            CountInUse(*with, layout) == CountInUse(*before, layout) + 20 &&
            CountInUse(*after, layout) == CountInUse(*before, layout)) {
            return layout;
        }
    }
    return std::nullopt;
}

int Gdi(DWORD pid) {
    const std::optional<EntryLayout> layout = CheckedLayout();
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    const auto table = layout && process ? ReadTable(process, layout->size) : std::nullopt;
    if (process) {
        CloseHandle(process);
    }
    if (!table) {
        std::printf("gdi=unknown\n");
        return 0;
    }
    std::printf("gdi=%ld\n", CountInUse(*table, *layout));
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
    if (command == "clicktext" && argc == 6) {
        return ClickAndWaitText(std::atoi(argv[2]), std::atoi(argv[3]), argv[4],
                                std::atoi(argv[5]));
    }
    if (command == "typetext" && argc == 5) {
        return TypeAndWaitText(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    }
    if (command == "memory" && argc == 3) {
        return Memory(static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)));
    }
    if (command == "windows" && argc == 3) {
        return Windows(static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)));
    }
    if (command == "gdi" && argc == 3) {
        return Gdi(static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)));
    }
    std::fprintf(stderr, "usage: bench_probe launch EXE FOLDER CLASS | click X Y TITLE | "
                         "memory PID | windows PID | gdi PID\n");
    return 2;
}
