#include "form.h"

#include "work_area.h"

void Form::Load() {
    if (loaded_) {
        return;
    }
    const FormDesign design = Design();
    dpi_ = DotsPerInch(toolkit_.Screen());
    toolkit_.CreateForm(DesignInPixels(design, Layout()));
    start_ = design.start;
    placedAtStart_ = false;
    loaded_ = true;
    // Made on a monitor of another scale, it is drawn at that one before it loads.
    if (const int dpi = toolkit_.FormDpi(id_); IsUsableDpi(dpi) && dpi != dpi_) {
        Want(dpi, toolkit_.FormRect(id_));
        SettleDpi(false);
    }
    Form_Load();
}

void Form::Receive(const FormEvent& event) {
    if (event.kind == EventKind::DpiChanged) {
        ChangeDpi(event);
    } else {
        OnEvent(event);
    }
}

void Form::ChangeDpi(const FormEvent& event) {
    if (!IsUsableDpi(event.dpi)) {
        return;
    }
    // Moved by the program, the form stays where it was put; dragged, it goes where the system
    // suggests, which keeps it under the pointer (and where it is, were that on no screen).
    if (moving_) {
        Want(event.dpi, moveTarget_);
    } else if (toolkit_.OnSomeScreen(event.suggested)) {
        Want(event.dpi, event.suggested);
        wantedSuggested_ = true;
    } else {
        Want(event.dpi, toolkit_.FormRect(id_));
    }
    if (!rescaling_) { // else the change under way takes this one up when it is done
        SettleDpi(true);
    }
}

void Form::Want(int dpi, const PixelRect& place) {
    wantedDpi_ = dpi;
    wantedPlace_ = place;
    wantedSuggested_ = false;
    // The monitor that gives it this scale: the one it stands on now, when the system tells it.
    wantedArea_ = toolkit_.WorkArea(toolkit_.FormRect(id_));
}

void Form::SettleDpi(bool laidOut) {
    rescaling_ = true;
    for (int pass = 0; pass < 3 && wantedDpi_ != dpi_; ++pass) {
        const PixelRect area = wantedArea_;
        const bool suggested = wantedSuggested_;
        Rescale(wantedDpi_, wantedPlace_.Left, wantedPlace_.Top);
        if (laidOut) {
            Form_DpiChanged();
        }
        // Its size at the new scale carried it back over the edge onto the other monitor: it
        // goes wholly onto the one that gave it this scale, instead of back and forth.
        if (wantedDpi_ != dpi_) {
            MoveTo(KeepInside(toolkit_.FormRect(id_), area));
        } else if (suggested) {
            // Any program can send a suggestion, also one that barely touches the screen.
            MoveInside(area);
        }
    }
    rescaling_ = false;
}

void Form::Rescale(int dpi, int left, int top) {
    dpi_ = dpi;
    FormDesign design = DesignInPixels(Design(), Layout());
    PixelRect& r = design.pixels;
    r = PixelRect{left, top, left + r.Right - r.Left, top + r.Bottom - r.Top};
    moveTarget_ = r;
    ++moving_;
    toolkit_.RescaleForm(design);
    --moving_;
}

void Form::MoveTo(const PixelRect& outer) {
    moveTarget_ = outer;
    ++moving_;
    toolkit_.MoveForm(id_, outer);
    --moving_;
}

ScreenMetrics Form::Layout() {
    return AtDpi(toolkit_.Screen(), dpi_);
}

void Form::Show(FormId owner) {
    Load();
    if (loaded_) { // Form_Load may have unloaded it again
        PlaceAtStart(owner);
        visible_ = true;
        Form_Show();
        toolkit_.ShowForm(id_, owner);
    }
}

void Form::ShowModal(FormId owner) {
    Load();
    if (loaded_) {
        PlaceAtStart(owner);
        visible_ = true;
        toolkit_.ShowModal(id_, owner);
    }
}

// Centred as designed on its first showing, and never partly off the screen it lands on.
void Form::PlaceAtStart(FormId owner) {
    if (placedAtStart_) {
        return;
    }
    placedAtStart_ = true;
    if (start_ == StartPosition::Manual || (start_ == StartPosition::CenterOwner && owner == id_)) {
        return;
    }
    const ScreenMetrics screen = toolkit_.Screen();
    const PixelRect area = start_ == StartPosition::CenterOwner
                               ? toolkit_.FormRect(owner)
                               : PixelRect{0, 0, screen.widthPixels, screen.heightPixels};
    // Centred on a monitor of another scale, it changes its size there and is centred again.
    PlaceBySize([&] {
        const PixelRect r = toolkit_.FormRect(id_);
        const int width = r.Right - r.Left;
        const int height = r.Bottom - r.Top;
        const int left = (area.Left + area.Right - width) / 2;
        const int top = (area.Top + area.Bottom - height) / 2;
        const PixelRect centred{left, top, left + width, top + height};
        MoveTo(KeepInside(centred, toolkit_.WorkArea(centred)));
    });
}

PixelRect Form::WorkArea() {
    return toolkit_.WorkArea(toolkit_.FormRect(id_));
}

void Form::MoveInside(const PixelRect& area) {
    const PixelRect r = toolkit_.FormRect(id_);
    if (!Contains(area, r)) {
        MoveTo(KeepInside(r, area));
    }
}

void Form::Hide() {
    visible_ = false;
    if (loaded_) {
        toolkit_.HideForm(id_);
    }
}

void Form::Unload() {
    if (!loaded_) {
        return;
    }
    Form_Unload();
    loaded_ = false;
    visible_ = false;
    toolkit_.DestroyForm(id_);
}

PixelRect Form::ControlPixels(const DesignRect& r) {
    return ToPixels(r, Layout());
}

Twips Form::Left() {
    return TwipsX(toolkit_.FormRect(id_).Left, toolkit_.Screen());
}

Twips Form::Top() {
    return TwipsY(toolkit_.FormRect(id_).Top, toolkit_.Screen());
}

Twips Form::Width() {
    const PixelRect r = toolkit_.FormRect(id_);
    return TwipsX(r.Right - r.Left, toolkit_.Screen());
}

Twips Form::Height() {
    const PixelRect r = toolkit_.FormRect(id_);
    return TwipsY(r.Bottom - r.Top, toolkit_.Screen());
}

void Form::SetLeft(Twips left) {
    PixelRect r = toolkit_.FormRect(id_);
    const int x = PixelsX(left, toolkit_.Screen());
    r.Right += x - r.Left;
    r.Left = x;
    MoveTo(r);
}

void Form::SetTop(Twips top) {
    PixelRect r = toolkit_.FormRect(id_);
    const int y = PixelsY(top, toolkit_.Screen());
    r.Bottom += y - r.Top;
    r.Top = y;
    MoveTo(r);
}

void Form::SetSize(Twips width, Twips height) {
    PixelRect r = toolkit_.FormRect(id_);
    r.Right = r.Left + PixelsX(width, Layout());
    r.Bottom = r.Top + PixelsY(height, Layout());
    MoveTo(r);
}
