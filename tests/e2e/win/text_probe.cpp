// Prints what a window shows: "text_probe CLASS [TITLE]" finds the first visible top-level
// window of the class (and title) and prints
//   window hwnd=0x.. foreground=1 rect=l,t,r,b focus=CLASS
//   child class=C text=...
// one line per child, texts read with WM_GETTEXT in Unicode and written as UTF-8, with CR, LF
// and backslash written \r, \n and \\. Exit code 1 when there is no such window.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string ClassOf(HWND hwnd) {
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::string Utf8TextOf(HWND hwnd) {
    wchar_t text[4096] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, sizeof text / sizeof text[0],
                        reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &length);
    char utf8[4 * 4096] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::string out;
    for (const char* c = utf8; *c; ++c) {
        switch (*c) {
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out += *c;
        }
    }
    return out;
}

BOOL CALLBACK EachChild(HWND child, LPARAM) {
    std::printf("child class=%s text=%s\n", ClassOf(child).c_str(), Utf8TextOf(child).c_str());
    return TRUE;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        return 2;
    }
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, argv[1], argc == 3 ? argv[2] : nullptr)) &&
           !IsWindowVisible(window)) {
    }
    if (!window) {
        return 1;
    }
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &gui);
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("window hwnd=0x%llx foreground=%d rect=%ld,%ld,%ld,%ld focus=%s\n",
                reinterpret_cast<unsigned long long>(window),
                GetForegroundWindow() == window ? 1 : 0, r.left, r.top, r.right, r.bottom,
                gui.hwndFocus ? ClassOf(gui.hwndFocus).c_str() : "");
    EnumChildWindows(window, EachChild, 0);
    std::fflush(stdout);
    return 0;
}
