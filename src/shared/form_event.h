#pragma once
#include "window_system.h"

#include <optional>

enum class EventKind {
    MouseDown,
    MouseUp,
    MouseMove,
    Click,
    DblClick,
    KeyDown,  // any key pressed while the form is active, before its focused control sees it
    KeyPress, // a character typed into a text box
    Timer,
    Menu,
    Activate,
    Deactivate,
    LostFocus,
    CloseRequest,
    EndSession,    // the user is logging off or the system is shutting down
    AnotherStart,  // the program was started again while running
    HotKey,        // the user pressed the program's hot key, wherever the focus was
    MouseActivate, // a press on the inactive form, before the form takes the foreground
    DpiChanged,    // the form's monitor has another resolution now: dragged there, or rescaled
};

inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kOnForm = 0; // the event comes from the form's own surface

// The state of the shift keys in a key event.
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

// Key codes of the keys the forms act on (the Windows virtual-key codes).
namespace keys {
inline constexpr int kReturn = 0x0D;
inline constexpr int kEnd = 0x23;
inline constexpr int kHome = 0x24;
inline constexpr int kLeft = 0x25;
inline constexpr int kUp = 0x26;
inline constexpr int kRight = 0x27;
inline constexpr int kDown = 0x28;
} // namespace keys

// One event from a form's window, as the platform layer reports it. Mouse positions are in
// pixels within the control (or the form's client area).
struct FormEvent {
    EventKind kind = EventKind::Click;
    int control = kOnForm; // control, timer or menu item id
    int index = 0;
    int button = 0;
    int shift = 0;
    int x = 0;
    int y = 0;
    int keyAscii = 0;
    // MouseMove: where the pointer is on the screen; none when nothing moved it (a screen
    // reader's hover).
    std::optional<PixelPoint> pointer{};
    int keyCode = 0;       // KeyDown
    int dpi = 0;           // DpiChanged: the new dots per inch
    PixelRect suggested{}; // DpiChanged: where the system would have the form, at its new size
};
