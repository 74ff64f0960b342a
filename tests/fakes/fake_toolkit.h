#pragma once
#include "shared/form_event.h"
#include "shared/toolkit.h"
#include "toolkit_call.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Keeps each form's rectangle and visibility, records every call in order as data.
class FakeToolkit final : public Toolkit {
  public:
    using Op = ToolkitCall::Op;

    std::vector<ToolkitCall> calls;
    ScreenMetrics screen{1280, 960, 15, 15};
    // The screens' bounds; none given: the primary screen alone.
    std::vector<PixelRect> monitors;
    // Each screen's dots per inch, as monitors of other scales have them; none given: the
    // screen's own. A form moved onto a screen of another is told so, as the system tells it.
    std::vector<int> monitorDpis;
    std::map<FormId, int> dpis; // each form's, as the system has it
    int menuChoice = 0;         // the item the user picks from a pop-up menu, 0 for none
    // Where the toolkit's events go: the program under test.
    std::function<void(FormId, const FormEvent&)> raise;
    // Runs while a modal form is showing, as the user would act inside it.
    std::function<void()> whileModal;
    // Runs while a message box is showing.
    std::function<void()> whileMessageBox;
    std::map<FormId, bool> visible;
    std::map<FormId, WindowState> windowStates; // none given: Normal
    std::map<FormId, PixelRect> rects;
    std::map<FormId, FormDesign> designs;
    std::map<int, bool> menuChecked;
    bool ended = false;
    bool prevInstance = false;
    bool hotKeyTaken = false;      // another program holds every hot key
    std::map<int, HotKey> hotKeys; // registered, by id
    PixelPoint pointer{};          // where the user has left the pointer
    int charWidth = 0;             // texts measure so many pixels a character
    // The work areas of the screens; none given: the whole of each screen.
    std::vector<PixelRect> workAreas;

    // The calls of one kind, only of the form, control and array element given.
    std::vector<ToolkitCall> CallsOf(Op op, std::optional<FormId> form = {},
                                     std::optional<int> control = {},
                                     std::optional<int> index = {}) const;
    std::size_t Count(Op op) const { return CallsOf(op).size(); }

    void CreateForm(const FormDesign& design) override;
    void DestroyForm(FormId form) override;
    void ShowForm(FormId form, FormId owner) override;
    void ShowModal(FormId form, FormId owner) override;
    void HideForm(FormId form) override;
    void BringForward(FormId form) override;
    WindowState FormWindowState(FormId form) override { return windowStates[form]; }
    PixelRect FormRect(FormId form) override { return rects[form]; }
    void MoveForm(FormId form, const PixelRect& outer) override;
    void BeginDrag(FormId form) override { calls.push_back(ToolkitCall::BeginDrag(form)); }
    void SetTopmost(FormId form, bool topmost, bool show) override;
    int FormDpi(FormId form) override;
    void RescaleForm(const FormDesign& design) override;
    // The user drags the form to this place, as the system carries it out.
    void DragTo(FormId form, const PixelRect& outer);
    void EndProgram() override;
    bool PrevInstance() override { return prevInstance; }
    void WakePrevInstance() override { calls.push_back(ToolkitCall::WakePrevInstance()); }
    void SetControlRect(FormId form, int control, int index, const PixelRect& rect) override;
    void SetPicture(FormId form, int control, int index, int bitmap) override;
    void SetBorderStyle(FormId form, int control, int index, int style) override;
    void SetText(FormId form, int control, int index, const std::string& text) override;
    int TextWidth(FormId, int, int, const std::string& text) override {
        return static_cast<int>(text.size()) * charWidth;
    }
    void SetToolTip(FormId form, int control, int index, const std::string& text) override;
    void SetTimerEnabled(FormId form, int timer, bool enabled) override;
    void SetHighlight(FormId form, int control, int index) override;
    void ConsumeKey() override { calls.push_back(ToolkitCall::ConsumeKey()); }
    bool RegisterHotKey(FormId form, int id, const HotKey& key) override;
    void UnregisterHotKey(FormId form, int id) override;
    void SetMenuChecked(FormId form, int item, bool checked) override;
    void PopupMenu(FormId form, int x, int y) override;
    void MessageBoxCritical(const std::string& text, const std::string& title) override;
    void Beep() override { calls.push_back(ToolkitCall::Beep()); }
    void DiscardMouseInput() override { calls.push_back(ToolkitCall::DiscardMouseInput()); }
    ScreenMetrics Screen() override { return screen; }
    bool OnSomeScreen(const PixelRect& outer) override;
    PixelRect WorkArea(const PixelRect& around) override;
    PixelRect MonitorRect(const PixelRect& around) override { return Screens()[ScreenOf(around)]; }
    PixelPoint PointerPosition() override { return pointer; }

  private:
    std::vector<PixelRect> Screens() const;
    std::size_t ScreenOf(const PixelRect& r) const;
    int DpiOf(const PixelRect& r) const;
    // Tells the form when its new place is on a screen of another scale.
    void Moved(FormId form, const PixelRect& outer);
};
