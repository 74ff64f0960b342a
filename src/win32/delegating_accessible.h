#pragma once
#include "com_libraries.h"
#include "dispatch_object.h"
#include "scoped_handles.h"
#include "wide_text.h"

#include <oleacc.h>

#include <string>
#include <utility>

// An IAccessible in front of the system's standard object for a window: what it does not answer
// itself it asks of that object, or of a child window's own. The plumbing of its answers: every
// out-pointer checked and emptied, texts made BSTRs, numbers and child ids put in VARIANTs.
class DelegatingAccessible : public DispatchObject<IAccessible, IID_IAccessible> {
  public:
    // The window is going: from now on every question is answered with an error, even if a new
    // window should come to have the same handle.
    void Disconnect() { hwnd_ = nullptr; }

  protected:
    DelegatingAccessible(const ComLibraries& com, HWND hwnd, ComPtr<IAccessible> standard)
        : com_(com), hwnd_(hwnd), standard_(std::move(standard)) {}

    // Whether every out-pointer is good; if so, what each points to is emptied (counts and
    // places are only ever written with an answer).
    template <typename... Out> bool Cleared(Out*... out) const {
        if (!(... && out)) {
            return false;
        }
        (Clear(out), ...);
        return true;
    }

    // A getter's question (object, child id), its answer put to out.
    template <typename Out>
    static auto Getter(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, Out*), Out* out) {
        return
            [get, out](IAccessible* object, VARIANT child) { return (object->*get)(child, out); };
    }
    // A question put to the standard object about the window itself.
    template <typename Question> auto Standard(Question question) const {
        return [this, question](auto&&...) { return question(standard_.Get(), Self()); };
    }
    // The same put to a child window's own object about itself.
    template <typename Question> auto Ask(Question question) const {
        return [this, question](auto&&, HWND child) {
            ComPtr<IAccessible> object;
            const HRESULT found = OwnObject(child, IID_IAccessible, object);
            return FAILED(found) ? found : question(object.Get(), Self());
        };
    }
    // A child window's own object is its client area's: an edit box's or button's says what it
    // is and holds its text; the window object around it says only "window".
    static constexpr DWORD kOwnObject = static_cast<DWORD>(OBJID_CLIENT);
    template <typename Interface>
    HRESULT OwnObject(HWND child, REFIID iid, ComPtr<Interface>& object) const {
        const HRESULT found =
            com_.AccessibleObjectFromWindow(child, kOwnObject, iid, object.PutVoid());
        return FAILED(found) ? found : object ? S_OK : E_FAIL;
    }

    // A child as an answer: its window's own object if it has one, else its id.
    HRESULT PutChild(VARIANT* out, long childId, HWND ownWindow) const {
        if (!ownWindow) {
            return PutLong(out, childId);
        }
        ComPtr<IDispatch> object;
        const HRESULT found = OwnObject(ownWindow, IID_IDispatch, object);
        if (SUCCEEDED(found)) {
            out->vt = VT_DISPATCH;
            out->pdispVal = object.Detach();
        }
        return found;
    }
    HRESULT Text(const std::string& utf8, BSTR* out) const {
        const std::wstring text = Wide(utf8);
        *out = com_.SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return S_OK;
    }
    static HRESULT PutLong(VARIANT* out, long value) {
        out->vt = VT_I4;
        out->lVal = value;
        return S_OK;
    }
    static VARIANT Self() {
        VARIANT self;
        PutLong(&self, CHILDID_SELF);
        return self;
    }
    // The same answer whatever is asked about.
    static auto Returns(HRESULT result) {
        return [result](auto&&...) { return result; };
    }

    const ComLibraries& com_;
    HWND hwnd_; // none once disconnected
    ComPtr<IAccessible> standard_;

  private:
    void Clear(BSTR* text) const { *text = nullptr; }
    void Clear(IDispatch** object) const { *object = nullptr; }
    void Clear(VARIANT* v) const { com_.VariantInit(v); }
    void Clear(long*) const {}
};
