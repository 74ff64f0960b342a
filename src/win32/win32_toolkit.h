#pragma once
#include "form_host.h"
#include "form_window.h"
#include "picture_cache.h"
#include "shared/toolkit.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

// The toolkit over real Win32 windows: builds each form from its design, reports every event to
// the sink and decides nothing about what the events mean.
class Win32Toolkit final : public Toolkit, public FormHost {
  public:
    using Sink = std::function<void(FormId, const FormEvent&)>;

    explicit Win32Toolkit(HINSTANCE instance);
    ~Win32Toolkit() override;
    Win32Toolkit(const Win32Toolkit&) = delete;
    Win32Toolkit& operator=(const Win32Toolkit&) = delete;

    void SetSink(Sink sink) { sink_ = std::move(sink); }
    // Runs the message loop until the program ends (message_pump.cpp).
    void Run();

    void CreateForm(const FormDesign& designInPixels) override;
    void DestroyForm(FormId form) override;
    void ShowForm(FormId form, FormId owner) override;
    void ShowModal(FormId form, FormId owner) override;
    void HideForm(FormId form) override;
    void BringForward(FormId form) override;
    WindowState FormWindowState(FormId form) override;
    PixelRect FormRect(FormId form) override;
    void MoveForm(FormId form, const PixelRect& outer) override;
    void BeginDrag(FormId form) override;                           // form_stacking.cpp
    void SetTopmost(FormId form, bool topmost, bool show) override; // form_stacking.cpp
    int FormDpi(FormId form) override;
    void RescaleForm(const FormDesign& designInPixels) override;
    void EndProgram() override;
    bool PrevInstance() override;
    void WakePrevInstance() override;
    void SetControlRect(FormId form, int control, int index, const PixelRect& rect) override;
    void SetPicture(FormId form, int control, int index, int bitmapResource) override;
    void SetBorderStyle(FormId form, int control, int index, int style) override;
    void SetText(FormId form, int control, int index, const std::string& text) override;
    int TextWidth(FormId form, int control, int index, const std::string& text) override;
    void SetToolTip(FormId form, int control, int index, const std::string& text) override;
    void SetTimerEnabled(FormId form, int timer, bool enabled) override;
    void SetHighlight(FormId form, int control, int index) override;
    void ConsumeKey() override { keyConsumed_ = true; }
    bool RegisterHotKey(FormId form, int id, const HotKey& key) override;
    void UnregisterHotKey(FormId form, int id) override;
    void SetMenuChecked(FormId form, int item, bool checked) override;
    void PopupMenu(FormId form, int x, int y) override;
    void MessageBoxCritical(const std::string& text, const std::string& title) override;
    void Beep() override;
    void DiscardMouseInput() override;
    ScreenMetrics Screen() override;
    bool OnSomeScreen(const PixelRect& outer) override;
    PixelRect WorkArea(const PixelRect& around) override;
    PixelRect MonitorRect(const PixelRect& around) override;
    PixelPoint PointerPosition() override;

    // For the form windows.
    void Raise(FormId form, const FormEvent& event) override;
    HINSTANCE Instance() const override { return instance_; }
    void DisplayChanged() override;
    bool IsOwnWindow(HWND hwnd) const override;
    HCURSOR Cursor(CursorKind kind) const override;
    UINT AnotherStartMessage() const override { return anotherStartMessage_; }

  private:
    FormWindow* Hosted(FormId form);
    FormControl* Control(FormId form, int control, int index);
    void PumpOne(MSG& msg);
    bool PreTranslate(const MSG& msg);
    // Shows the forms shown during the last event, once they stand where that event put them.
    void ShowPending();
    // Gives the other forms their input back, before the modal form goes: the system hands
    // activation only to a window that takes input, else to another program.
    void EndModal();

    HINSTANCE instance_;
    int dpiX_ = 96;
    int dpiY_ = 96;
    // The screen's size and the monitors, read once until the display changes: the launcher
    // asks every second, and the system answers slowly under Wine.
    std::optional<ScreenMetrics> screen_;
    std::optional<std::vector<PixelRect>> monitors_;
    HCURSOR paletteCursor_ = nullptr;
    KernelHandle instanceMutex_;
    bool prevInstance_ = false;
    UINT anotherStartMessage_ = 0;
    Sink sink_;
    PictureCache pictures_;
    std::map<FormId, std::unique_ptr<FormWindow>> forms_;
    std::set<FormId> toShow_;
    std::optional<FormId> modal_;
    std::vector<HWND> disabledByModal_;
    int dispatching_ = 0; // messages being handled, nested loops included
    // Forms unloaded inside their own handlers are freed once the handler has returned.
    std::vector<std::unique_ptr<FormWindow>> destroyed_;
    bool ended_ = false;
    bool keyConsumed_ = false; // by the form handling the current key press
};
