// Tells how a window scales and moves it to a monitor of another scale, as the system would:
//   dpi_probe awareness HWND     prints "awareness=N permonitorv2=0|1" (N: 0 unaware, 1 system,
//                                2 per monitor)
//   dpi_probe change HWND DPI LEFT TOP RIGHT BOTTOM
//                                sends WM_DPICHANGED with that dpi and suggested rectangle and
//                                prints "sent", once the window has handled it
// The suggested rectangle travels by pointer. Whether or not this Wine copies it across for the
// message, the window must find it: it is put at one address in both processes.
#include <windows.h>

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
    }
    std::fflush(stdout);
    return status;
}
