#pragma once
#include "picture_cache.h"
#include "scoped_handles.h"
#include "shared/placed_control.h"

#include <string>

// One control of a form, with what the system gives it: pictures, labels and frames are
// windowless, their form paints them; text boxes and buttons are child windows.
struct FormControl : PlacedControl {
    HWND hwnd = nullptr; // windowed controls only
    Font font;
    Brush background;
    Picture picture;
    int pictureResource = 0; // the bitmap it shows, fetched again at another resolution
    int borderStyle = 0;
    int toolId = 0; // its tool in the form's tooltip, 0 for none
    std::string toolTipText;

    // The frame it lies in: every control of a form is one of these.
    const FormControl* Container() const { return static_cast<const FormControl*>(container); }
};

inline RECT ToRect(const PixelRect& r) {
    return RECT{r.Left, r.Top, r.Right, r.Bottom};
}
