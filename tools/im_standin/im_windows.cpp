#include "im_windows.h"

#include "performance_clock.h"

#include "standin_files.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr const char* kInputClassName = "RICHEDIT";
constexpr const char* kTitledInputText = "typed here";
constexpr int kInputMargin = 8;
constexpr int kInputHeight = 48;
constexpr int kTextPadding = 4;
constexpr int kLineSpacing = 2;
constexpr UINT_PTR kInputId = 1;

// ---- window data -------------------------------------------------------------------------

void AttachWindowData(HWND hwnd, LPARAM createParams) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(createParams);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
}

ImWindow* WindowData(HWND hwnd) {
    return reinterpret_cast<ImWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void DetachWindowData(HWND hwnd) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
}

// ---- logging ---------------------------------------------------------------------------

const char* LoggedMessageName(UINT message) {
    switch (message) {
    case WM_CHAR:
        return "WM_CHAR";
    case WM_KEYDOWN:
        return "WM_KEYDOWN";
    case WM_KEYUP:
        return "WM_KEYUP";
    case WM_SYSKEYDOWN:
        return "WM_SYSKEYDOWN";
    case WM_SYSKEYUP:
        return "WM_SYSKEYUP";
    case WM_SYSCHAR:
        return "WM_SYSCHAR";
    case WM_DEADCHAR:
        return "WM_DEADCHAR";
    case WM_UNICHAR:
        return "WM_UNICHAR";
    case WM_IME_CHAR:
        return "WM_IME_CHAR";
    default:
        return nullptr;
    }
}

// Keyboard lParams carry 32 bits; a 32-bit sender's value reaches a 64-bit window
// sign-extended, so only the low 32 bits are logged to keep both builds alike.
std::uint32_t KeyLParamBits(LPARAM lParam) {
    return static_cast<std::uint32_t>(static_cast<std::uintptr_t>(lParam) & 0xFFFFFFFFu);
}

void LogMessage(const char* name, const ImWindow& im, const char* kind, HWND hwnd, WPARAM wParam,
                LPARAM lParam) {
    const unsigned long long arrived = PerformanceMicroseconds();
    const std::string line =
        std::string(name) + " window=" + std::to_string(im.index) + " kind=" + kind + " hwnd=0x" +
        Hex(reinterpret_cast<std::uintptr_t>(hwnd)) +
        " wParam=" + std::to_string(static_cast<std::uintmax_t>(wParam)) + " lParam=0x" +
        Hex(KeyLParamBits(lParam)) + " us=" + std::to_string(arrived);
    AppendLine(App().options.logPath, line);
}

// Default handling of a logged message that did nothing else. WM_IME_CHAR is not turned
// into WM_CHAR, so the log shows exactly what was sent.
LRESULT FinishKeyMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_IME_CHAR) {
        return 0;
    }
    if (message == WM_UNICHAR) {
        return wParam == UNICODE_NOCHAR ? TRUE : FALSE;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// ---- painting ------------------------------------------------------------------------------

int LineHeight(HDC dc) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    return metrics.tmHeight + kLineSpacing;
}

int InputTop(const ImWindow& im) {
    RECT client{};
    GetClientRect(im.frame, &client);
    return client.bottom - kInputMargin - kInputHeight;
}

// Conversation lines from the top down; when they do not fit, the newest ones are shown.
void PaintConversation(HWND hwnd, const ImWindow& im) {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(hwnd, &paint);
    const HGDIOBJ oldFont = SelectObject(dc, App().font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const int lineHeight = LineHeight(dc);
    RECT client{};
    GetClientRect(hwnd, &client);
    const int bottom =
        (im.layout.noInput ? static_cast<int>(client.bottom) : InputTop(im)) - kInputMargin;
    const int fitting = std::max(0, (bottom - kInputMargin) / lineHeight);
    const std::size_t first = im.conversation.size() > static_cast<std::size_t>(fitting)
                                  ? im.conversation.size() - static_cast<std::size_t>(fitting)
                                  : 0;
    int y = kInputMargin;
    for (std::size_t i = first; i < im.conversation.size(); ++i) {
        const std::string& line = im.conversation[i];
        TextOutA(dc, kInputMargin, y, line.c_str(), static_cast<int>(line.size()));
        y += lineHeight;
    }
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &paint);
}

