#pragma once
#include "options.h"
#include "window_system.h"

#include <string>
#include <string_view>

// Longest text typed whole; the rest of a longer text is dropped.
inline constexpr std::size_t kMaxTypedLength = 32766;

// The class name of a window, empty for handle 0 or when the platform gives none.
std::string GetWindowClassName(WindowSystem& windows, Hwnd window);

// How long the IM window may take over one message before it counts as not answering.
inline constexpr unsigned kAnswerTimeoutMs = 500;

enum class TypingOutcome {
    Typed,
    NothingTyped, // an empty text, no IM window, or no input box in it
    NotAnswering, // the input box did not answer: nothing, or only part of the text, went out
};

// Where a text was typed.
struct IMTarget {
    Hwnd window = 0;
    Hwnd inputBox = 0;
};

// Types text into the input box of the frontmost IM window, one WM_CHAR per character,
// then presses Enter when SendOnClick is on. Sends nothing when there is nothing to type or
// no IM window, and nothing more once the input box stops answering, so that a hung
// messenger cannot hang this program. When typedInto is given, it gets the window and box
// that received the whole text.
TypingOutcome TypeIntoIMWindow(WindowSystem& windows, const OptionsRecord& options,
                               std::string_view text, IMTarget* typedInto = nullptr);
// The same into this IM window's input box.
TypingOutcome TypeIntoIMWindowOf(WindowSystem& windows, const OptionsRecord& options, Hwnd imWindow,
                                 std::string_view text, IMTarget* typedInto = nullptr);
