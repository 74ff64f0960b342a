#pragma once

enum class EventKind {
    MouseDown,
    MouseUp,
    MouseMove,
    Click,
    DblClick,
    KeyPress,
    Timer,
    Menu,
    Activate,
    Deactivate,
    LostFocus,
    CloseRequest,
    EndSession,   // the user is logging off or the system is shutting down
    AnotherStart, // the program was started again while running
};

inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kOnForm = 0; // the event comes from the form's own surface

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
};
