// Keeping the launcher beside the frontmost IM window, once a second.
#include "frm_main.h"

#include "program.h"
#include "shared/window_utils.h"

void FrmMain::Timer1_Timer() {
    const OptionsRecord& options = program_.Options;
    if (options.StickToPM == VbFalse) {
        return;
    }
    WindowSystem& windows = program_.ports.windows;
    const Hwnd imWindow = windows.FindWindowA("IMClass", nullptr);
    if (imWindow == 0) {
        return;
    }
    // A minimised or off-screen IM window would take the launcher out of reach with it.
    PixelRect imRect{};
    windows.GetWindowRect(imWindow, imRect);
    const bool imOutOfSight = windows.IsIconic(imWindow) || !toolkit().OnSomeScreen(imRect);
    const Hwnd inputBox = windows.FindWindowExA(imWindow, 0, "RICHEDIT", "");
    PixelRect rect{};
    windows.GetWindowRect(inputBox, rect);
    const ScreenMetrics screen = toolkit().Screen();
    if (options.StayOnTop == VbTrue) {
        // Without an input box there is nothing to sit beside; moving to the empty rectangle
        // would put the launcher above the top of the screen, out of reach.
        if (inputBox == 0 || imOutOfSight) {
            SetTopmost(toolkit(), FormId::Main, VbTrue);
            return;
        }
        SetLeft(TwipsX(rect.Right, screen));
        SetTop(TwipsY(rect.Bottom, screen) - Height());
        SetTopmost(toolkit(), FormId::Main, ToVbBool(Top() != Twips(0)));
    } else if (!imOutOfSight) {
        SetLeft(TwipsX(imRect.Right, screen));
        SetTop(TwipsY(imRect.Bottom, screen) - Height());
    }
}
