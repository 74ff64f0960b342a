#include "frm_about.h"

#include "program.h"

using namespace AboutControls;

FrmAbout::FrmAbout(Program& program) : Form(FormId::About, program.ports.toolkit) {}

FormDesign FrmAbout::Design() const {
    const Color purple{128, 0, 128};
    const Color orange{255, 192, 128};
    const FontDesign creditFont{"Arial", 9.75f, true, true};
    FormDesign d;
    d.id = FormId::About;
    d.caption = "About FizzmoLIte";
    d.border = FormBorder::ToolWindow;
    d.rect = {0, 0, 3870, 1515};
    d.clientSize = true;
    d.start = StartPosition::CenterOwner;
    d.backColor = orange;
    d.taskbarButton = false;
    ControlDesign chaos;
    chaos.id = Command1;
    chaos.kind = ControlKind::CommandButton;
    chaos.rect = {2775, 150, 915, 315};
    chaos.caption = "Chaos";
    chaos.font = {"MS Sans Serif", 8.25f, false, false};
    chaos.tabIndex = 0;
    chaos.isDefault = true; // Enter and Escape close the box as the button does
    chaos.isCancel = true;
    ControlDesign name;
    name.id = Label1;
    name.kind = ControlKind::Label;
    name.rect = {225, 150, 1305, 270};
    name.caption = "FizzmoLite";
    name.foreColor = Color{0, 0, 128};
    name.font = {"Arial", 12, true, true};
    name.tabIndex = 1;
    ControlDesign credit;
    credit.id = Label2;
    credit.kind = ControlKind::Label;
    credit.rect = {225, 750, 1920, 240};
    credit.caption = "Developed By Oskvel";
    credit.foreColor = purple;
    credit.font = creditFont;
    credit.tabIndex = 2;
    ControlDesign purpose = credit;
    purpose.id = Label3;
    purpose.rect = {225, 450, 3480, 240};
    purpose.caption = "Yahoo Messenger Emoticon Support.";
    purpose.tabIndex = 3;
    ControlDesign contact;
    contact.id = Text1;
    contact.kind = ControlKind::TextBox;
    contact.rect = {225, 1050, 3390, 315};
    contact.caption = std::string("E-Mail > ") + kContactAddress;
    contact.foreColor = purple;
    contact.backColor = orange;
    contact.font = creditFont;
    contact.readOnly = true;
    contact.tabIndex = 4;
    d.controls = {chaos, name, credit, purpose, contact};
    return d;
}

void FrmAbout::OnEvent(const FormEvent& e) {
    if ((e.kind == EventKind::Click && e.control == Command1) ||
        e.kind == EventKind::CloseRequest) {
        Command1_Click();
    }
}

void FrmAbout::Command1_Click() {
    Unload();
}
