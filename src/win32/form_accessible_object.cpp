// The one accessible object of each form: made at the first reader's question, its stub kept
// for the form's life, and every reader cut off from it when the form goes.
#include "form_accessible.h"

#include "com_libraries.h"
#include "delegating_accessible.h"
#include "form_window.h"

LRESULT AnswerGetObject(HWND form, WPARAM wParam, LPARAM lParam) {
    FormWindow* window = FormWindow::FromHandle(form);
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT) || !window) {
        return 0;
    }
    return window->Accessible().Answer(form, wParam);
}

FormAccessibleObject::FormAccessibleObject() = default;
FormAccessibleObject::~FormAccessibleObject() {
    Release();
}

LRESULT FormAccessibleObject::Answer(HWND form, WPARAM wParam) {
    if (!object_) {
        // COM and its libraries come with the first reader that asks, not with the program.
        com_ = Com();
        if (com_) {
            object_ = Make(*com_, form);
        }
        if (!object_) {
            return 0;
        }
        // A marshal kept in a table holds the stub until the form goes; without it each
        // reader's last release would free the stub and the next question make it anew.
        if (SUCCEEDED(com_->CreateStreamOnHGlobal(nullptr, TRUE, stubKept_.Put())) &&
            FAILED(com_->CoMarshalInterface(stubKept_.Get(), IID_IAccessible, object_.Get(),
                                            MSHCTX_LOCAL, nullptr, MSHLFLAGS_TABLESTRONG))) {
            stubKept_.Reset();
        }
    }
    return com_->LresultFromObject(IID_IAccessible, wParam, object_.Get());
}

void FormAccessibleObject::Release() {
    if (!object_) {
        return;
    }
    object_->Disconnect();
    // Readers that still hold the object are cut off at once, without waiting for their calls.
    com_->CoDisconnectObject(object_.Get(), 0);
    if (stubKept_) {
        stubKept_->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
        com_->CoReleaseMarshalData(stubKept_.Get());
        stubKept_.Reset();
    }
    object_.Reset();
}
