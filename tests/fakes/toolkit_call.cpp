#include "toolkit_call.h"

#include <ostream>

namespace {
using Op = ToolkitCall::Op;

std::ostream& operator<<(std::ostream& out, const PixelRect& r) {
    return out << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom;
}

const char* OpName(Op op) {
    switch (op) {
    case Op::CreateForm:
        return "CreateForm";
    case Op::DestroyForm:
        return "DestroyForm";
    case Op::ShowForm:
        return "ShowForm";
    case Op::ShowModal:
        return "ShowModal";
    case Op::ModalReturned:
        return "ModalReturned";
    case Op::HideForm:
        return "HideForm";
    case Op::BringForward:
        return "BringForward";
    case Op::MoveForm:
        return "MoveForm";
    case Op::BeginDrag:
        return "BeginDrag";
    case Op::SetTopmost:
        return "SetTopmost";
    case Op::RescaleForm:
        return "RescaleForm";
    case Op::EndProgram:
        return "EndProgram";
    case Op::WakePrevInstance:
        return "WakePrevInstance";
    case Op::SetControlRect:
        return "SetControlRect";
    case Op::SetPicture:
        return "SetPicture";
    case Op::SetBorderStyle:
        return "SetBorderStyle";
    case Op::SetText:
        return "SetText";
    case Op::SetToolTip:
        return "SetToolTip";
    case Op::SetTimerEnabled:
        return "SetTimerEnabled";
    case Op::SetHighlight:
        return "SetHighlight";
    case Op::ConsumeKey:
        return "ConsumeKey";
    case Op::RegisterHotKey:
        return "RegisterHotKey";
    case Op::UnregisterHotKey:
        return "UnregisterHotKey";
    case Op::SetMenuChecked:
        return "SetMenuChecked";
    case Op::PopupMenu:
        return "PopupMenu";
    case Op::MessageBoxCritical:
        return "MessageBoxCritical";
    case Op::Beep:
        return "Beep";
    case Op::DiscardMouseInput:
        return "DiscardMouseInput";
    }
    return "?";
}
} // namespace

std::string FormName(FormId form) {
    switch (form) {
    case FormId::Main:
        return "frmMain";
    case FormId::Smilies:
        return "frmSmilies";
    case FormId::About:
        return "frmAbout";
    case FormId::SlideShow:
        return "frmSlideShow";
    }
    return "?";
}

std::ostream& operator<<(std::ostream& out, const ToolkitCall& c) {
    out << OpName(c.op);
    const auto control = [&]() -> std::ostream& {
        return out << " " << FormName(c.form) << "." << c.control << "(" << c.index << ")";
    };
    switch (c.op) {
    case Op::EndProgram:
    case Op::WakePrevInstance:
    case Op::ConsumeKey:
    case Op::Beep:
    case Op::DiscardMouseInput:
        return out;
    case Op::CreateForm:
    case Op::DestroyForm:
    case Op::ModalReturned:
    case Op::HideForm:
    case Op::BringForward:
    case Op::BeginDrag:
        return out << " " << FormName(c.form);
    case Op::ShowForm:
    case Op::ShowModal:
        return out << " " << FormName(c.form) << " owner " << FormName(c.owner);
    case Op::MoveForm:
        return out << " " << FormName(c.form) << " " << c.rect;
    case Op::SetTopmost:
        return out << " " << FormName(c.form) << (c.on ? " topmost" : " not topmost")
                   << (c.show ? " (shown)" : "");
    case Op::RescaleForm:
        return out << " " << FormName(c.form) << " " << c.number << " dpi " << c.rect;
    case Op::SetControlRect:
        return control() << " " << c.rect;
    case Op::SetPicture:
    case Op::SetBorderStyle:
        return control() << " " << c.number;
    case Op::SetText:
    case Op::SetToolTip:
        return control() << " \"" << c.text << "\"";
    case Op::SetHighlight:
        return control();
    case Op::SetTimerEnabled:
    case Op::SetMenuChecked:
        return out << " " << FormName(c.form) << "." << c.control << (c.on ? " on" : " off");
    case Op::RegisterHotKey:
    case Op::UnregisterHotKey:
        return out << " " << FormName(c.form) << " " << c.control;
    case Op::PopupMenu:
        return out << " " << FormName(c.form) << " " << c.point.x << "," << c.point.y;
    case Op::MessageBoxCritical:
        return out << " \"" << c.title << "\": \"" << c.text << "\"";
    }
    return out;
}
