#include "typist.h"

#include "messenger_messages.h"
#include "scan_codes.h"

#include <algorithm>

namespace {

constexpr int kClassNameBufferSize = 255;
constexpr std::intptr_t kEnterKeyData = 0x1C0001;

int HexValue(const std::string& digits) {
    int value = 0;
    for (char c : digits) {
        value = value * 16 + (c <= '9' ? c - '0' : c - 'A' + 10);
    }
    return value;
}

// Key data of a character message: scan code in bits 16-23, repeat count 1.
std::intptr_t CharKeyData(char character) {
    const std::string scanCode =
        character == '"' ? std::string("28") : CharToScanCode(std::string_view(&character, 1));
    return static_cast<std::intptr_t>(HexValue(scanCode)) * 65536 + 1;
}

Hwnd FindFrontmostIMWindow(WindowSystem& windows) {
    for (Hwnd w = windows.GetWindow(windows.GetDesktopWindow(), win::kGwChild); w != 0;
         w = windows.GetWindow(w, win::kGwHwndNext)) {
        if (GetWindowClassName(windows, w) == "IMClass") {
            return w;
        }
    }
    return 0;
}

} // namespace

std::string GetWindowClassName(WindowSystem& windows, Hwnd window) {
    char buffer[kClassNameBufferSize + 1] = {};
    const int written = windows.GetClassNameA(window, buffer, kClassNameBufferSize);
    const int length = std::clamp(written, 0, kClassNameBufferSize - 1);
    return std::string(buffer, static_cast<std::size_t>(length));
}

TypingOutcome TypeIntoIMWindow(WindowSystem& windows, const OptionsRecord& options,
                               std::string_view text, IMTarget* typedInto) {
    // An Enter alone would send whatever the user had half typed.
    if (text.empty()) {
        return TypingOutcome::NothingTyped;
    }
    return TypeIntoIMWindowOf(windows, options, FindFrontmostIMWindow(windows), text, typedInto);
}

TypingOutcome TypeIntoIMWindowOf(WindowSystem& windows, const OptionsRecord& options, Hwnd imWindow,
                                 std::string_view text, IMTarget* typedInto) {
    if (text.empty() || imWindow == 0) {
        return TypingOutcome::NothingTyped;
    }
    const Hwnd inputBox = windows.FindWindowExA(imWindow, 0, "RICHEDIT", "");
    if (inputBox == 0) {
        return TypingOutcome::NothingTyped;
    }
    // A harmless message first: a character that timed out would still arrive once the
    // messenger wakes up, this does not.
    if (!windows.SendMessageTimeoutA(inputBox, win::kWmNull, 0, 0, kAnswerTimeoutMs)) {
        return TypingOutcome::NotAnswering;
    }
    for (char character : text.substr(0, kMaxTypedLength)) {
        if (!windows.SendMessageTimeoutA(inputBox, win::kWmChar,
                                         static_cast<unsigned char>(character),
                                         CharKeyData(character), kAnswerTimeoutMs)) {
            return TypingOutcome::NotAnswering;
        }
    }
    if (options.SendOnClick == VbTrue &&
        !windows.SendMessageTimeoutA(inputBox, win::kWmKeyDown, win::kVkReturn, kEnterKeyData,
                                     kAnswerTimeoutMs)) {
        return TypingOutcome::NotAnswering;
    }
    if (typedInto) {
        *typedInto = IMTarget{imWindow, inputBox};
    }
    return TypingOutcome::Typed;
}
