// The stand-in IM windows: a frame of the configured class with a "RICHEDIT" input box child.
#pragma once

#include "standin_args.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

struct ImWindow {
    int index = 0;
    WindowSpec layout;
    HWND frame = nullptr; // null once destroyed
    HWND input = nullptr; // null with "noinput" or once destroyed
    std::string typed;    // text shown in the input box
    int charsSeen = 0;
    std::vector<std::string> conversation;
};

struct StandIn {
    Options options;
    HINSTANCE instance = nullptr;
    HFONT font = nullptr;
    std::vector<std::unique_ptr<ImWindow>> windows; // by index; entries are never removed
    bool hanging = false;                           // inside a "hang" command
};

StandIn& App();

// Registers the IM frame class (options.className) and "RICHEDIT". False on failure.
bool RegisterWindowClasses();

// Creates IM window number windows.size(), not yet shown. Null on failure.
ImWindow* CreateImWindow(const WindowSpec& layout);

// Shows the window and makes it the top of the Z order and the foreground window.
void BringToFront(const ImWindow& im);

// How long "hangafterchar" keeps the messenger from answering.
inline constexpr DWORD kHangAfterCharMs = 3000;

// The live IM window with that index, or null.
ImWindow* FindLiveWindow(int index);

int LiveWindowCount();
