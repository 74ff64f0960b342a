#pragma once
#include "options.h"
#include "typist.h"

#include <string_view>
#include <vector>

// The key presses and releases that type the UTF-8 text as itself, one UTF-16 unit at a time
// (a character past U+FFFF as its surrogate pair), then Enter when asked; at most
// kMaxTypedLength units.
std::vector<KeyInput> KeysTyping(std::string_view text, bool enter);

// Brings the window to the foreground, with the focus where its user left it, and types the
// text into it as real keyboard input, then Enter when SendOnClick is on. A window that does
// not answer at once gets nothing, and so does one that cannot be brought forward.
TypingOutcome TypeAsKeyboard(WindowSystem& windows, const OptionsRecord& options, Hwnd window,
                             std::string_view text);
