// Tells how a window scales, moves it to a monitor of another scale as the system would, and
// measures the text in a form's text box:
//   dpi_probe awareness HWND     prints "awareness=N permonitorv2=0|1" (N: 0 unaware, 1 system,
//                                2 per monitor)
//   dpi_probe change HWND DPI LEFT TOP RIGHT BOTTOM
//                                sends WM_DPICHANGED with that dpi and suggested rectangle and
//                                prints "sent", once the window has handled it
//   dpi_probe text HWND          of the form's text box, on the screen: "area=LEFT,RIGHT end=X",
//                                the columns it shows text in (inside its margins) and where
//                                its text ends (the first column after the last character)
//   dpi_probe hidetext HWND      hides the form's text box, so the form draws what lies under it
// The suggested rectangle travels by pointer. Whether or not this Wine copies it across for the
// message, the window must find it: it is put at one address in both processes.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using GetWindowContextFn = DPI_AWARENESS_CONTEXT(WINAPI*)(HWND);
using AwarenessFn = DPI_AWARENESS(WINAPI*)(DPI_AWARENESS_CONTEXT);
using ContextsEqualFn = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT, DPI_AWARENESS_CONTEXT);

template <typename Function> Function Find(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

int Awareness(HWND window) {
    const auto context = Find<GetWindowContextFn>("GetWindowDpiAwarenessContext");
    const auto awareness = Find<AwarenessFn>("GetAwarenessFromDpiAwarenessContext");
    const auto equal = Find<ContextsEqualFn>("AreDpiAwarenessContextsEqual");
    if (!context || !awareness || !equal) {
        std::printf("no dpi awareness calls\n");
        return 2;
    }
    const DPI_AWARENESS_CONTEXT c = context(window);
    std::printf("awareness=%d permonitorv2=%d\n", static_cast<int>(awareness(c)),
                equal(c, DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2) ? 1 : 0);
    return 0;
}

// A page at the same address there and here, holding the rectangle.
void* SharedRect(HANDLE process, const RECT& rect) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        void* there =
            VirtualAllocEx(process, nullptr, sizeof rect, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        if (!there) {
            return nullptr;
        }
        SIZE_T written = 0;
        if (VirtualAlloc(there, sizeof rect, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE) == there &&
            WriteProcessMemory(process, there, &rect, sizeof rect, &written) &&
            written == sizeof rect) {
            *static_cast<RECT*>(there) = rect;
            return there;
        }
        // That address is taken here: it stays taken there too, and the next one is tried.
    }
    return nullptr;
}

int Change(HWND window, int dpi, const RECT& rect) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) {
        std::printf("cannot open the window's process\n");
        return 2;
    }
    void* shared = SharedRect(process, rect);
    if (!shared) {
        std::printf("no address free in both processes\n");
        return 2;
    }
    DWORD_PTR result = 0;
    const WPARAM dpis = MAKEWPARAM(dpi, dpi);
    const bool handled = SendMessageTimeoutA(window, 0x02E0, dpis, reinterpret_cast<LPARAM>(shared),
                                             SMTO_ABORTIFHUNG, 10000, &result) != 0;
    VirtualFreeEx(process, shared, 0, MEM_RELEASE);
    CloseHandle(process);
    std::printf(handled ? "sent\n" : "not handled\n");
    return handled ? 0 : 1;
}

// The caret put after the last character stands where the text ends; the text's start tells
// how far the box scrolled to show it, and the caret goes back to the start, where it was.
int Text(HWND form) {
    HWND box = FindWindowExA(form, nullptr, "Edit", nullptr);
    const auto length = static_cast<int>(SendMessageA(box, WM_GETTEXTLENGTH, 0, 0));
    const auto startX = [box] {
        return static_cast<short>(LOWORD(SendMessageA(box, EM_POSFROMCHAR, 0, 0)));
    };
    const int start = startX();
    SendMessageA(box, EM_SETSEL, length, length);
    const int scrolledStart = startX();
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    const bool caret =
        GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &gui) && gui.hwndCaret == box;
    SendMessageA(box, EM_SETSEL, 0, 0);
    if (!box || length == 0 || !caret) {
        std::printf("no text box with text and the caret\n");
        return 1;
    }
    const int end = gui.rcCaret.left + start - scrolledStart;
    RECT client{};
    GetClientRect(box, &client);
    const LRESULT margins = SendMessageA(box, EM_GETMARGINS, 0, 0);
    RECT shown{};
    SendMessageA(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&shown));
    // Inside both the margins and the rectangle the box formats its text in.
    POINT area[2] = {{std::max<LONG>(client.left + LOWORD(margins), shown.left), 0},
                     {std::min<LONG>(client.right - HIWORD(margins), shown.right), 0}};
    POINT ends = {end, 0};
    MapWindowPoints(box, nullptr, area, 2);
    MapWindowPoints(box, nullptr, &ends, 1);
    std::printf("area=%ld,%ld end=%ld\n", area[0].x, area[1].x, ends.x);
    return 0;
}

int HideText(HWND form) {
    HWND box = FindWindowExA(form, nullptr, "Edit", nullptr);
    if (!box) {
        std::printf("no text box\n");
        return 1;
    }
    ShowWindow(box, SW_HIDE);
    UpdateWindow(form);
    std::printf("hidden\n");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        return 2;
    }
    const auto window =
        reinterpret_cast<HWND>(static_cast<INT_PTR>(std::strtoull(argv[2], nullptr, 0)));
    int status = 2;
    if (std::strcmp(argv[1], "awareness") == 0) {
        status = Awareness(window);
    } else if (std::strcmp(argv[1], "change") == 0 && argc == 8) {
        const RECT rect{std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]),
                        std::atoi(argv[7])};
        status = Change(window, std::atoi(argv[3]), rect);
    } else if (std::strcmp(argv[1], "text") == 0) {
        status = Text(window);
    } else if (std::strcmp(argv[1], "hidetext") == 0) {
        status = HideText(window);
    }
    std::fflush(stdout);
    return status;
}
