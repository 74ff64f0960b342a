// The IAccessible of a form's client area. The system's standard object describes the window;
// this one adds the windowless controls as simple children (child id = place in the form's
// accessible children, from the portable core) and hands the windowed ones' own objects out.
#include "form_accessible.h"

#include "com_libraries.h"
#include "form_window.h"
#include "wide_text.h"

#include <oleacc.h>

#include <string>

namespace {

BSTR ToBstr(const ComLibraries& com, const std::string& utf8) {
    const std::wstring text = Wide(utf8);
    return com.SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

LONG RoleCode(AccessibleRole role) {
    switch (role) {
    case AccessibleRole::List:
        return ROLE_SYSTEM_LIST;
    case AccessibleRole::ListItem:
        return ROLE_SYSTEM_LISTITEM;
    case AccessibleRole::PushButton:
        return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::StaticText:
        return ROLE_SYSTEM_STATICTEXT;
    default:
        return ROLE_SYSTEM_CLIENT;
    }
}

std::optional<AccessibleDirection> DirectionOf(long navDir) {
    switch (navDir) {
    case NAVDIR_UP:
        return AccessibleDirection::Up;
    case NAVDIR_DOWN:
        return AccessibleDirection::Down;
    case NAVDIR_LEFT:
        return AccessibleDirection::Left;
    case NAVDIR_RIGHT:
        return AccessibleDirection::Right;
    case NAVDIR_NEXT:
        return AccessibleDirection::Next;
    case NAVDIR_PREVIOUS:
        return AccessibleDirection::Previous;
    case NAVDIR_FIRSTCHILD:
        return AccessibleDirection::FirstChild;
    case NAVDIR_LASTCHILD:
        return AccessibleDirection::LastChild;
    default:
        return std::nullopt;
    }
}

// A text box's or button's client object says what it is (text, push button) and holds its
// text; the window object around it says only "window".
constexpr DWORD kWindowedObject = static_cast<DWORD>(OBJID_CLIENT);

void SetChild(VARIANT* out, long childId) {
    out->vt = VT_I4;
    out->lVal = childId;
}

} // namespace

class FormAccessible final : public IAccessible {
  public:
    FormAccessible(const ComLibraries& com, HWND hwnd, IAccessible* standard)
        : com_(com), hwnd_(hwnd), standard_(standard) {}
    ~FormAccessible() { standard_->Release(); }

