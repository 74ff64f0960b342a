// The IAccessible of a form's client area. The system's standard object describes the window;
// this one adds the windowless controls as simple children (child id = place in the form's
// accessible children, from the portable core) and hands the windowed ones' own objects out.
#include "form_accessible.h"

#include "accessible_codes.h"
#include "delegating_accessible.h"
#include "form_window.h"

#include <optional>
#include <string>
#include <utility>

namespace {

AccessibleFacts FactsOf(const FormWindow& form, const FormControl& c) {
    const HWND window = form.Handle();
    return {.formVisible = IsWindowVisible(window) != FALSE,
            .controlVisible = c.hwnd ? IsWindowVisible(c.hwnd) != FALSE : c.Shown(),
            .formEnabled = IsWindowEnabled(window) != FALSE,
            .formForeground = GetForegroundWindow() == window,
            .highlighted = form.Highlighted() == &c,
            .hasFocus = c.hwnd && GetFocus() == c.hwnd};
}

} // namespace

class FormAccessible final : public DelegatingAccessible {
  public:
    FormAccessible(const ComLibraries& com, HWND hwnd, ComPtr<IAccessible> standard)
        : DelegatingAccessible(com, hwnd, std::move(standard)) {}

  private:
    FormWindow* Form() const { return hwnd_ ? FormWindow::FromHandle(hwnd_) : nullptr; }

    template <typename Answer> HRESULT WithForm(Answer answer) const {
        FormWindow* form = Form();
        return form ? answer(*form) : RPC_E_DISCONNECTED;
    }

    // Answers about a child id with the one of three it stands for: self for the client area,
    // simple for a control this object answers for, own for a text box, whose own object knows.
    template <typename Self, typename Simple, typename Own>
    HRESULT Route(const VARIANT& child, Self self, Simple simple, Own own) const {
        return WithForm([&](FormWindow& form) {
            const auto& children = form.AccessibleChildren();
            if (child.vt != VT_I4 || child.lVal < CHILDID_SELF ||
                child.lVal > static_cast<long>(children.size())) {
                return E_INVALIDARG;
            }
            if (child.lVal == CHILDID_SELF) {
                return self(form);
            }
            const AccessibleChild& c = children[static_cast<std::size_t>(child.lVal - 1)];
            FormControl* control = form.Find(c.control, c.index);
            if (!control) {
                return E_INVALIDARG;
            }
            return c.ownObject && control->hwnd ? own(form, control->hwnd) : simple(form, *control);
        });
    }

    // As Route's self: the text the form's design gives, else the standard object's.
    template <typename Question>
    auto GivenOr(std::string FormDesign::*given, BSTR* out, Question question) const {
        return [this, given, out, question](FormWindow& form) {
            const std::string& text = form.Design().*given;
            return text.empty() ? Standard(question)(form) : Text(text, out);
        };
    }

    // A child as the answer to a question: a text box's own object, or the child id.
    HRESULT Answer(FormWindow& form, int childId, VARIANT* out) const {
        const AccessibleChild& c = form.AccessibleChildren()[static_cast<std::size_t>(childId - 1)];
        const FormControl* control = form.Find(c.control, c.index);
        return PutChild(out, childId, c.ownObject && control ? control->hwnd : nullptr);
    }

    static int ChildId(FormWindow& form, const FormControl* c) {
        return c ? ChildIdOf(form.AccessibleChildren(), c->design.id, c->design.index) : 0;
    }

    HRESULT Post(UINT message, ControlRef control) const {
        PostMessageA(hwnd_, message, static_cast<WPARAM>(control.id), control.index);
        return S_OK;
    }

