#pragma once
#include "shared/form_design.h"
#include "shared/form_event.h"

#include <windows.h>

// What a form window asks of the toolkit that hosts it: the few things all its forms share.
class FormHost {
  public:
    virtual HINSTANCE Instance() const = 0;
    // The message a second start of the program broadcasts to call up the first.
    virtual UINT AnotherStartMessage() const = 0;
    // Whether the window is one of the program's, or one of theirs.
    virtual bool IsOwnWindow(HWND hwnd) const = 0;
    // The screens were changed: their sizes are to be read again.
    virtual void DisplayChanged() = 0;
    virtual HCURSOR Cursor(CursorKind kind) const = 0;
    // Reports one of the form's events to the program.
    virtual void Raise(FormId form, const FormEvent& event) = 0;

  protected:
    ~FormHost() = default;
};