    // The form's window is going: from now on every question is answered with an error, even
    // if a new window should come to have the same handle.
    void Disconnect() { hwnd_ = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) {
            return E_POINTER;
        }
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch: screen readers call the interface itself.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (!parent) {
            return E_POINTER;
        }
        *parent = nullptr;
        return Form() ? standard_->get_accParent(parent) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        FormWindow* form = Form();
        if (!form) {
            return RPC_E_DISCONNECTED;
        }
        *count = static_cast<long>(form->AccessibleChildren().size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        *out = nullptr;
        Target t = Resolve(child);
        if (t.status != S_OK || t.self) {
            return t.status != S_OK ? t.status : E_INVALIDARG;
        }
        if (!t.windowed) {
            return S_FALSE; // a simple child: this object answers for it
        }
        return com_.AccessibleObjectFromWindow(t.windowed, kWindowedObject, IID_IDispatch,
                                               reinterpret_cast<void**>(out));
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        *name = nullptr;
        Target t = Resolve(child);
        if (t.status != S_OK) {
            return t.status;
        }
        if (t.self) {
            const std::string& given = t.form->Design().accessibleName;
            return given.empty() ? standard_->get_accName(child, name)
                                 : (*name = ToBstr(com_, given), S_OK);
        }
        if (t.windowed) {
            return Ask(t.windowed,
                       [&](IAccessible* a, VARIANT self) { return a->get_accName(self, name); });
        }
        *name = ToBstr(com_, NameOf(*t.control));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        *value = nullptr;
        Target t = Resolve(child);
        if (t.status != S_OK) {
            return t.status;
        }
        if (t.self) {
            return standard_->get_accValue(child, value);
        }
        if (t.windowed) {
            return Ask(t.windowed,
                       [&](IAccessible* a, VARIANT self) { return a->get_accValue(self, value); });
        }
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        *text = nullptr;
        Target t = Resolve(child);
        return t.status != S_OK ? t.status
               : t.self         ? standard_->get_accDescription(child, text)
                                : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!role) {
            return E_POINTER;
        }
        com_.VariantInit(role);
        Target t = Resolve(child);
        if (t.status != S_OK) {
            return t.status;
        }
        if (t.windowed) {
            return Ask(t.windowed,
                       [&](IAccessible* a, VARIANT self) { return a->get_accRole(self, role); });
        }
        role->vt = VT_I4;
        role->lVal = RoleCode(t.self ? t.form->Design().accessibleRole : RoleOf(t.control->design));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!state) {
            return E_POINTER;
        }
        com_.VariantInit(state);
        Target t = Resolve(child);
        if (t.status != S_OK) {
            return t.status;
        }
        if (t.self) {
            return standard_->get_accState(child, state);
        }
        if (t.windowed) {
            return Ask(t.windowed,
                       [&](IAccessible* a, VARIANT self) { return a->get_accState(self, state); });
        }
        const FormControl& c = *t.control;
        const bool shown =
            IsWindowVisible(hwnd_) && (c.hwnd ? IsWindowVisible(c.hwnd) != FALSE : c.Shown());
        long bits = (shown ? 0 : STATE_SYSTEM_INVISIBLE) |
                    (IsWindowEnabled(hwnd_) ? 0 : STATE_SYSTEM_UNAVAILABLE);
        switch (RoleOf(c.design)) {
        case AccessibleRole::ListItem:
            bits |= STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
            if (t.form->Highlighted() == t.control) {
                bits |= STATE_SYSTEM_SELECTED |
                        (GetForegroundWindow() == hwnd_ ? STATE_SYSTEM_FOCUSED : 0);
            }
            break;
        case AccessibleRole::StaticText:
            bits |= STATE_SYSTEM_READONLY;
            break;
        case AccessibleRole::PushButton:
            bits |= STATE_SYSTEM_FOCUSABLE |
                    (c.hwnd && GetFocus() == c.hwnd ? STATE_SYSTEM_FOCUSED : 0);
            break;
        default:
            break;
        }
        state->vt = VT_I4;
        state->lVal = bits;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override {
        *help = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
        *file = nullptr;
        *topic = 0;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        *keys = nullptr;
        Target t = Resolve(child);
        return t.status != S_OK ? t.status
               : t.self         ? standard_->get_accKeyboardShortcut(child, keys)
                                : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (!focus) {
            return E_POINTER;
        }
        com_.VariantInit(focus);
        FormWindow* form = Form();
        if (!form) {
            return RPC_E_DISCONNECTED;
        }
        if (GetForegroundWindow() != hwnd_) {
            return S_FALSE;
        }
        // The highlight is where the user's keys act, whichever control holds the focus.
        if (const int id = ChildId(*form, form->Highlighted())) {
            SetChild(focus, id);
        } else if (const int box = ChildId(*form, form->FindWindowed(GetFocus()))) {
            return Answer(*form, box, focus);
        } else {
            SetChild(focus, CHILDID_SELF);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (!selection) {
            return E_POINTER;
        }
        com_.VariantInit(selection);
        FormWindow* form = Form();
        if (!form) {
            return RPC_E_DISCONNECTED;
        }
        if (const int id = ChildId(*form, form->Highlighted())) {
            SetChild(selection, id);
            return S_OK;
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        *action = nullptr;
        Target t = Resolve(child);
        if (t.status != S_OK) {
            return t.status;
        }
        if (t.windowed) {
            return Ask(t.windowed, [&](IAccessible* a, VARIANT self) {
                return a->get_accDefaultAction(self, action);
            });
        }
        const std::string text =
            t.self ? t.form->Design().defaultAction : ActionOf(t.control->design);
        if (text.empty()) {
            return t.self ? standard_->get_accDefaultAction(child, action) : S_FALSE;
        }
        *action = ToBstr(com_, text);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        Target t = Resolve(child);
        if (t.status != S_OK) {
            return t.status;
        }
        if (t.self || t.windowed || RoleOf(t.control->design) != AccessibleRole::ListItem ||
            !(flags & (SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION))) {
            return E_INVALIDARG;
        }
        // As the pointer resting on it: the one highlight moves there.
        PostMessageA(hwnd_, kAccessibleHover, static_cast<WPARAM>(t.control->design.id),
                     t.control->design.index);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        Target t = Resolve(child);
        if (t.status != S_OK) {
            return t.status;
        }
        if (t.self) {
            return standard_->accLocation(left, top, width, height, child);
        }
        if (t.windowed) {
            return Ask(t.windowed, [&](IAccessible* a, VARIANT self) {
                return a->accLocation(left, top, width, height, self);
            });
        }
        const PixelRect r = t.control->InForm();
        POINT corner{r.Left, r.Top};
        ClientToScreen(hwnd_, &corner);
        *left = corner.x;
        *top = corner.y;
        *width = r.Right - r.Left;
        *height = r.Bottom - r.Top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long navDir, VARIANT start, VARIANT* end) override {
        if (!end) {
            return E_POINTER;
        }
        com_.VariantInit(end);
        Target t = Resolve(start);
        if (t.status != S_OK) {
            return t.status;
        }
        const std::optional<AccessibleDirection> direction = DirectionOf(navDir);
        const bool intoChildren = direction == AccessibleDirection::FirstChild ||
                                  direction == AccessibleDirection::LastChild;
        if (!direction || (t.self && !intoChildren)) {
            return standard_->accNavigate(navDir, start, end); // among the windows around it
        }
        const int to = NavigateChildren(t.form->AccessibleChildren(),
                                        t.self ? kChildSelf : t.childId, *direction);
        if (to == 0) {
            return S_FALSE;
        }
        return Answer(*t.form, to, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override {
        if (!hit) {
            return E_POINTER;
        }
        com_.VariantInit(hit);
        FormWindow* form = Form();
        if (!form) {
            return RPC_E_DISCONNECTED;
        }
        POINT p{x, y};
        ScreenToClient(hwnd_, &p);
        RECT client;
        GetClientRect(hwnd_, &client);
        if (!PtInRect(&client, p)) {
            return S_FALSE;
        }
        for (const auto& c : form->Controls()) {
            RECT r;
            if (c->hwnd && IsWindowVisible(c->hwnd) && GetWindowRect(c->hwnd, &r) &&
                PtInRect(&r, POINT{x, y})) {
                if (const int id = ChildId(*form, c.get())) {
                    return Answer(*form, id, hit);
                }
            }
        }
        const int id = ChildId(*form, form->HitTest(p));
        SetChild(hit, id ? id : CHILDID_SELF);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        Target t = Resolve(child);
        if (t.status != S_OK) {
            return t.status;
        }
        if (t.windowed) {
            return Ask(t.windowed,
                       [&](IAccessible* a, VARIANT self) { return a->accDoDefaultAction(self); });
        }
        const FormDesign& d = t.form->Design();
        const int control = t.self ? d.defaultActionControl : t.control->design.id;
        const int index = t.self ? 0 : t.control->design.index;
        const bool has = t.self ? d.defaultActionControl != 0 && !d.defaultAction.empty()
                                : !ActionOf(t.control->design).empty();
        if (!has) {
            return t.self ? standard_->accDoDefaultAction(child) : DISP_E_MEMBERNOTFOUND;
        }
        // Typing into the messenger waits on it: never inside the screen reader's call.
        PostMessageA(hwnd_, kAccessibleClick, static_cast<WPARAM>(control), index);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  private:
    // What a child id stands for.
    struct Target {
        HRESULT status = S_OK;
        FormWindow* form = nullptr;
        bool self = false;
        long childId = 0;
        FormControl* control = nullptr; // windowless ones
        HWND windowed = nullptr;        // windowed ones
    };

    FormWindow* Form() const { return hwnd_ ? FormWindow::FromHandle(hwnd_) : nullptr; }

    // A child as the answer to a question: a text box's own object, or the child id.
    HRESULT Answer(FormWindow& form, int childId, VARIANT* out) const {
        const AccessibleChild& c = form.AccessibleChildren()[static_cast<std::size_t>(childId - 1)];
        const FormControl* control = form.Find(c.control, c.index);
        if (c.ownObject && control && control->hwnd) {
            IDispatch* object = nullptr;
            const HRESULT found = com_.AccessibleObjectFromWindow(
                control->hwnd, kWindowedObject, IID_IDispatch, reinterpret_cast<void**>(&object));
            if (SUCCEEDED(found) && object) {
                out->vt = VT_DISPATCH;
                out->pdispVal = object;
                return S_OK;
            }
            return FAILED(found) ? found : E_FAIL;
        }
        SetChild(out, childId);
        return S_OK;
    }

    static int ChildId(FormWindow& form, const FormControl* c) {
        return c ? ChildIdOf(form.AccessibleChildren(), c->design.id, c->design.index) : 0;
    }

    Target Resolve(const VARIANT& child) const {
        Target t;
        t.form = Form();
        if (!t.form) {
            t.status = RPC_E_DISCONNECTED;
            return t;
        }
        if (child.vt != VT_I4) {
            t.status = E_INVALIDARG;
            return t;
        }
        t.childId = child.lVal;
        const auto& children = t.form->AccessibleChildren();
        if (t.childId == CHILDID_SELF) {
            t.self = true;
        } else if (t.childId < 1 || t.childId > static_cast<long>(children.size())) {
            t.status = E_INVALIDARG;
        } else {
            const AccessibleChild& c = children[static_cast<std::size_t>(t.childId - 1)];
            t.control = t.form->Find(c.control, c.index);
            if (!t.control) {
                t.status = E_INVALIDARG;
            } else if (c.ownObject) {
                t.windowed = t.control->hwnd;
                t.control = nullptr;
            }
        }
        return t;
    }

    // Asks a windowed child's own object about itself.
    template <typename Question> HRESULT Ask(HWND box, Question question) const {
        IAccessible* object = nullptr;
        const HRESULT found = com_.AccessibleObjectFromWindow(box, kWindowedObject, IID_IAccessible,
                                                              reinterpret_cast<void**>(&object));
        if (FAILED(found) || !object) {
            return FAILED(found) ? found : E_FAIL;
        }
        VARIANT self;
        SetChild(&self, CHILDID_SELF);
        const HRESULT answer = question(object, self);
        object->Release();
        return answer;
    }

    static std::string NameOf(const FormControl& c) {
        if (!c.design.accessibleName.empty()) {
            return c.design.accessibleName;
        }
        if (c.hwnd) { // a button: its caption, as it shows now
            return WindowTextOf(c.hwnd);
        }
        return c.design.kind == ControlKind::Label ? c.text : c.toolTipText;
    }

    // A button's default action is the press every button has.
    static std::string ActionOf(const ControlDesign& d) {
        return !d.defaultAction.empty() || d.kind != ControlKind::CommandButton ? d.defaultAction
                                                                                : "Press";
    }

    const ComLibraries& com_;
    LONG references_ = 1;
    HWND hwnd_;
    IAccessible* standard_;
};

LRESULT AnswerGetObject(HWND form, WPARAM wParam, LPARAM lParam) {
    FormWindow* window = FormWindow::FromHandle(form);
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT) || !window) {
        return 0;
    }
    return window->Accessible().Answer(form, wParam);
}

LRESULT FormAccessibleObject::Answer(HWND form, WPARAM wParam) {
    if (!object_) {
        // COM and its libraries come with the first reader that asks, not with the program.
        com_ = Com();
        IAccessible* standard = nullptr;
        if (!com_ ||
            FAILED(com_->CreateStdAccessibleObject(form, OBJID_CLIENT, IID_IAccessible,
                                                   reinterpret_cast<void**>(&standard))) ||
            !standard) {
            return 0;
        }
        object_ = new FormAccessible(*com_, form, standard);
        // A marshal kept in a table holds the stub until the form goes; without it each
        // reader's last release would free the stub and the next question make it anew.
        if (SUCCEEDED(com_->CreateStreamOnHGlobal(nullptr, TRUE, &stubKept_)) &&
            FAILED(com_->CoMarshalInterface(stubKept_, IID_IAccessible, object_, MSHCTX_LOCAL,
                                            nullptr, MSHLFLAGS_TABLESTRONG))) {
            stubKept_->Release();
            stubKept_ = nullptr;
        }
    }
    return com_->LresultFromObject(IID_IAccessible, wParam, object_);
}

void FormAccessibleObject::Release() {
    if (!object_) {
        return;
    }
    object_->Disconnect();
    // Readers that still hold the object are cut off at once, without waiting for their calls.
    com_->CoDisconnectObject(object_, 0);
    if (stubKept_) {
        stubKept_->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
        com_->CoReleaseMarshalData(stubKept_);
        stubKept_->Release();
        stubKept_ = nullptr;
    }
    object_->Release();
    object_ = nullptr;
}
