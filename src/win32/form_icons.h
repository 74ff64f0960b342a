#pragma once
#include "scoped_handles.h"

// A form's small and large icons drawn for its monitor's scale, so that its title bar, taskbar
// button and Alt+Tab entry are sharp at every scale rather than stretched from one size.
class FormIcons {
  public:
    // Gives the window the icon resource's images nearest the sizes wanted at this resolution;
    // nothing changes for the resolution it already has them at.
    void Apply(HWND window, HINSTANCE instance, int resource, int dpi);

  private:
    IconHandle small_;
    IconHandle large_;
    int dpi_ = 0;
};
