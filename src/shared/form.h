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
    // Every event of the form's window and controls comes in here: a change of resolution is
    // the form's own business, the rest goes to OnEvent.
    void Receive(const FormEvent& event);
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

    // Positions and sizes are in the screen's twips, at the resolution the program started
    // with, so that they add up with each other and with other windows' whatever monitor the
    // form is on.
    Twips Left();
    Twips Top();
    Twips Width();
    Twips Height();
    void SetLeft(Twips left);
    void SetTop(Twips top);
    // The form's dots per inch: its monitor's, which its design and layout are drawn at.
    int Dpi() const { return dpi_; }
    // Places the form by its size, and once more when that changed its size, as a move onto a
    // monitor of another scale does.
    template <typename Place> void PlaceBySize(Place place) {
        for (int pass = 0; pass < 2; ++pass) {
            const PixelRect before = toolkit_.FormRect(id_);
            place();
            const PixelRect after = toolkit_.FormRect(id_);
            if (after.Right - after.Left == before.Right - before.Left &&
                after.Bottom - after.Top == before.Bottom - before.Top) {
                break;
            }
        }
    }
    // The work area of the screen the form is on, or nearest to.
    PixelRect WorkArea();
    // Moves the form, if need be, so that all of it lies inside the area.
    void MoveInside(const PixelRect& area);

  protected:
    virtual FormDesign Design() const = 0;
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    // The form is about to be shown, or brought forward when it is shown already.
    virtual void Form_Show() {}
    // The form has been drawn anew at another resolution: what Form_Load laid out goes again.
    virtual void Form_DpiChanged() {}

    Toolkit& toolkit() { return toolkit_; }
    // The screen measured at the form's resolution: its design and layout convert with it.
    ScreenMetrics Layout();
    PixelRect ControlPixels(const DesignRect& twips);
    // The size of the form's layout, in twips at its resolution.
    void SetSize(Twips width, Twips height);

  private:
    void PlaceAtStart(FormId owner);
    void MoveTo(const PixelRect& outer);
    void ChangeDpi(const FormEvent& event);
    // The system gives the form this resolution, with it to stand at this place.
    void Want(int dpi, const PixelRect& place);
    // Draws the form at the resolution it was given last, laying out what Form_Load placed
    // when it has loaded.
    void SettleDpi(bool laidOut);
    void Rescale(int dpi, int left, int top);

    FormId id_;
    Toolkit& toolkit_;
    bool loaded_ = false;
    bool visible_ = false;
    StartPosition start_ = StartPosition::Manual;
    bool placedAtStart_ = false;
    int dpi_ = 96;
    int moving_ = 0;               // moves of the program's own under way
    PixelRect moveTarget_{};       // where the latest of them puts the form
    bool rescaling_ = false;       // a change of resolution is being carried out
    int wantedDpi_ = 0;            // the resolution the system has given the form last
    PixelRect wantedPlace_{};      // and where the form goes with it
    PixelRect wantedArea_{};       // the work area of the monitor that gave it
    bool wantedSuggested_ = false; // the place is the one the system suggested
};
