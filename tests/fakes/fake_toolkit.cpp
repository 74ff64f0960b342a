#include "fake_toolkit.h"

#include "shared/units.h"

#include <algorithm>
#include <limits>

std::vector<ToolkitCall> FakeToolkit::CallsOf(Op op, std::optional<FormId> form,
                                              std::optional<int> control,
                                              std::optional<int> index) const {
    std::vector<ToolkitCall> out;
    for (const ToolkitCall& c : calls) {
        if (c.op == op && (!form || c.form == *form) && (!control || c.control == *control) &&
            (!index || c.index == *index)) {
            out.push_back(c);
        }
    }
    return out;
}

void FakeToolkit::CreateForm(const FormDesign& design) {
    calls.push_back(ToolkitCall::CreateForm(design.id));
    designs[design.id] = design;
    rects[design.id] = design.pixels;
    visible[design.id] = false;
    dpis[design.id] = DpiOf(design.pixels); // the screen it is made on gives it its own
}

void FakeToolkit::DestroyForm(FormId form) {
    calls.push_back(ToolkitCall::DestroyForm(form));
    visible[form] = false;
    designs.erase(form);
}

void FakeToolkit::ShowForm(FormId form, FormId owner) {
    calls.push_back(ToolkitCall::ShowForm(form, owner));
    visible[form] = true;
}

void FakeToolkit::ShowModal(FormId form, FormId owner) {
    calls.push_back(ToolkitCall::ShowModal(form, owner));
    visible[form] = true;
    if (whileModal) {
        whileModal();
    }
    calls.push_back(ToolkitCall::ModalReturned(form));
}

void FakeToolkit::HideForm(FormId form) {
    calls.push_back(ToolkitCall::HideForm(form));
    visible[form] = false;
}

void FakeToolkit::MoveForm(FormId form, const PixelRect& outer) {
    calls.push_back(ToolkitCall::MoveForm(form, outer));
    rects[form] = outer;
    Moved(form, outer);
}

void FakeToolkit::SetTopmost(FormId form, bool on, bool show) {
    calls.push_back(ToolkitCall::SetTopmost(form, on, show));
    if (show) {
        visible[form] = true;
    }
}

void FakeToolkit::DragTo(FormId form, const PixelRect& outer) {
    rects[form] = outer;
    Moved(form, outer);
}

int FakeToolkit::FormDpi(FormId form) {
    const auto it = dpis.find(form);
    return it == dpis.end() ? DpiOf(rects[form]) : it->second;
}

void FakeToolkit::RescaleForm(const FormDesign& design) {
    calls.push_back(ToolkitCall::RescaleForm(design.id, design.dpi, design.pixels));
    designs[design.id] = design;
    rects[design.id] = design.pixels;
    Moved(design.id, design.pixels);
}

// The system suggests the rectangle scaled to the new resolution about its centre, which is
// where a drag across the screens' edge leaves it; a form moved by the program goes elsewhere.
void FakeToolkit::Moved(FormId form, const PixelRect& outer) {
    const int dpi = DpiOf(outer);
    const int from = FormDpi(form);
    if (dpi == from) {
        return;
    }
    dpis[form] = dpi;
    const int width = (outer.Right - outer.Left) * dpi / from;
    const int height = (outer.Bottom - outer.Top) * dpi / from;
    const int x = (outer.Left + outer.Right - width) / 2;
    const int y = (outer.Top + outer.Bottom - height) / 2;
    FormEvent e{EventKind::DpiChanged};
    e.dpi = dpi;
    e.suggested = PixelRect{x, y, x + width, y + height};
    if (raise) {
        raise(form, e);
    }
}

void FakeToolkit::EndProgram() {
    calls.push_back(ToolkitCall::EndProgram());
    ended = true;
}

void FakeToolkit::SetControlRect(FormId form, int control, int index, const PixelRect& rect) {
    calls.push_back(ToolkitCall::SetControlRect(form, control, index, rect));
}

void FakeToolkit::SetPicture(FormId form, int control, int index, int bitmap) {
    calls.push_back(ToolkitCall::SetPicture(form, control, index, bitmap));
}

