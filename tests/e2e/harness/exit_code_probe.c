/* A tiny Windows program the harness self-test runs under Wine.
 * Usage: exit_code_probe.exe exit N          ends with exit code N
 *        exit_code_probe.exe echo TEXT...    prints the words on stdout, one line, then ends with 0
 *        exit_code_probe.exe sleep MS        sleeps MS milliseconds, then ends with 0
 *        exit_code_probe.exe window TITLE    shows a 300x200 window at (100,100) titled TITLE; ends
 *                                            with 10 + the mouse button clicked in it (1 left,
 *                                            2 middle, 3 right) or with 100 + the virtual-key code
 *                                            of a key pressed in it
 *        exit_code_probe.exe args ARGS...    prints each argument on a line of its own, ends with 0
 */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static LRESULT CALLBACK ProbeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        PostQuitMessage(11);
        return 0;
    case WM_MBUTTONDOWN:
        PostQuitMessage(12);
        return 0;
    case WM_RBUTTONDOWN:
        PostQuitMessage(13);
        return 0;
    case WM_KEYDOWN:
        PostQuitMessage(100 + (int)wParam);
        return 0;
    case WM_CLOSE:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

static int ShowProbeWindow(const char* title) {
    WNDCLASSA windowClass;
    HWND window;
    MSG message;
    memset(&windowClass, 0, sizeof windowClass);
    windowClass.lpfnWndProc = ProbeWindowProc;
    windowClass.hInstance = GetModuleHandleA(NULL);
    windowClass.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    windowClass.lpszClassName = "ExitCodeProbeWindow";
    if (!RegisterClassA(&windowClass)) {
        return 2;
    }
    window = CreateWindowExA(0, windowClass.lpszClassName, title, WS_OVERLAPPEDWINDOW, 100, 100, 300, 200,
                             NULL, NULL, windowClass.hInstance, NULL);
    if (window == NULL) {
        return 3;
    }
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    SetForegroundWindow(window);
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return (int)message.wParam;
}

int main(int argc, char** argv) {
    int i;
    if (argc == 3 && strcmp(argv[1], "exit") == 0) {
        return atoi(argv[2]);
    }
    if (argc >= 2 && strcmp(argv[1], "echo") == 0) {
        for (i = 2; i < argc; ++i) {
            printf(i > 2 ? " %s" : "%s", argv[i]);
        }
        printf("\n");
        fflush(stdout);
        return 0;
    }
    if (argc >= 2 && strcmp(argv[1], "args") == 0) {
        for (i = 2; i < argc; ++i) {
            printf("%s\n", argv[i]);
        }
        fflush(stdout);
        return 0;
    }
    if (argc == 3 && strcmp(argv[1], "sleep") == 0) {
        Sleep((DWORD)strtoul(argv[2], NULL, 10));
        return 0;
    }
    if (argc == 3 && strcmp(argv[1], "window") == 0) {
        return ShowProbeWindow(argv[2]);
    }
    fprintf(stderr, "usage: exit_code_probe exit N | echo TEXT... | args ARGS... | sleep MS | window TITLE\n");
    return 2;
}
