#include "form.h"

#include "work_area.h"

void Form::Load() {
    if (loaded_) {
        return;
    }
    const FormDesign design = Design();
    toolkit_.CreateForm(DesignInPixels(design, toolkit_.Screen()));
    start_ = design.start;
    placedAtStart_ = false;
    loaded_ = true;
    Form_Load();
}

void Form::Show(FormId owner) {
    Load();
    if (loaded_) { // Form_Load may have unloaded it again
        PlaceAtStart(owner);
        visible_ = true;
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
    const PixelRect r = toolkit_.FormRect(id_);
    const int width = r.Right - r.Left;
    const int height = r.Bottom - r.Top;
    const int left = (area.Left + area.Right - width) / 2;
    const int top = (area.Top + area.Bottom - height) / 2;
    const PixelRect centred{left, top, left + width, top + height};
    toolkit_.MoveForm(id_, KeepInside(centred, toolkit_.WorkArea(centred)));
}

PixelRect Form::WorkArea() {
    return toolkit_.WorkArea(toolkit_.FormRect(id_));
}

void Form::MoveInside(const PixelRect& area) {
    const PixelRect r = toolkit_.FormRect(id_);
    if (!Contains(area, r)) {
        toolkit_.MoveForm(id_, KeepInside(r, area));
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
    return ToPixels(r, toolkit_.Screen());
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
    toolkit_.MoveForm(id_, r);
}

void Form::SetTop(Twips top) {
    PixelRect r = toolkit_.FormRect(id_);
    const int y = PixelsY(top, toolkit_.Screen());
    r.Bottom += y - r.Top;
    r.Top = y;
    toolkit_.MoveForm(id_, r);
}

void Form::SetSize(Twips width, Twips height) {
    PixelRect r = toolkit_.FormRect(id_);
    r.Right = r.Left + PixelsX(width, toolkit_.Screen());
    r.Bottom = r.Top + PixelsY(height, toolkit_.Screen());
    toolkit_.MoveForm(id_, r);
}
