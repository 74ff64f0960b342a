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
}

void Program::Dispatch(FormId form, const FormEvent& event) {
    // The last moments the window the user was working in is still in the foreground.
    if (event.kind == EventKind::HotKey || event.kind == EventKind::MouseActivate) {
        workingWindow.Notice(ports.windows, ports.windows.GetForegroundWindow());
    }
    Form& target = FormOf(form);
    if (target.Loaded()) {
        target.Receive(event);
    }
}

Form& Program::FormOf(FormId form) {
    switch (form) {
    case FormId::Main:
        break;
    case FormId::Smilies:
        return frmSmilies;
    case FormId::About:
        return frmAbout;
    case FormId::SlideShow:
        return frmSlideShow;
    }
    return frmMain;
}
