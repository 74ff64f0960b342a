#pragma once
#include "shared/form.h"
#include "shared/form_event.h"
#include "shared/vb_bool.h"

class Program;

namespace MainControls {
enum : int {
    Image1 = 1,
    Command1,
    Timer1,
    mnuOptions,
    mnuStayonTop,
    mnuSendOnClick,
    mnuStickToPM,
    mnuKeepOpen,
    mnuAnyWindow,
    mnuStartWithWindows,
    mnusep1,
    mnuAbout,
    mnuExit,
};
}

// The launcher: the start-up window with one picture, the options menu, and the timer
// that keeps it beside the IM window.
class FrmMain final : public Form {
  public:
    explicit FrmMain(Program& program);

    void OnEvent(const FormEvent& event) override;

    void Form_MouseDown(int button);
    void Image1_MouseDown(int button, int x, int y);
    void Image1_MouseUp(int button);
    void Image1_Click();
    void mnuStayonTop_Click();
    void mnuSendOnClick_Click();
    void mnuStickToPM_Click();
    void mnuKeepOpen_Click();
    void mnuAnyWindow_Click();
    void mnuStartWithWindows_Click();
    void mnuAbout_Click();
    void mnuExit_Click();
    void Command1_Click();
    void Timer1_Timer();
    void HotKey_Press();

    bool Checked(int item) const;

  protected:
    FormDesign Design() const override;
    void Form_Load() override;
    void Form_Unload() override;

  private:
    void ToggleSwitch(int item, VbBool& optionSwitch);
    void SetChecked(int item, VbBool value);
    void ShowAgain();
    void MenuItem_Click(int item);
    void UnloadAndEnd();
    void OpenPalette();

    Program& program_;
    bool optionsLoaded_ = false;
    bool hotKeyRegistered_ = false;
    bool menuOpen_ = false; // its loop runs inside the press that opened it
    VbBool checked_[MainControls::mnuExit + 1] = {};
};
