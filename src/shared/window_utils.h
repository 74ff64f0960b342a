#pragma once
#include "toolkit.h"
#include "vb_bool.h"
#include "window_system.h"

// Lets the user move a form by its body: the press goes on as a press on the caption bar.
// Returns when the move has ended. A maximised form is left alone.
void DragForm(Toolkit& toolkit, FormId form);

// Puts a form into (VbTrue) or out of (VbFalse) the always-on-top band without moving,
// sizing or activating it; a hidden form is shown.
void SetTopmost(Toolkit& toolkit, FormId form, VbBool topmost);
// Makes the IM window the foreground window with the focus in its input box, so that the user
// types on into the conversation; another program's window takes the focus only while the
// two threads share their input. A minimised IM window, or one that does not answer at once,
// is left as it is.
void ReturnToConversation(WindowSystem& windows, Hwnd imWindow, Hwnd inputBox);

// The same for a form still being loaded: it stays hidden until it is shown where it belongs.
void SetTopmostHidden(Toolkit& toolkit, FormId form);
