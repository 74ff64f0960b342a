#pragma once
#include <windows.h>

// A window's resolution and the sizes that follow from it, on every Windows: the calls that tell
// them per monitor came with Windows 8.1 and 10, so they are looked up, and older systems get the
// one resolution of the whole screen.

// The dots per inch the system draws the window at now; fallback where it cannot tell.
int WindowDpi(HWND window, int fallback);
// Has the system draw the window's title bar and borders at its monitor's scale, as it always
// does from Windows 10 1703 on; Windows 10 1607 must be asked while the window is being made.
void ScaleNonClientArea(HWND window);
// The outer rectangle of a window whose client area is `client`, at this resolution.
RECT OuterForClient(const RECT& client, DWORD style, DWORD exStyle, int dpi);
// A size the system gives in pixels (an icon's, say) at this resolution; the system's own
// resolution is what older systems give it at.
int SystemMetricAt(int index, int dpi, int systemDpi);
// The message the system sends a window whose monitor's resolution has changed.
inline constexpr UINT kWmDpiChanged = 0x02E0;
// The rectangle the message suggests for the window; the window's own where it carries none
// that can be read, as when another program sends it with any pointer.
RECT SuggestedRect(HWND window, LPARAM lParam);
