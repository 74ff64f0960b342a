#include "key_typist.h"

#include "messenger_messages.h"
#include "unicode_text.h"

namespace {
constexpr int kForegroundRoundTrips = 4;
} // namespace

std::vector<KeyInput> KeysTyping(std::string_view text, bool enter) {
    std::u16string units = Utf16Of(text);
    if (units.size() > kMaxTypedLength) {
        units.resize(kMaxTypedLength);
        // Half a surrogate pair would type a broken character.
        if (units.back() >= 0xD800 && units.back() <= 0xDBFF) {
            units.pop_back();
        }
    }
    std::vector<KeyInput> keys;
    keys.reserve(units.size() * 2 + 2);
    for (const char16_t unit : units) {
        keys.push_back(KeyInput{0, unit, false});
        keys.push_back(KeyInput{0, unit, true});
    }
    if (enter) {
        keys.push_back(KeyInput{static_cast<std::uint16_t>(win::kVkReturn), 0, false});
        keys.push_back(KeyInput{static_cast<std::uint16_t>(win::kVkReturn), 0, true});
    }
    return keys;
}

TypingOutcome TypeAsKeyboard(WindowSystem& windows, const OptionsRecord& options, Hwnd window,
                             std::string_view text) {
    if (text.empty()) { // an Enter alone would send whatever the user had half typed
        return TypingOutcome::NothingTyped;
    }
    if (!windows.SendMessageTimeoutA(window, win::kWmNull, 0, 0, kAnswerTimeoutMs)) {
        return TypingOutcome::NotAnswering;
    }
    // Keys go to the foreground window: typed anywhere else they would land in the wrong place.
    // The window takes the foreground on its own thread; a message it has answered comes after
    // that, so a few round trips see it through.
    windows.SetForegroundWindow(window);
    for (int trip = 0; windows.GetForegroundWindow() != window; ++trip) {
        if (trip == kForegroundRoundTrips ||
            !windows.SendMessageTimeoutA(window, win::kWmNull, 0, 0, kAnswerTimeoutMs)) {
            return TypingOutcome::NothingTyped;
        }
    }
    // The focus moved once more from here, through the window and back to the control the user
    // left it on, goes with the window for the keys the user types next also where the platform
    // moves the keyboard only on such a call (Wine without a window manager).
    const std::uint32_t ours = windows.GetCurrentThreadId();
    const std::uint32_t theirs = windows.GetWindowThreadProcessId(window);
    if (theirs != 0 && theirs != ours && windows.AttachThreadInput(ours, theirs, true)) {
        const Hwnd focus = windows.GetFocus();
        windows.SetFocus(window);
        windows.SetFocus(focus != 0 ? focus : window);
        windows.AttachThreadInput(ours, theirs, false);
    }
    const std::vector<KeyInput> keys = KeysTyping(text, options.SendOnClick == VbTrue);
    if (windows.SendInput(keys) != keys.size()) {
        return TypingOutcome::NotAnswering;
    }
    return TypingOutcome::Typed;
}
