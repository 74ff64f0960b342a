#pragma once
#include "scoped_handles.h"

#include <windows.h>

#include <objidl.h>

// A form's client area as Microsoft Active Accessibility sees it: the answer to WM_GETOBJECT
// for OBJID_CLIENT, 0 for any other object (the system's own answers those).
LRESULT AnswerGetObject(HWND form, WPARAM wParam, LPARAM lParam);

class DelegatingAccessible;
struct ComLibraries;

// The one accessible object a form hands every screen reader for the form's life, made at the
// first question. Its COM stub is kept as long, so that readers' questions make and free no
// stubs: Wine can deadlock freeing one while another reader's call waits for this thread.
// Once released, the object answers every reader that still holds it with an error.
class FormAccessibleObject {
  public:
    FormAccessibleObject();
    ~FormAccessibleObject();
    FormAccessibleObject(const FormAccessibleObject&) = delete;
    FormAccessibleObject& operator=(const FormAccessibleObject&) = delete;

    // The object (made now if need be) as WM_GETOBJECT answers it; 0 if it cannot be had.
    LRESULT Answer(HWND form, WPARAM wParam);
    // For the form's window going: the object is cut off from it.
    void Release();

  private:
    // The object that answers for the form (form_accessible.cpp); none if it cannot be had.
    static ComPtr<DelegatingAccessible> Make(const ComLibraries& com, HWND form);

    const ComLibraries* com_ = nullptr;
    ComPtr<DelegatingAccessible> object_;
    ComPtr<IStream> stubKept_; // a table marshal of the object, which holds its stub
};

// Messages a form posts itself, so that what a screen reader asks for runs after its call has
// returned: a click on a control (wParam control id, lParam index), a pointer resting on one,
// and telling where the highlight is once the form has been activated.
inline constexpr UINT kAccessibleClick = WM_APP + 1;
inline constexpr UINT kAccessibleHover = WM_APP + 2;
inline constexpr UINT kAnnounceHighlight = WM_APP + 3;
