#include "frm_slide_show.h"

#include "program.h"

using namespace SlideShowControls;

FrmSlideShow::FrmSlideShow(Program& program) : Form(FormId::SlideShow, program.ports.toolkit) {}

FormDesign FrmSlideShow::Design() const {
    FormDesign d;
    d.id = FormId::SlideShow;
    d.caption = "Dialog Caption";
    d.border = FormBorder::None;
    d.rect = {0, 0, 3030, 2025};
    d.clientSize = true;
    d.start = StartPosition::CenterScreen;
    d.backColor = {212, 208, 200}; // button face
    d.taskbarButton = false;
    ControlDesign viewport;
    viewport.id = Picture1;
    viewport.kind = ControlKind::PictureBox;
    viewport.rect = {75, 75, 2865, 1515};
    viewport.backColor = Color{0, 0, 0};
    viewport.tabIndex = 1;
    ControlDesign image;
    image.id = Image1;
    image.container = Picture1;
    image.kind = ControlKind::Image;
    image.rect = {0, 0, 2880, 1500};
    ControlDesign label;
    label.id = Label2;
    label.container = Picture1;
    label.kind = ControlKind::Label;
    label.rect = {750, 450, 1665, 585};
    label.caption = "Loading pictures, please wait.....";
    label.foreColor = Color{0, 192, 0};
    label.font = {"Tahoma", 9, false, false};
    label.tabIndex = 2;
    label.wordWrap = true;
    ControlDesign button;
    button.id = OKButton;
    button.kind = ControlKind::CommandButton;
    button.rect = {75, 1650, 2865, 285};
    button.caption = "Dedicated to my friends";
    button.backColor = Color{0, 128, 0};
    button.font = {"Tahoma", 8.25f, false, false};
    button.cursor = CursorKind::Palette;
    button.tabIndex = 0;
    d.controls = {viewport, image, label, button};
    d.timers = {{Timer1, 70, false}};
    return d;
}

void FrmSlideShow::OnEvent(const FormEvent& e) {
    if (e.kind == EventKind::Timer && e.control == Timer1) {
        Timer1_Timer();
    } else if (e.kind == EventKind::Click && e.control == Image1) {
        Image1_Click();
    } else if (e.kind == EventKind::Click && e.control == OKButton) {
        OKButton_Click();
    } else if (e.kind == EventKind::CloseRequest) {
        OKButton_Click();
    }
}

void FrmSlideShow::Form_Load() {
    PictureResId = 165;
    toolkit().SetPicture(FormId::SlideShow, Image1, 0, PictureResId);
    MeasureImage();
    scroll_.Reset();
    PlaceImage();
    EnableTimer(true);
    toolkit().SetText(FormId::SlideShow, Label2, 0, "");
}

void FrmSlideShow::Form_DpiChanged() {
    MeasureImage();
    PlaceImage();
}

// The picture keeps its natural size on the screen (its pixels at 96 dpi).
void FrmSlideShow::MeasureImage() {
    const ScreenMetrics screen = Layout();
    imageWidth_ = TwipsX(ScaledPixelsX(kSlideStripPixelsWide, screen), screen).value;
}

void FrmSlideShow::PlaceImage() {
    const ScreenMetrics screen = Layout();
    toolkit().SetControlRect(
        FormId::SlideShow, Image1, 0,
        ControlPixels({scroll_.Left(), 0, imageWidth_,
                       TwipsY(ScaledPixelsY(kSlideStripPixelsHigh, screen), screen).value}));
}

void FrmSlideShow::EnableTimer(bool enabled) {
    timerEnabled_ = enabled;
    toolkit().SetTimerEnabled(FormId::SlideShow, Timer1, enabled);
}

void FrmSlideShow::Timer1_Timer() {
    scroll_.Tick(imageWidth_);
    PlaceImage();
}

void FrmSlideShow::Image1_Click() {
    EnableTimer(!timerEnabled_);
}

void FrmSlideShow::OKButton_Click() {
    EnableTimer(false);
    Unload();
}
