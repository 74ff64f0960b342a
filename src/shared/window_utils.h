#pragma once
#include "vb_bool.h"
#include "window_system.h"

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// Lets the user move a window by its body: hands the press to the platform as a press on
// the caption bar. Returns when the move has ended. A maximised window is left alone.
void DragForm(WindowSystem& windows, WindowState state, Hwnd window);

// Puts a window into (VbTrue) or out of (VbFalse) the always-on-top band without moving,
// sizing or activating it; a hidden window is shown.
void SetTopmost(WindowSystem& windows, Hwnd window, VbBool topmost);
// Makes the IM window the foreground window with the focus in its input box, so that the user
// types on into the conversation; another program's window takes the focus only while the
// two threads share their input. A minimised IM window, or one that does not answer at once,
// is left as it is.
void ReturnToConversation(WindowSystem& windows, Hwnd imWindow, Hwnd inputBox);

// The same for a window still being loaded: it stays hidden until it is shown where it belongs.
void SetTopmostHidden(WindowSystem& windows, Hwnd window);
