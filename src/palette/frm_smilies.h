#pragma once
#include "palette/catalogue.h"
#include "shared/form.h"
#include "shared/form_event.h"
#include "shared/grid_navigation.h"

#include <array>
#include <cstdint>

class Program;

namespace SmiliesControls {
enum : int { Frame1 = 1, smiley, Frame2, Label1, Text1, cmdClose };
}

// The palette: 64 pictures in an 8 x 8 grid, a preview strip, click to type.
class FrmSmilies final : public Form {
  public:
    explicit FrmSmilies(Program& program);

    void OnEvent(const FormEvent& event) override;

    void smiley_MouseMove(int index);
    void smiley_Click(int index);
    void Form_Deactivate();
    void Form_LostFocus();
    void Form_MouseDown(int button);
    void Frame1_MouseDown(int button);
    void Frame2_MouseDown(int button);
    void cmdClose_Click();
    void Text1_KeyPress(int keyAscii);
    void Form_KeyDown(int keyCode, int shift);

    // The one highlight that hovering and the keys move: the picture's border drops and the
    // text box shows its hover text.
    void Highlight(int index);
    int Highlighted() const { return highlight_; }
    // The picture picked last in this run, the first before any pick.
    int LastPicked() const { return lastPicked_; }

    const SmileyTable& Codes() const { return SmileyCodes; }
    // The picture's code as UTF-8 text, for typing as keys.
    const std::string& UnicodeCode(int index) const {
        return unicodeCodes_[static_cast<std::size_t>(index)];
    }
    int BorderStyle(int index) const { return borders_[static_cast<std::size_t>(index)]; }
    const std::string& Text1Text() const { return text1_; }
    std::int16_t KeySum = 0;

  protected:
    FormDesign Design() const override;
    void Form_Load() override;
    void Form_Unload() override;
    void Form_DpiChanged() override;
    void Form_Show() override;

  private:
    // The grid, its frames, the strip's text box and the form's size, at the form's resolution.
    void PlaceGrid();
    void SetBorder(int index, int style);
    // Whether the pointer really moved: a window appearing or changing under a pointer at rest
    // reports a move too, and that must not take the highlight from the keys.
    bool PointerMoved(const FormEvent& move);

    Program& program_;
    SmileyTable SmileyCodes; // in the code page, as the messenger's input box takes them
    std::array<std::string, kSmileyCount> unicodeCodes_;
    std::array<std::string, kSmileyCount> tags_;
    std::array<int, kSmileyCount> borders_{};
    std::string text1_;
    int highlight_ = kNoHighlight;
    int lastPicked_ = 0;
    PixelPoint pointer_{}; // where the pointer was last seen: at the showing or a move since
};
