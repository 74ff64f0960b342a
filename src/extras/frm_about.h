#pragma once
#include "shared/form.h"
#include "shared/form_event.h"

class Program;

namespace AboutControls {
enum : int { Command1 = 1, Label1, Label2, Label3, Text1 };
}

inline constexpr const char* kContactAddress = "fizzmolite@example.org";

// The About box; its one button, "Chaos", closes it.
class FrmAbout final : public Form {
  public:
    explicit FrmAbout(Program& program);
    void OnEvent(const FormEvent& event) override;
    void Command1_Click();

  protected:
    FormDesign Design() const override;
};
