#include "program.h"

Program::Program(const Ports& p)
    : ports(p), frmMain(*this), frmSmilies(*this), frmAbout(*this), frmSlideShow(*this) {}

void Program::Dispatch(FormId form, const FormEvent& event) {
    switch (form) {
    case FormId::Main:
        if (frmMain.Loaded()) {
            frmMain.OnEvent(event);
        }
        break;
    case FormId::Smilies:
        if (frmSmilies.Loaded()) {
            frmSmilies.OnEvent(event);
        }
        break;
    case FormId::About:
        if (frmAbout.Loaded()) {
            frmAbout.OnEvent(event);
        }
        break;
    case FormId::SlideShow:
        if (frmSlideShow.Loaded()) {
            frmSlideShow.OnEvent(event);
        }
        break;
    }
}
