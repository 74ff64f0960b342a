#pragma once
#include "form_design.h"
#include "hot_key.h"
#include "window_system.h"

#include <string>

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// What the forms ask of the windowing toolkit. Geometry here is in screen pixels;
// the forms convert to and from twips.
class Toolkit {
  public:
    virtual ~Toolkit() = default;

    // Makes the window and its controls from the design, hidden.
    virtual void CreateForm(const FormDesign& designInPixels) = 0;
    virtual void DestroyForm(FormId form) = 0;
    // Modeless: shows and activates, or only brings forward when already visible.
    virtual void ShowForm(FormId form, FormId owner) = 0;
    // Shows the form modal to the program; returns once the form has been destroyed.
    virtual void ShowModal(FormId form, FormId owner) = 0;
    virtual void HideForm(FormId form) = 0;
    // Brings a shown form to the front and activates it.
    virtual void BringForward(FormId form) = 0;
    virtual WindowState FormWindowState(FormId form) = 0;
    virtual PixelRect FormRect(FormId form) = 0; // outer bounds on the screen
    virtual void MoveForm(FormId form, const PixelRect& outer) = 0;
    // Called while a press on the form is handled: the system moves the form with the pointer,
    // as after a press on a caption bar, and returns once the user lets go.
    virtual void BeginDrag(FormId form) = 0;
    // Puts the form into the band of top-most windows or takes it out, without moving, sizing
    // or activating it; shows it when asked, else leaves it shown or hidden as it is.
    virtual void SetTopmost(FormId form, bool topmost, bool show) = 0;
    // The dots per inch the system gives the form's window now: its monitor's, where each
    // monitor has its own scale.
    virtual int FormDpi(FormId form) = 0;
    // Draws the form anew at the design's resolution: its texts' fonts, its pictures, every
    // control at its design's pixels and the window at the design's rectangle. What the form
    // shows (texts, pictures, borders) stays.
    virtual void RescaleForm(const FormDesign& designInPixels) = 0;
    // Leaves the message loop once the current handler returns.
    virtual void EndProgram() = 0;
    // Whether the program already runs in this session; the first to ask is the one that runs.
    virtual bool PrevInstance() = 0;
    // Has the program that runs already raise AnotherStart on its forms.
    virtual void WakePrevInstance() = 0;

    // Control rectangles are relative to their container.
    virtual void SetControlRect(FormId form, int control, int index, const PixelRect& rect) = 0;
    virtual void SetPicture(FormId form, int control, int index, int bitmapResource) = 0;
    virtual void SetBorderStyle(FormId form, int control, int index, int style) = 0;
    virtual void SetText(FormId form, int control, int index, const std::string& text) = 0;
    // How many pixels wide the control needs to be to show the text whole on one line, in the
    // font it has at the form's resolution: a text box counts the margins it keeps around it.
    virtual int TextWidth(FormId form, int control, int index, const std::string& text) = 0;
    virtual void SetToolTip(FormId form, int control, int index, const std::string& text) = 0;
    virtual void SetTimerEnabled(FormId form, int timer, bool enabled) = 0;
    // The control the form's highlight is on now, which a screen reader follows as the focus.
    virtual void SetHighlight(FormId form, int control, int index) = 0;

    // Called while a KeyDown event is handled: the key goes no further, its control never sees it.
    virtual void ConsumeKey() = 0;
    // The key comes to the form as a HotKey event with this id from anywhere in the session;
    // false when it cannot be had (another program holds it).
    virtual bool RegisterHotKey(FormId form, int id, const HotKey& key) = 0;
    virtual void UnregisterHotKey(FormId form, int id) = 0;

    virtual void SetMenuChecked(FormId form, int item, bool checked) = 0;
    // Pops up the form's menu at a point in its client area and returns once it has closed;
    // the item chosen, if any, has then come to the form as a Menu event.
    virtual void PopupMenu(FormId form, int x, int y) = 0;

    // A message box with the critical-stop icon and one OK button; returns when closed.
    virtual void MessageBoxCritical(const std::string& text, const std::string& title) = 0;

    // A short sound that tells the user something did not work; returns at once.
    virtual void Beep() = 0;
    // Drops the mouse input waiting to be handled, so it cannot act later than it was meant.
    virtual void DiscardMouseInput() = 0;

    virtual ScreenMetrics Screen() = 0; // the primary screen
    // The whole of the screen nearest the rectangle, taskbar and other reserved space included.
    virtual PixelRect MonitorRect(const PixelRect& around) = 0;
    // Where the pointer is on the screen now.
    virtual PixelPoint PointerPosition() = 0;
    // Whether any part of the rectangle lies on one of the screens.
    virtual bool OnSomeScreen(const PixelRect& outer) = 0;
    // The part of the screen nearest the rectangle that windows may use: without the taskbar
    // and other reserved space.
    virtual PixelRect WorkArea(const PixelRect& around) = 0;
};
