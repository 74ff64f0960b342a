// The yardstick for FizzmoLite's start-up and memory: the least a Win32 program with one plain
// window does. It shows its window and ends when that window is closed (the benchmark closes it
// once it has been seen and measured), or after 30 seconds should nobody close it. A click on
// it shows, and the next hides, a second plain window made hidden at start: the floor for a
// window shown by a click.
#include <windows.h>

namespace {

constexpr UINT_PTR kGiveUpTimer = 1;
constexpr UINT kGiveUpMs = 30000;
HWND popup = nullptr;

LRESULT CALLBACK BaselineProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        DestroyWindow(hwnd);
        return 0;
    case WM_LBUTTONUP: // the benchmark's floor: how soon a click reaches a window at all
        SetWindowTextA(hwnd, "Baseline clicked");
        ShowWindow(popup, IsWindowVisible(popup) ? SW_HIDE : SW_SHOW);
        return 0;
    case WM_DESTROY:
        if (hwnd != popup) {
            PostQuitMessage(0);
        }
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = BaselineProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "FizzmoBaseline";
    if (!RegisterClassA(&wc)) {
        return 1;
    }
    HWND hwnd = CreateWindowA("FizzmoBaseline", "Baseline", WS_OVERLAPPEDWINDOW, 100, 100, 200, 120,
                              nullptr, nullptr, instance, nullptr);
    if (hwnd == nullptr) {
        return 1;
    }
    // Where the benchmark looks for it: 100, 260, 200 x 240.
    popup = CreateWindowExA(WS_EX_TOOLWINDOW, "FizzmoBaseline", "Baseline popup",
                            WS_POPUP | WS_CAPTION | WS_SYSMENU, 100, 260, 200, 240, hwnd, nullptr,
                            instance, nullptr);
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    SetTimer(hwnd, kGiveUpTimer, kGiveUpMs, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
