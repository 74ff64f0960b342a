#pragma once
#include "form_accessible.h"
#include "form_control.h"
#include "form_host.h"
#include "form_icons.h"
#include "form_tooltip.h"
#include "shared/accessible_children.h"
#include "shared/form_event.h"
#include "shared/pointer_clicks.h"

#include <memory>
#include <vector>

// One form's real window: it builds itself and its controls from the design, paints and
// hit-tests its windowless controls, and reports every event to the toolkit.
class FormWindow {
  public:
    FormWindow(FormHost& host, const FormDesign& designInPixels);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    static void RegisterWindowClass(HINSTANCE instance);
    // The object of one of the program's form windows; nullptr for any other window.
    static FormWindow* FromHandle(HWND hwnd);

    HWND Handle() const { return hwnd_; }
    FormId Id() const { return design_.id; }
    const FormDesign& Design() const { return design_; }
    int Dpi() const { return design_.dpi; }
    HMENU Menu() const { return menu_.Get(); }
    FormControl* Find(int id, int index);
    FormControl* FindWindowed(HWND child);
    const std::vector<std::unique_ptr<FormControl>>& Controls() const { return controls_; }

    void Place(FormControl& control, const PixelRect& rect);
    void SetPicture(FormControl& control, int resource, const Picture& picture);
    // Draws the form anew at the design's resolution: fonts, control rectangles and the window's
    // own; the pictures are the toolkit's to fetch again.
    void Rescale(const FormDesign& designInPixels);
    void SetBorderStyle(FormControl& control, int style);
    void SetText(FormControl& control, const std::string& text);
    // The width the control needs to show the text whole on one line in its font: a text
    // box's margins included.
    int TextWidth(const FormControl& control, const std::string& text);
    void SetToolTip(FormControl& control, const std::string& text);
    // A key was pressed in the form: its tooltip goes.
    void DismissToolTip() { toolTip_.Dismiss(); }
    // Gives the focus to the first control in tab order, on the first showing only.
    void FocusFirstControl();
    // The control the highlight is on (none: nullptr); screen readers are told at once.
    void SetHighlight(FormControl* control);
    FormControl* Highlighted() const { return highlighted_; }
    const std::vector<AccessibleChild>& AccessibleChildren() const { return accessibleChildren_; }
    // The windowless control shown at a point of the client area, if any.
    FormControl* HitTest(PixelPoint p);
    FormControl* HitTest(POINT p) { return HitTest(PixelPoint{p.x, p.y}); }
    FormAccessibleObject& Accessible() { return accessible_; }

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleChildNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void CreateControl(const ControlDesign& design);
    void MakeFont(FormControl& control);
    void Reposition(FormControl& control);
    void FitLabel(FormControl& label);
    void Invalidate(const FormControl& control);
    HBRUSH BrushBehind(const FormControl& control) const;
    void Paint();
    void PaintWindowless(HDC dc, const RECT& dirty);
    void OnButtonDown(UINT message, PixelPoint p);
    void OnButtonUp(UINT message, PixelPoint p);
    // Takes or lets go of the mouse as the clicks' rules say, then reports their events.
    void Carry(const PointerClicks::Outcome& outcome);
    void OnMouseMove(PixelPoint p);
    bool OnSetCursor(HWND under, UINT hit);
    void Raise(const FormEvent& event);

    FormHost& host_;
    FormDesign design_;
    HWND hwnd_ = nullptr;
    Brush background_;
    struct MenuHandle {
        HMENU handle = nullptr;
        ~MenuHandle();
        HMENU Get() const { return handle; }
    } menu_;
    FormToolTip toolTip_;
    FormIcons icons_;
    std::vector<std::unique_ptr<FormControl>> controls_;
    PointerClicks clicks_;
    bool focused_ = false;
    HWND focusOnReturn_ = nullptr; // the control that had the focus when the form went inactive
    std::vector<AccessibleChild> accessibleChildren_;
    FormControl* highlighted_ = nullptr;
    // Last, so that it goes first, right after the window: readers are cut off from it then.
    FormAccessibleObject accessible_;
};
