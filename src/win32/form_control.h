#pragma once
#include "scoped_handles.h"
#include "picture_cache.h"
#include "shared/form_design.h"
#include "shared/window_system.h"

#include <string>

// One control of a form. Pictures, labels and frames are windowless: their form paints and
// hit-tests them. Text boxes and buttons, which take the focus, are child windows.
struct FormControl {
    ControlDesign design;
    FormControl* container = nullptr; // the frame it lies in; none for the form itself
    PixelRect placed;                 // within its container, in pixels
    HWND hwnd = nullptr;              // windowed controls only
    Font font;
    Brush background;
    Picture picture;
    int pictureResource = 0; // the bitmap it shows, fetched again at another resolution
    std::string text;        // a label's caption
    int borderStyle = 0;
    int toolId = 0; // its tool in the form's tooltip, 0 for none
    std::string toolTipText;

    bool Windowless() const {
        return design.kind != ControlKind::TextBox && design.kind != ControlKind::CommandButton;
    }
    // A label with no text and no background of its own shows nothing and takes no clicks.
    bool Shown() const {
        return design.visible &&
               !(design.kind == ControlKind::Label && text.empty() && !design.backColor);
    }
    // Its rectangle in its form's client area.
    PixelRect InForm() const {
        PixelRect r = placed;
        for (const FormControl* c = container; c; c = c->container) {
            r.Left += c->placed.Left;
            r.Right += c->placed.Left;
            r.Top += c->placed.Top;
            r.Bottom += c->placed.Top;
        }
        return r;
    }
};

inline RECT ToRect(const PixelRect& r) {
    return RECT{r.Left, r.Top, r.Right, r.Bottom};
}
