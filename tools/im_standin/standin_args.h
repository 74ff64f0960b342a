// Command-line and window-layout parsing of the stand-in messenger (no Windows headers).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One IM window: outer rectangle in screen pixels plus behaviour flags.
struct WindowSpec {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool noInput = false;       // "noinput": no input box child
    bool titled = false;        // "titled": input box title is "typed here" instead of ""
    bool dieAfterChar = false;  // "dieafterchar": destroy the IM window on its first WM_CHAR
    bool hangAfterChar = false; // "hangafterchar": stop answering for a while at the second
};

struct Options {
    std::string logPath;
    std::string statePath;    // empty: no state file
    std::string commandsPath; // empty: no commands file
    std::string className = "IMClass";
    std::vector<WindowSpec> windows;
};

// Whole-string decimal integer (optional leading '-'); nothing else accepted.
std::optional<int> ParseInt(std::string_view text);

// "x,y,w,h[,flag...]"; w and h must be at least 1, flags must be known.
std::optional<WindowSpec> ParseWindowSpec(std::string_view text);

// Arguments without the program name. nullopt on any usage error.
std::optional<Options> ParseCommandLine(const std::vector<std::string>& args);

std::vector<std::string_view> Split(std::string_view text, char separator);
std::vector<std::string_view> SplitWhitespace(std::string_view text);