// White box, 1px black border, typed text in black; the end stays visible when too long.
void PaintInput(HWND hwnd, const ImWindow& im) {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(hwnd, &paint);
    RECT box{};
    GetClientRect(hwnd, &box);
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FrameRect(dc, &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const HGDIOBJ oldFont = SelectObject(dc, App().font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    RECT text = box;
    InflateRect(&text, -kTextPadding, -kTextPadding);
    SIZE extent{};
    GetTextExtentPoint32A(dc, im.typed.c_str(), static_cast<int>(im.typed.size()), &extent);
    const UINT align = extent.cx > text.right - text.left ? DT_RIGHT : DT_LEFT;
    DrawTextA(dc, im.typed.c_str(), static_cast<int>(im.typed.size()), &text,
              align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &paint);
}

// ---- input box -----------------------------------------------------------------------------

void LayoutInput(const ImWindow& im) {
    if (im.input == nullptr) {
        return;
    }
    RECT client{};
    GetClientRect(im.frame, &client);
    const int width = std::max(0, static_cast<int>(client.right) - 2 * kInputMargin);
    MoveWindow(im.input, kInputMargin, InputTop(im), width, kInputHeight, TRUE);
}

void OnInputChar(HWND hwnd, ImWindow& im, WPARAM character) {
    if (im.layout.hangAfterChar && ++im.charsSeen == 2) {
        Sleep(kHangAfterCharMs); // a messenger stuck in the middle of a code
    }
    if (character == '\b') {
        if (!im.typed.empty()) {
            im.typed.pop_back();
        }
    } else if (character != '\r' && character != '\n' && character <= 0xFF) {
        im.typed.push_back(static_cast<char>(character)); // Enter is WM_KEYDOWN VK_RETURN
    }
    InvalidateRect(hwnd, nullptr, TRUE);
    if (im.layout.dieAfterChar) {
        DestroyWindow(im.frame); // destroys this input box too; im itself stays valid
    }
}

void OnInputEnter(HWND hwnd, ImWindow& im) {
    im.conversation.push_back(im.typed);
    im.typed.clear();
    InvalidateRect(hwnd, nullptr, TRUE);
    InvalidateRect(im.frame, nullptr, TRUE);
}

LRESULT CALLBACK InputProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        AttachWindowData(hwnd, lParam);
    }
    ImWindow* im = WindowData(hwnd);
    if (im == nullptr) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (const char* name = LoggedMessageName(message)) {
        LogMessage(name, *im, "input", hwnd, wParam, lParam);
    }
    switch (message) {
    case WM_CHAR:
        OnInputChar(hwnd, *im, wParam);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            OnInputEnter(hwnd, *im);
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1; // WM_PAINT fills everything
    case WM_PAINT:
        PaintInput(hwnd, *im);
        return 0;
    case WM_NCDESTROY:
        im->input = nullptr;
        DetachWindowData(hwnd);
        break;
    default:
        break;
    }
    if (LoggedMessageName(message) != nullptr) {
        return FinishKeyMessage(hwnd, message, wParam, lParam);
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// ---- IM frame ----------------------------------------------------------------------------

bool OnFrameCreate(HWND hwnd, ImWindow& im) {
    if (im.layout.noInput) {
        return true;
    }
    const char* title = im.layout.titled ? kTitledInputText : "";
    im.input = CreateWindowExA(0, kInputClassName, title, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hwnd,
                               reinterpret_cast<HMENU>(kInputId), App().instance, &im);
    LayoutInput(im);
    return im.input != nullptr;
}

// Closing by the user (or WM_CLOSE from anyone) ends the program with its last window.
void OnFrameClose(HWND hwnd) {
    DestroyWindow(hwnd);
    if (LiveWindowCount() == 0) {
        PostQuitMessage(0);
    }
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        AttachWindowData(hwnd, lParam);
        WindowData(hwnd)->frame = hwnd;
    }
    ImWindow* im = WindowData(hwnd);
    if (im == nullptr) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (const char* name = LoggedMessageName(message)) {
        LogMessage(name, *im, "frame", hwnd, wParam, lParam);
        return FinishKeyMessage(hwnd, message, wParam, lParam);
    }
    switch (message) {
    case WM_CREATE:
        return OnFrameCreate(hwnd, *im) ? 0 : -1;
    case WM_SIZE:
        LayoutInput(*im);
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_SETFOCUS:
        if (im->input != nullptr) {
            SetFocus(im->input);
        }
        return 0;
    case WM_PAINT:
        PaintConversation(hwnd, *im);
        return 0;
    case WM_CLOSE:
        OnFrameClose(hwnd);
        return 0;
    case WM_NCDESTROY:
        im->frame = nullptr;
        im->input = nullptr;
        DetachWindowData(hwnd);
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool RegisterClassNamed(const char* name, WNDPROC procedure, HBRUSH background) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = App().instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0;
}

} // namespace

StandIn& App() {
    static StandIn app;
    return app;
}

bool RegisterWindowClasses() {
    const auto face = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    return RegisterClassNamed(App().options.className.c_str(), FrameProc, face) &&
           RegisterClassNamed(kInputClassName, InputProc, nullptr);
}

ImWindow* CreateImWindow(const WindowSpec& layout) {
    StandIn& app = App();
    auto im = std::make_unique<ImWindow>();
    im->index = static_cast<int>(app.windows.size());
    im->layout = layout;
    const std::string caption = "Stand-in IM " + std::to_string(im->index);
    ImWindow* raw = im.get();
    app.windows.push_back(std::move(im)); // the index is used even if creation fails
    const HWND frame = CreateWindowExA(0, app.options.className.c_str(), caption.c_str(),
                                       WS_OVERLAPPEDWINDOW, layout.x, layout.y, layout.width,
                                       layout.height, nullptr, nullptr, app.instance, raw);
    return frame != nullptr ? raw : nullptr;
}

void BringToFront(const ImWindow& im) {
    if (im.frame == nullptr) {
        return;
    }
    ShowWindow(im.frame, SW_SHOW);
    SetForegroundWindow(im.frame);
    SetWindowPos(im.frame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

ImWindow* FindLiveWindow(int index) {
    StandIn& app = App();
    if (index < 0 || static_cast<std::size_t>(index) >= app.windows.size()) {
        return nullptr;
    }
    ImWindow* im = app.windows[static_cast<std::size_t>(index)].get();
    return im->frame != nullptr && IsWindow(im->frame) ? im : nullptr;
}

int LiveWindowCount() {
    int count = 0;
    for (const auto& im : App().windows) {
        count += im->frame != nullptr ? 1 : 0;
    }
    return count;
}
