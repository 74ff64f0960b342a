#pragma once
#include "form_design.h"
#include "form_event.h"
#include "toolkit.h"
#include "units.h"

// One of the program's windows: its loaded state, showing and unloading, and its position
// in twips. Loading builds the window from the form's design and runs Form_Load.
class Form {
  public:
    Form(FormId id, Toolkit& toolkit) : id_(id), toolkit_(toolkit) {}
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    FormId Id() const { return id_; }
    // Every event of the form's window and controls comes in here.
    virtual void OnEvent(const FormEvent& event) = 0;
    bool Loaded() const { return loaded_; }
    // Shown by the program and not hidden or unloaded since.
    bool Visible() const { return visible_; }

    void Load();
    void Show(FormId owner);      // modeless; loads first when needed
    void ShowModal(FormId owner); // returns once the form is unloaded
    void Hide();
    // Runs Form_Unload and destroys the window; does nothing when not loaded.
    void Unload();

    Hwnd hWnd() { return toolkit_.FormHandle(id_); }
    Twips Left();
    Twips Top();
    Twips Width();
    Twips Height();
    void SetLeft(Twips left);
    void SetTop(Twips top);
    void SetSize(Twips width, Twips height);
    // The work area of the screen the form is on, or nearest to.
    PixelRect WorkArea();
    // Moves the form, if need be, so that all of it lies inside the area.
    void MoveInside(const PixelRect& area);
    WindowState State() { return toolkit_.FormWindowState(id_); }

  protected:
    virtual FormDesign Design() const = 0;
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    Toolkit& toolkit() { return toolkit_; }
    PixelRect ControlPixels(const DesignRect& twips);

  private:
    void PlaceAtStart(FormId owner);

    FormId id_;
    Toolkit& toolkit_;
    bool loaded_ = false;
    bool visible_ = false;
    StartPosition start_ = StartPosition::Manual;
    bool placedAtStart_ = false;
};
