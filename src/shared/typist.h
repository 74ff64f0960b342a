#pragma once
#include "options.h"
#include "window_system.h"

#include <string>
#include <string_view>

// Longest text typed whole; the rest of a longer text is dropped.
inline constexpr std::size_t kMaxTypedLength = 32766;

// The class name of a window, empty for handle 0 or when the platform gives none.
std::string GetWindowClassName(WindowSystem& windows, Hwnd window);

// Types text into the input box of the frontmost IM window, one WM_CHAR per character,
// then presses Enter when SendOnClick is on. Sends nothing when there is no IM window.
void TypeIntoIMWindow(WindowSystem& windows, const OptionsRecord& options, std::string_view text);
