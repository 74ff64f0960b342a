#pragma once
#include "window_system.h"

// The window the user was working in, where a pick goes when "Type Into Any Window" is on: the
// last top-level window seen in the foreground that is none of the program's own, nor the
// desktop or the taskbar.
class WorkingWindow {
  public:
    // The window in the foreground at a moment the program sees before taking it itself: a
    // press on one of its inactive forms, or the hot key.
    void Notice(WindowSystem& windows, Hwnd foreground);
    // 0 when there is none; a window closed since is forgotten.
    Hwnd Current(WindowSystem& windows);

  private:
    Hwnd window_ = 0;
};
