#pragma once
#include "shared/form_design.h"
#include "shared/window_system.h"

#include <iosfwd>
#include <string>
#include <utility>

// One call the program made on the toolkit, as data: what it asked for and of which form.
// What an operation does not take stays at its default, so that calls compare whole.
struct ToolkitCall {
    enum class Op {
        CreateForm,
        DestroyForm,
        ShowForm,
        ShowModal,
        ModalReturned, // not a call: the modal form's ShowModal has returned
        HideForm,
        BringForward,
        MoveForm,
        BeginDrag,
        SetTopmost,
        RescaleForm,
        EndProgram,
        WakePrevInstance,
        SetControlRect,
        SetPicture,
        SetBorderStyle,
        SetText,
        SetToolTip,
        SetTimerEnabled,
        SetHighlight,
        ConsumeKey,
        RegisterHotKey,
        UnregisterHotKey,
        SetMenuChecked,
        PopupMenu,
        MessageBoxCritical,
        Beep,
        DiscardMouseInput,
    };

    Op op = Op::Beep;
    FormId form = FormId::Main;
    FormId owner = FormId::Main;
    int control = 0;  // the control, timer, menu item or hot key
    int index = 0;    // in a control array
    PixelRect rect{}; // a form's outer bounds, a control's within its container
    PixelPoint point{};
    int number = 0;    // a picture's resource, a border style, a resolution's dots per inch
    bool on = false;   // a timer enabled, a menu item checked, a form made top-most
    bool show = false; // a form shown as it goes into or out of the top-most band
    std::string text{};
    std::string title{}; // a message box's
    bool operator==(const ToolkitCall&) const = default;

    // Each call as the program makes it, with the toolkit's arguments in their order.
    static ToolkitCall CreateForm(FormId form) { return {.op = Op::CreateForm, .form = form}; }
    static ToolkitCall DestroyForm(FormId form) { return {.op = Op::DestroyForm, .form = form}; }
    static ToolkitCall ShowForm(FormId form, FormId owner) {
        return {.op = Op::ShowForm, .form = form, .owner = owner};
    }
    static ToolkitCall ShowModal(FormId form, FormId owner) {
        return {.op = Op::ShowModal, .form = form, .owner = owner};
    }
    static ToolkitCall ModalReturned(FormId form) {
        return {.op = Op::ModalReturned, .form = form};
    }
    static ToolkitCall HideForm(FormId form) { return {.op = Op::HideForm, .form = form}; }
    static ToolkitCall BringForward(FormId form) { return {.op = Op::BringForward, .form = form}; }
    static ToolkitCall MoveForm(FormId form, PixelRect outer) {
        return {.op = Op::MoveForm, .form = form, .rect = outer};
    }
    static ToolkitCall BeginDrag(FormId form) { return {.op = Op::BeginDrag, .form = form}; }
    static ToolkitCall SetTopmost(FormId form, bool topmost, bool show) {
        return {.op = Op::SetTopmost, .form = form, .on = topmost, .show = show};
    }
    static ToolkitCall RescaleForm(FormId form, int dpi, PixelRect outer) {
        return {.op = Op::RescaleForm, .form = form, .rect = outer, .number = dpi};
    }
    static ToolkitCall EndProgram() { return {.op = Op::EndProgram}; }
    static ToolkitCall WakePrevInstance() { return {.op = Op::WakePrevInstance}; }
    static ToolkitCall SetControlRect(FormId form, int control, int index, PixelRect rect) {
        return {.op = Op::SetControlRect,
                .form = form,
                .control = control,
                .index = index,
                .rect = rect};
    }
    static ToolkitCall SetPicture(FormId form, int control, int index, int bitmapResource) {
        return {.op = Op::SetPicture,
                .form = form,
                .control = control,
                .index = index,
                .number = bitmapResource};
    }
    static ToolkitCall SetBorderStyle(FormId form, int control, int index, int style) {
        return {.op = Op::SetBorderStyle,
                .form = form,
                .control = control,
                .index = index,
                .number = style};
    }
    static ToolkitCall SetText(FormId form, int control, int index, std::string text) {
        return {.op = Op::SetText,
                .form = form,
                .control = control,
                .index = index,
                .text = std::move(text)};
    }
    static ToolkitCall SetToolTip(FormId form, int control, int index, std::string text) {
        return {.op = Op::SetToolTip,
                .form = form,
                .control = control,
                .index = index,
                .text = std::move(text)};
    }
    static ToolkitCall SetTimerEnabled(FormId form, int timer, bool enabled) {
        return {.op = Op::SetTimerEnabled, .form = form, .control = timer, .on = enabled};
    }
    static ToolkitCall SetHighlight(FormId form, int control, int index) {
        return {.op = Op::SetHighlight, .form = form, .control = control, .index = index};
    }
    static ToolkitCall ConsumeKey() { return {.op = Op::ConsumeKey}; }
    static ToolkitCall RegisterHotKey(FormId form, int id) {
        return {.op = Op::RegisterHotKey, .form = form, .control = id};
    }
    static ToolkitCall UnregisterHotKey(FormId form, int id) {
        return {.op = Op::UnregisterHotKey, .form = form, .control = id};
    }
    static ToolkitCall SetMenuChecked(FormId form, int item, bool checked) {
        return {.op = Op::SetMenuChecked, .form = form, .control = item, .on = checked};
    }
    static ToolkitCall PopupMenu(FormId form, int x, int y) {
        return {.op = Op::PopupMenu, .form = form, .point = {x, y}};
    }
    static ToolkitCall MessageBoxCritical(std::string text, std::string title) {
        return {.op = Op::MessageBoxCritical, .text = std::move(text), .title = std::move(title)};
    }
    static ToolkitCall Beep() { return {.op = Op::Beep}; }
    static ToolkitCall DiscardMouseInput() { return {.op = Op::DiscardMouseInput}; }
};

std::string FormName(FormId form);
// As the program's calls read: "ShowForm frmSmilies owner frmMain", "SetPicture frmMain.1(0) 101".
std::ostream& operator<<(std::ostream& out, const ToolkitCall& call);
