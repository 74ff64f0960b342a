#pragma once
#include <windows.h>

// A form's client area as Microsoft Active Accessibility sees it: the answer to WM_GETOBJECT
// for OBJID_CLIENT, 0 for any other object (the system's own answers those).
LRESULT AnswerGetObject(HWND form, WPARAM wParam, LPARAM lParam);

// Messages a form posts itself, so that what a screen reader asks for runs after its call has
// returned: a click on a control (wParam control id, lParam index), a pointer resting on one,
// and telling where the highlight is once the form has been activated.
inline constexpr UINT kAccessibleClick = WM_APP + 1;
inline constexpr UINT kAccessibleHover = WM_APP + 2;
inline constexpr UINT kAnnounceHighlight = WM_APP + 3;