void FakeToolkit::SetBorderStyle(FormId form, int control, int index, int style) {
    calls.push_back(ToolkitCall::SetBorderStyle(form, control, index, style));
}

void FakeToolkit::SetText(FormId form, int control, int index, const std::string& text) {
    calls.push_back(ToolkitCall::SetText(form, control, index, text));
}

void FakeToolkit::SetToolTip(FormId form, int control, int index, const std::string& text) {
    calls.push_back(ToolkitCall::SetToolTip(form, control, index, text));
}

void FakeToolkit::SetTimerEnabled(FormId form, int timer, bool enabled) {
    calls.push_back(ToolkitCall::SetTimerEnabled(form, timer, enabled));
}

void FakeToolkit::SetMenuChecked(FormId form, int item, bool checked) {
    calls.push_back(ToolkitCall::SetMenuChecked(form, item, checked));
    menuChecked[item] = checked;
}

void FakeToolkit::PopupMenu(FormId form, int x, int y) {
    calls.push_back(ToolkitCall::PopupMenu(form, x, y));
    if (menuChoice != 0 && raise) {
        raise(form, FormEvent{EventKind::Menu, menuChoice});
    }
}

void FakeToolkit::MessageBoxCritical(const std::string& text, const std::string& title) {
    calls.push_back(ToolkitCall::MessageBoxCritical(text, title));
    if (whileMessageBox) {
        whileMessageBox();
    }
}

std::vector<PixelRect> FakeToolkit::Screens() const {
    std::vector<PixelRect> screens = monitors;
    if (screens.empty()) {
        screens.push_back({0, 0, screen.widthPixels, screen.heightPixels});
    }
    return screens;
}

void FakeToolkit::BringForward(FormId form) {
    calls.push_back(ToolkitCall::BringForward(form));
}

// As the system picks it: the screen the rectangle overlaps most, else the closest one.
PixelRect FakeToolkit::WorkArea(const PixelRect& r) {
    const std::size_t best = ScreenOf(r);
    return best < workAreas.size() ? workAreas[best] : Screens()[best];
}

std::size_t FakeToolkit::ScreenOf(const PixelRect& r) const {
    const std::vector<PixelRect> screens = Screens();
    std::size_t best = 0;
    long long bestScore = std::numeric_limits<long long>::min();
    for (std::size_t i = 0; i < screens.size(); ++i) {
        const PixelRect& m = screens[i];
        const long long w = std::min(r.Right, m.Right) - std::max(r.Left, m.Left);
        const long long h = std::min(r.Bottom, m.Bottom) - std::max(r.Top, m.Top);
        const long long score = w > 0 && h > 0 ? w * h : -(std::max(-w, 0LL) + std::max(-h, 0LL));
        if (score > bestScore) {
            bestScore = score;
            best = i;
        }
    }
    return best;
}

int FakeToolkit::DpiOf(const PixelRect& r) const {
    const std::size_t i = ScreenOf(r);
    return i < monitorDpis.size() ? monitorDpis[i] : DotsPerInch(screen);
}

bool FakeToolkit::OnSomeScreen(const PixelRect& r) {
    for (const PixelRect& m : Screens()) {
        if (r.Left < m.Right && m.Left < r.Right && r.Top < m.Bottom && m.Top < r.Bottom) {
            return true;
        }
    }
    return false;
}

bool FakeToolkit::RegisterHotKey(FormId form, int id, const HotKey& key) {
    calls.push_back(ToolkitCall::RegisterHotKey(form, id));
    if (hotKeyTaken) {
        return false;
    }
    hotKeys[id] = key;
    return true;
}

void FakeToolkit::UnregisterHotKey(FormId form, int id) {
    calls.push_back(ToolkitCall::UnregisterHotKey(form, id));
    hotKeys.erase(id);
}

void FakeToolkit::SetHighlight(FormId form, int control, int index) {
    calls.push_back(ToolkitCall::SetHighlight(form, control, index));
}
