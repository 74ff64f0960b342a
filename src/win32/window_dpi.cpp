#include "window_dpi.h"

namespace {

template <typename Function> Function Lookup(const char* module, const char* name) {
    HMODULE loaded = GetModuleHandleA(module); // loaded once, then found
    if (!loaded) {
        // From the system's folder only: a DLL of that name beside the program (in Downloads,
        // say) must never be the one loaded.
        char path[MAX_PATH + 32] = {};
        const UINT length = GetSystemDirectoryA(path, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) {
            return nullptr;
        }
        lstrcatA(path, "\\");
        lstrcatA(path, module);
        loaded = LoadLibraryA(path);
    }
    return loaded
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(loaded, name)))
               : nullptr;
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using EnableNonClientDpiScalingFn = BOOL(WINAPI*)(HWND);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);

constexpr int kEffectiveDpi = 0; // MDT_EFFECTIVE_DPI

} // namespace

int WindowDpi(HWND window, int fallback) {
    // Windows 10 knows each window's own; Windows 8.1 each monitor's. Looked up at each call
    // (a form's making or rescaling), which costs less than a guarded static.
    const auto forWindow = Lookup<GetDpiForWindowFn>("user32.dll", "GetDpiForWindow");
    if (forWindow) {
        const UINT dpi = forWindow(window);
        return dpi ? static_cast<int>(dpi) : fallback;
    }
    const auto forMonitor = Lookup<GetDpiForMonitorFn>("shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (forMonitor &&
        SUCCEEDED(forMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x,
                             &y)) &&
        x) {
        return static_cast<int>(x);
    }
    return fallback;
}

void ScaleNonClientArea(HWND window) {
    if (const auto enable =
            Lookup<EnableNonClientDpiScalingFn>("user32.dll", "EnableNonClientDpiScaling")) {
        enable(window);
    }
}

RECT OuterForClient(const RECT& client, DWORD style, DWORD exStyle, int dpi) {
    const auto forDpi =
        Lookup<AdjustWindowRectExForDpiFn>("user32.dll", "AdjustWindowRectExForDpi");
    RECT outer = client;
    if (!forDpi || !forDpi(&outer, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        outer = client;
        AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    }
    return outer;
}

int SystemMetricAt(int index, int dpi, int systemDpi) {
    if (const auto forDpi =
            Lookup<GetSystemMetricsForDpiFn>("user32.dll", "GetSystemMetricsForDpi")) {
        return forDpi(index, static_cast<UINT>(dpi));
    }
    return MulDiv(GetSystemMetrics(index), dpi, systemDpi > 0 ? systemDpi : 96);
}

RECT SuggestedRect(HWND window, LPARAM lParam) {
    RECT r{};
    GetWindowRect(window, &r);
    const auto* suggested = reinterpret_cast<const RECT*>(lParam);
    MEMORY_BASIC_INFORMATION memory{};
    constexpr DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY |
                                PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    if (!suggested || VirtualQuery(suggested, &memory, sizeof memory) != sizeof memory ||
        memory.State != MEM_COMMIT || !(memory.Protect & kReadable) ||
        (memory.Protect & PAGE_GUARD)) {
        return r;
    }
    const auto* end = static_cast<const char*>(memory.BaseAddress) + memory.RegionSize;
    if (reinterpret_cast<const char*>(suggested + 1) > end) {
        return r;
    }
    return *suggested;
}
