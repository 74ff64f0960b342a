// Holds Ctrl+Shift+F8, the program's default hot key, as another program would: prints "held"
// once it has it (or "refused"), then "pressed" each time the key comes to it.
#include <windows.h>

#include <cstdio>

int main() {
    if (!RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_SHIFT, VK_F8)) {
        std::printf("refused\n");
        return 1;
    }
    std::printf("held\n");
    std::fflush(stdout);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_HOTKEY) {
            std::printf("pressed\n");
            std::fflush(stdout);
        }
    }
    return 0;
}
