#include "form.h"

#include "rounding.h"

void Form::Load() {
    if (loaded_) {
        return;
    }
    toolkit_.CreateForm(DesignInPixels(Design(), toolkit_.Screen()));
    loaded_ = true;
    Form_Load();
}

void Form::Prepare() {
    if (!loaded_) {
        toolkit_.PrepareForm(DesignInPixels(Design(), toolkit_.Screen()));
    }
}

void Form::Show(FormId owner) {
    Load();
    if (loaded_) { // Form_Load may have unloaded it again
        toolkit_.ShowForm(id_, owner);
    }
}

void Form::ShowModal(FormId owner) {
    Load();
    if (loaded_) {
        toolkit_.ShowModal(id_, owner);
    }
}

void Form::Hide() {
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
    toolkit_.DestroyForm(id_);
}

int Form::PixelsX(float twips) {
    return RoundHalfEvenToInt32(twips / toolkit_.Screen().twipsPerPixelX);
}

int Form::PixelsY(float twips) {
    return RoundHalfEvenToInt32(twips / toolkit_.Screen().twipsPerPixelY);
}

PixelRect Form::ControlPixels(const DesignRect& r) {
    const int left = PixelsX(r.left);
    const int top = PixelsY(r.top);
    return PixelRect{left, top, left + PixelsX(r.width), top + PixelsY(r.height)};
}

float Form::Left() {
    return static_cast<float>(toolkit_.FormRect(id_).Left) * toolkit_.Screen().twipsPerPixelX;
}

float Form::Top() {
    return static_cast<float>(toolkit_.FormRect(id_).Top) * toolkit_.Screen().twipsPerPixelY;
}

float Form::Width() {
    const PixelRect r = toolkit_.FormRect(id_);
    return static_cast<float>(r.Right - r.Left) * toolkit_.Screen().twipsPerPixelX;
}

float Form::Height() {
    const PixelRect r = toolkit_.FormRect(id_);
    return static_cast<float>(r.Bottom - r.Top) * toolkit_.Screen().twipsPerPixelY;
}

void Form::SetLeft(float twips) {
    PixelRect r = toolkit_.FormRect(id_);
    const int x = PixelsX(twips);
    r.Right += x - r.Left;
    r.Left = x;
    toolkit_.MoveForm(id_, r);
}

void Form::SetTop(float twips) {
    PixelRect r = toolkit_.FormRect(id_);
    const int y = PixelsY(twips);
    r.Bottom += y - r.Top;
    r.Top = y;
    toolkit_.MoveForm(id_, r);
}

void Form::SetSize(float widthTwips, float heightTwips) {
    PixelRect r = toolkit_.FormRect(id_);
    r.Right = r.Left + PixelsX(widthTwips);
    r.Bottom = r.Top + PixelsY(heightTwips);
    toolkit_.MoveForm(id_, r);
}
