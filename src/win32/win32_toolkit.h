#pragma once
#include "gdi_handles.h"
#include "shared/form_event.h"
#include "shared/toolkit.h"

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

// One control of a hosted form.
struct HostedControl {
    FormId form = FormId::Main;
    ControlDesign design;
    HWND hwnd = nullptr;
    Font font;
    Brush background;
    HBITMAP picture = nullptr; // shown; owned by ownPicture or by the toolkit's cache
    Bitmap ownPicture;
    PixelRect placed; // where it was last put, in its container's client pixels
    int borderStyle = 0;
    bool pressed = false; // the left button went down on it and has not come up yet
};

// One form's real window and what it owns.
struct HostedForm {
    FormDesign design;
    HWND hwnd = nullptr;
    HMENU menu = nullptr;
    HWND toolTip = nullptr;
    Brush background;
    bool placed = false;  // start position applied
    bool focused = false; // first control focused
    std::vector<std::unique_ptr<HostedControl>> controls;
    ~HostedForm();
    HostedControl* Find(int id, int index);
};

// The toolkit over real Win32 windows. Builds each form from its design, reports every
// event to the sink and decides nothing about what the events mean.
class Win32Toolkit final : public Toolkit {
  public:
    using Sink = std::function<void(FormId, const FormEvent&)>;

    explicit Win32Toolkit(HINSTANCE instance);
    ~Win32Toolkit() override;
    Win32Toolkit(const Win32Toolkit&) = delete;
    Win32Toolkit& operator=(const Win32Toolkit&) = delete;
    void SetSink(Sink sink) { sink_ = std::move(sink); }
    // Runs the message loop until the program ends.
    void Run();
    bool Ended() const { return ended_; }

    void CreateForm(const FormDesign& designInPixels) override;
    void PrepareForm(const FormDesign& designInPixels) override;
    void DestroyForm(FormId form) override;
    void ShowForm(FormId form, FormId owner) override;
    void ShowModal(FormId form, FormId owner) override;
    void HideForm(FormId form) override;
    void BringForward(FormId form) override;
    Hwnd FormHandle(FormId form) override;
    WindowState FormWindowState(FormId form) override;
    PixelRect FormRect(FormId form) override;
    void MoveForm(FormId form, const PixelRect& outer) override;
    void EndProgram() override;
    bool PrevInstance() override;
    void WakePrevInstance() override;
    void SetControlRect(FormId form, int control, int index, const PixelRect& rect) override;
    void SetPicture(FormId form, int control, int index, int bitmapResource) override;
    void SetBorderStyle(FormId form, int control, int index, int style) override;
    void SetText(FormId form, int control, int index, const std::string& text) override;
    void SetToolTip(FormId form, int control, int index, const std::string& text) override;
    void SetTimerEnabled(FormId form, int timer, bool enabled) override;
    void SetMenuChecked(FormId form, int item, bool checked) override;
    int PopupMenu(FormId form, int x, int y) override;
    void MessageBoxCritical(const std::string& text, const std::string& title) override;
    void Beep() override;
    void DiscardMouseInput() override;
    ScreenMetrics Screen() override;
    bool OnSomeScreen(const PixelRect& outer) override;
    PixelRect WorkArea(const PixelRect& around) override;

    // Used by the window procedures.
    void Raise(FormId form, const FormEvent& event);
    HostedForm* Hosted(FormId form);
    HostedForm* HostedByWindow(HWND hwnd);
    HINSTANCE Instance() const { return instance_; }
    bool IsOwnWindow(HWND hwnd) const;
    // The message a second start of the program broadcasts to call up the first.
    UINT AnotherStartMessage() const { return anotherStartMessage_; }
    // Builds the forms PrepareForm asked for; run by a timer once the program is idle.
    void BuildPrepared();

  private:
    bool PreTranslate(MSG& msg);
    void PumpOne(MSG& msg);
    void BuildForm(HostedForm& form); // from its design
    void CreateControl(HostedForm& form, const ControlDesign& design);
    void AddToolTip(HostedForm& form, HostedControl& control, const std::string& text);
    HBITMAP SmallPicture(int bitmapResource);
    void LoadSmallPictures();
    void FitLabel(HostedControl& control);
    void FocusFirstControl(HostedForm& form);

    HINSTANCE instance_;
    HANDLE instanceMutex_ = nullptr;
    bool prevInstance_ = false;
    UINT anotherStartMessage_ = 0;
    int dpiX_ = 96;
    int dpiY_ = 96;
    Sink sink_;
    std::map<FormId, std::unique_ptr<HostedForm>> forms_;
    // Built ahead, hidden, for the CreateForm that will load them.
    std::map<FormId, std::unique_ptr<HostedForm>> prepared_;
    std::map<FormId, std::unique_ptr<HostedForm>> toPrepare_; // design only, no window yet
    // Small pictures, loaded once and shared: the palette shows the same 64 on every load.
    std::map<int, Bitmap> smallPictures_;
    // Forms destroyed inside their own handlers are freed once the handler has returned.
    std::vector<std::unique_ptr<HostedForm>> destroyed_;
    bool ended_ = false;
};

// Window classes of the forms and controls (win32_controls.cpp).
void RegisterWindowClasses(HINSTANCE instance, Win32Toolkit* toolkit);
// Thread-timer procedure: kills its timer and has the toolkit build the prepared forms.
VOID CALLBACK PrepareFormsWhenIdle(HWND, UINT, UINT_PTR timer, DWORD);
extern const char* const kFormClass;
extern const char* const kImageClass;
extern const char* const kFrameClass;
extern const char* const kLabelClass;