  public:
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        const auto parentOf = [&](FormWindow&) { return standard_->get_accParent(parent); };
        return Cleared(parent) ? WithForm(parentOf) : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        const auto countIn = [&](FormWindow& form) {
            *count = static_cast<long>(form.AccessibleChildren().size());
            return S_OK;
        };
        return Cleared(count) ? WithForm(countIn) : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        const auto own = [&](FormWindow&, HWND box) {
            return com_.AccessibleObjectFromWindow(box, kOwnObject, IID_IDispatch,
                                                   reinterpret_cast<void**>(out));
        };
        // A simple child has no object: this one answers for it.
        return Cleared(out) ? Route(child, Returns(E_INVALIDARG), Returns(S_FALSE), own)
                            : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        const auto ask = Getter(&IAccessible::get_accName, name);
        const auto simple = [&](FormWindow&, FormControl& c) {
            const std::string shown = c.hwnd ? WindowTextOf(c.hwnd) : c.text;
            return Text(NameOf(c.design, shown, c.toolTipText), name);
        };
        const auto self = GivenOr(&FormDesign::accessibleName, name, ask);
        return Cleared(name) ? Route(child, self, simple, Ask(ask)) : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        const auto ask = Getter(&IAccessible::get_accValue, value);
        const auto none = Returns(DISP_E_MEMBERNOTFOUND);
        return Cleared(value) ? Route(child, Standard(ask), none, Ask(ask)) : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        const auto ask = Getter(&IAccessible::get_accDescription, text);
        const auto none = Returns(S_FALSE);
        return Cleared(text) ? Route(child, Standard(ask), none, none) : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        const auto ask = Getter(&IAccessible::get_accRole, role);
        const auto self = [&](FormWindow& form) {
            return PutLong(role, RoleCode(form.Design().accessibleRole));
        };
        const auto simple = [&](FormWindow&, FormControl& c) {
            return PutLong(role, RoleCode(RoleOf(c.design)));
        };
        return Cleared(role) ? Route(child, self, simple, Ask(ask)) : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const auto ask = Getter(&IAccessible::get_accState, state);
        const auto simple = [&](FormWindow& form, FormControl& c) {
            return PutLong(state, StateBits(StateOf(c.design, FactsOf(form, c))));
        };
        return Cleared(state) ? Route(child, Standard(ask), simple, Ask(ask)) : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override {
        return Cleared(help) ? S_FALSE : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
        if (!Cleared(file, topic)) {
            return E_POINTER;
        }
        *topic = 0;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        const auto ask = Getter(&IAccessible::get_accKeyboardShortcut, keys);
        const auto none = Returns(S_FALSE);
        return Cleared(keys) ? Route(child, Standard(ask), none, none) : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        const auto focusIn = [&](FormWindow& form) {
            if (GetForegroundWindow() != hwnd_) {
                return S_FALSE;
            }
            // The highlight is where the user's keys act, whichever control holds the focus.
            if (const int id = ChildId(form, form.Highlighted())) {
                return PutLong(focus, id);
            }
            const int box = ChildId(form, form.FindWindowed(GetFocus()));
            return box ? Answer(form, box, focus) : PutLong(focus, CHILDID_SELF);
        };
        return Cleared(focus) ? WithForm(focusIn) : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        const auto selectionIn = [&](FormWindow& form) {
            const int id = ChildId(form, form.Highlighted());
            return id ? PutLong(selection, id) : S_FALSE;
        };
        return Cleared(selection) ? WithForm(selectionIn) : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        const auto ask = Getter(&IAccessible::get_accDefaultAction, action);
        const auto simple = [&](FormWindow&, FormControl& c) {
            const std::string text = DefaultActionOf(c.design);
            return text.empty() ? S_FALSE : Text(text, action);
        };
        const auto self = GivenOr(&FormDesign::defaultAction, action, ask);
        return Cleared(action) ? Route(child, self, simple, Ask(ask)) : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        const auto select = [&](FormWindow&, FormControl& c) {
            if (RoleOf(c.design) != AccessibleRole::ListItem ||
                !(flags & (SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION))) {
                return E_INVALIDARG;
            }
            // As the pointer resting on it: the one highlight moves there.
            return Post(kAccessibleHover, {c.design.id, c.design.index});
        };
        return Route(child, Returns(E_INVALIDARG), select, Returns(E_INVALIDARG));
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        const auto ask = [&](IAccessible* a, VARIANT self) {
            return a->accLocation(left, top, width, height, self);
        };
        const auto place = [&](FormWindow&, FormControl& c) {
            const PixelRect r = c.InForm();
            POINT corner{r.Left, r.Top};
            ClientToScreen(hwnd_, &corner);
            *left = corner.x;
            *top = corner.y;
            *width = r.Right - r.Left;
            *height = r.Bottom - r.Top;
            return S_OK;
        };
        return Cleared(left, top, width, height) ? Route(child, Standard(ask), place, Ask(ask))
                                                 : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long navDir, VARIANT start, VARIANT* end) override {
        const std::optional<AccessibleDirection> direction = DirectionOf(navDir);
        const bool intoChildren = direction == AccessibleDirection::FirstChild ||
                                  direction == AccessibleDirection::LastChild;
        const auto from = [&](FormWindow& form, int childId) {
            if (!direction || (childId == kChildSelf && !intoChildren)) {
                return standard_->accNavigate(navDir, start, end); // among the windows around it
            }
            const int to = NavigateChildren(form.AccessibleChildren(), childId, *direction);
            return to == 0 ? S_FALSE : Answer(form, to, end);
        };
        const auto self = [&](FormWindow& form) { return from(form, kChildSelf); };
        const auto child = [&](FormWindow& form, auto&&) { return from(form, start.lVal); };
        return Cleared(end) ? Route(start, self, child, child) : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override {
        const auto hitIn = [&](FormWindow& form) {
            POINT p{x, y};
            ScreenToClient(hwnd_, &p);
            RECT client;
            GetClientRect(hwnd_, &client);
            if (!PtInRect(&client, p)) {
                return S_FALSE;
            }
            for (const auto& c : form.Controls()) {
                RECT r;
                const int id = ChildId(form, c.get());
                if (id && c->hwnd && IsWindowVisible(c->hwnd) && GetWindowRect(c->hwnd, &r) &&
                    PtInRect(&r, POINT{x, y})) {
                    return Answer(form, id, hit);
                }
            }
            const int id = ChildId(form, form.HitTest(p));
            return PutLong(hit, id ? id : CHILDID_SELF);
        };
        return Cleared(hit) ? WithForm(hitIn) : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        const auto ask = [](IAccessible* a, VARIANT self) { return a->accDoDefaultAction(self); };
        // Typing into the messenger waits on it: never inside the screen reader's call.
        const auto self = [&](FormWindow& form) {
            const std::optional<ControlRef> click = DefaultActionClick(form.Design());
            return click ? Post(kAccessibleClick, *click) : Standard(ask)(form);
        };
        const auto simple = [&](FormWindow&, FormControl& c) {
            const std::optional<ControlRef> click = DefaultActionClick(c.design);
            return click ? Post(kAccessibleClick, *click) : DISP_E_MEMBERNOTFOUND;
        };
        return Route(child, self, simple, Ask(ask));
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }
};

ComPtr<DelegatingAccessible> FormAccessibleObject::Make(const ComLibraries& com, HWND form) {
    ComPtr<IAccessible> standard;
    if (FAILED(com.CreateStdAccessibleObject(form, OBJID_CLIENT, IID_IAccessible,
                                             standard.PutVoid())) ||
        !standard) {
        return {};
    }
    return ComPtr<DelegatingAccessible>(new FormAccessible(com, form, std::move(standard)));
}
