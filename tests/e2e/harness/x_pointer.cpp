// The pointer's shape, read from the X server the way a screen recorder does (XFixes).
#include "wine_harness.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

namespace e2e {

std::optional<PointerShape> CurrentPointer() {
    Display* display = XOpenDisplay(WineEnv::Get().XEnvVars().at("DISPLAY").c_str());
    if (!display) {
        return std::nullopt;
    }
    std::optional<PointerShape> shape;
    int eventBase = 0;
    int errorBase = 0;
    if (XFixesQueryExtension(display, &eventBase, &errorBase)) {
        if (XFixesCursorImage* image = XFixesGetCursorImage(display)) {
            shape = PointerShape{image->width, image->height, image->xhot, image->yhot};
            XFree(image);
        }
    }
    XCloseDisplay(display);
    return shape;
}

} // namespace e2e
