#include "program.h"

Program::Program(const Ports& p)
    : ports(p), frmMain(*this), frmSmilies(*this), frmAbout(*this), frmSlideShow(*this) {}

void Program::Start() {
    // Two launchers would stand on top of each other and save over each other's options.
    if (ports.toolkit.PrevInstance()) {
        ports.toolkit.WakePrevInstance();
        ports.toolkit.EndProgram();
        return;
    }
    frmMain.Show(FormId::Main);
    // The palette is what the user asks for first: its window is built while the launcher
    // waits, so that the first click shows it at once.
    if (frmMain.Loaded()) {
        frmSmilies.Prepare();
    }
}

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
