#pragma once
#include "extras/slide_scroll.h"
#include "shared/form.h"
#include "shared/form_event.h"

class Program;

namespace SlideShowControls {
enum : int { Picture1 = 1, Image1, Label2, Timer1, OKButton };
}

inline constexpr int kSlideStripPixelsWide = 1440;
inline constexpr int kSlideStripPixelsHigh = 100;

// The hidden slide show: a wide picture scrolling behind a viewport.
class FrmSlideShow final : public Form {
  public:
    explicit FrmSlideShow(Program& program);
    void OnEvent(const FormEvent& event) override;

    void Timer1_Timer();
    void Image1_Click();
    void OKButton_Click();

    float Image1Left() const { return scroll_.Left(); }
    bool Scrolling() const { return timerEnabled_; }

  protected:
    FormDesign Design() const override;
    void Form_Load() override;
    void Form_DpiChanged() override;

  private:
    void MeasureImage();
    void EnableTimer(bool enabled);
    void PlaceImage();

    SlideScroll scroll_;
    bool timerEnabled_ = false;
    float imageWidth_ = 0;
    short PictureResId = 0;
};
