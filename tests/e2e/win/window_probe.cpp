// Prints the program's windows as the tests see them: every top-level window of the form class
// (and of the tooltip, dialog and menu classes), visible or not, with its children and their
// texts.
//   top hwnd=0x.. class=C visible=1 topmost=1 foreground=1 rect=l,t,r,b title=...
//   child top=0x.. hwnd=0x.. class=C visible=1 focused=1 rect=l,t,r,b text=...
// "send HWND MESSAGE WPARAM LPARAM" (numbers as C writes them) sends one message instead, as
// the system sends it, and prints what the window answered.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string ClassOf(HWND hwnd) {
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::string TextOf(HWND hwnd) {
    // WM_GETTEXT is marshalled across processes, so edit boxes report what they show.
    char text[1024] = {};
    SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, nullptr);
    for (char& c : text) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return text;
}

std::string RectOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    char text[64];
    std::snprintf(text, sizeof text, "%ld,%ld,%ld,%ld", r.left, r.top, r.right, r.bottom);
    return text;
}

// Whether the keyboard's focus is on the window, in whichever thread it is.
bool HasFocus(HWND hwnd) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info) &&
           info.hwndFocus == hwnd;
}

BOOL CALLBACK EachChild(HWND child, LPARAM top) {
    std::printf("child top=0x%llx hwnd=0x%llx class=%s visible=%d focused=%d rect=%s text=%s\n",
                static_cast<unsigned long long>(top), reinterpret_cast<unsigned long long>(child),
                ClassOf(child).c_str(), IsWindowVisible(child) ? 1 : 0, HasFocus(child) ? 1 : 0,
                RectOf(child).c_str(), TextOf(child).c_str());
    return TRUE;
}

BOOL CALLBACK EachTop(HWND hwnd, LPARAM) {
    const std::string cls = ClassOf(hwnd);
    if (cls != "FizzmoForm" && cls != "FizzmoToolTip" && cls != "#32770" && cls != "#32768") {
        return TRUE;
    }
    const bool topmost = (GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    const bool foreground = GetForegroundWindow() == hwnd;
    // The client area on the screen: where a form draws what has no window of its own.
    RECT client{};
    GetClientRect(hwnd, &client);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    std::printf("top hwnd=0x%llx class=%s visible=%d topmost=%d foreground=%d rect=%s "
                "client=%ld,%ld,%ld,%ld title=%s\n",
                reinterpret_cast<unsigned long long>(hwnd), cls.c_str(),
                IsWindowVisible(hwnd) ? 1 : 0, topmost ? 1 : 0, foreground ? 1 : 0,
                RectOf(hwnd).c_str(), client.left, client.top, client.right, client.bottom,
                TextOf(hwnd).c_str());
    EnumChildWindows(hwnd, EachChild, reinterpret_cast<LPARAM>(hwnd));
    return TRUE;
}

// Exit code 0 when the window answered within five seconds.
int Send(char** args) {
    const auto number = [](const char* text) { return std::strtoull(text, nullptr, 0); };
    HWND hwnd = reinterpret_cast<HWND>(static_cast<UINT_PTR>(number(args[0])));
    DWORD_PTR answer = 0;
    const LRESULT sent = SendMessageTimeoutA(
        hwnd, static_cast<UINT>(number(args[1])), static_cast<WPARAM>(number(args[2])),
        static_cast<LPARAM>(number(args[3])), SMTO_NORMAL, 5000, &answer);
    std::printf("answer=%llu\n", static_cast<unsigned long long>(answer));
    std::fflush(stdout);
    return sent ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 6 && std::string(argv[1]) == "send") {
        return Send(argv + 2);
    }
    EnumWindows(EachTop, 0);
    std::fflush(stdout);
    return 0;
}
