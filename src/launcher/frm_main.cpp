#include "frm_main.h"

#include "program.h"
#include "shared/window_utils.h"

using namespace MainControls;

namespace {
constexpr const char* kCodeFileMissing = "A required file, code.dll is not found.";
constexpr const char* kMessageTitle = "Fizzmo Lite";
constexpr int kLauncherPicture = 101;
constexpr int kPaletteHotKey = 1;
} // namespace

FrmMain::FrmMain(Program& program) : Form(FormId::Main, program.ports.toolkit), program_(program) {}

FormDesign FrmMain::Design() const {
    FormDesign d;
    d.id = FormId::Main;
    // No caption bar shows it: the name is for the taskbar button and Alt+Tab.
    d.caption = "FizzmoLite";
    d.border = FormBorder::None;
    d.rect = {4770, 2640, 780, 765};
    d.backColor = {128, 0, 0};
    d.cursor = CursorKind::MoveArrows;
    d.iconResource = 30001;
    // To a screen reader the launcher is one button.
    d.accessibleRole = AccessibleRole::PushButton;
    d.accessibleName = "Open the emoticon palette";
    d.defaultAction = "Open";
    d.defaultActionControl = Image1;
    ControlDesign image;
    image.id = Image1;
    image.kind = ControlKind::Image;
    image.rect = {75, 75, 615, 615};
    image.stretch = true;
    image.borderStyle = 1;
    image.toolTip = "Click to see the list of smilies.";
    ControlDesign button;
    button.id = Command1;
    button.kind = ControlKind::CommandButton;
    button.rect = {1800, 360, 375, 195};
    button.caption = "Command1";
    button.tabIndex = 0;
    // Never seen and never focused, so no stray Space or Enter ends the program.
    button.visible = false;
    button.shortcut = 'X';
    d.controls = {image, button};
    d.popupMenu = mnuOptions;
    d.menuItems = {{mnuStayonTop, "Stay On Top"},
                   {mnuSendOnClick, "SendOnClick"},
                   {mnuStickToPM, "Stick To PM"},
                   {mnuKeepOpen, "Keep Open"},
                   {mnuAnyWindow, "Type Into Any Window"},
                   {mnuStartWithWindows, "Start With Windows"},
                   {mnusep1, "-"},
                   {mnuAbout, "About"},
                   {mnuExit, "Exit"}};
    d.timers = {{Timer1, 1000, true}};
    return d;
}

void FrmMain::OnEvent(const FormEvent& e) {
    switch (e.kind) {
    case EventKind::MouseDown:
        if (e.control == kOnForm) {
            Form_MouseDown(e.button);
        } else if (e.control == Image1) {
            Image1_MouseDown(e.button, e.x, e.y);
        }
        break;
    case EventKind::MouseUp:
        if (e.control == Image1) {
            Image1_MouseUp(e.button);
        }
        break;
    case EventKind::Click:
        if (e.control == Image1) {
            Image1_Click();
        } else if (e.control == Command1) {
            Command1_Click();
        }
        break;
    case EventKind::Menu:
        MenuItem_Click(e.control);
        break;
    case EventKind::Timer:
        if (e.control == Timer1) {
            Timer1_Timer();
        }
        break;
    case EventKind::CloseRequest: // closed by the platform: the program ends with its window
    case EventKind::EndSession:   // like Exit, so nothing the user set is lost
        UnloadAndEnd();
        break;
    case EventKind::AnotherStart:
        ShowAgain();
        break;
    case EventKind::HotKey:
        HotKey_Press();
        break;
    default:
        break;
    }
}

void FrmMain::Form_Load() {
    const std::string codeFile = program_.ports.files.ProgramFolder() + "\\codes.dll";
    if (!IsOrdinaryFile(program_.ports.files, codeFile)) {
        toolkit().MessageBoxCritical(kCodeFileMissing, kMessageTitle);
        UnloadAndEnd();
        return;
    }
    toolkit().SetPicture(FormId::Main, Image1, 0, kLauncherPicture);
    LoadOptions(program_.Options, program_.ports.store);
    optionsLoaded_ = true;
    const OptionsRecord& o = program_.Options;
    SetChecked(mnuStayonTop, o.StayOnTop);
    SetChecked(mnuStickToPM, o.StickToPM);
    SetChecked(mnuSendOnClick, o.SendOnClick);
    SetChecked(mnuKeepOpen, o.KeepOpen);
    SetChecked(mnuAnyWindow, o.AnyWindow);
    SetChecked(mnuStartWithWindows, ToVbBool(StartsWithWindows(program_.ports.autoStart)));
    if (o.StickToPM == VbFalse) {
        // Where it was left on the screen, also when the display's scale has changed since.
        const int savedDpi = LoadPositionDpi(program_.ports.store);
        const int dpiNow = DotsPerInch(toolkit().Screen());
        SetLeft(AtThisDpi(o.SavedLeft, savedDpi, dpiNow));
        SetTop(AtThisDpi(o.SavedTop, savedDpi, dpiNow));
    }
    // Saved on a screen that is gone, or with a smaller screen now: all of it must be in reach.
    MoveInside(WorkArea());
    if (o.StayOnTop == VbTrue) {
        SetTopmost(toolkit(), FormId::Main, VbTrue);
    }
    // A key that another program holds leaves the program as it is, without a hot key.
    if (const std::optional<HotKey> key = LoadHotKey(program_.ports.store)) {
        hotKeyRegistered_ = toolkit().RegisterHotKey(FormId::Main, kPaletteHotKey, *key);
    }
}

// A second start asks for the launcher: wherever it had got to, it comes into reach, in front.
// While the About box is open the launcher takes no input, so the box is what comes forward
// (it is loaded only while shown modal).
void FrmMain::ShowAgain() {
    // Still at the code-file check: its message is all there is to see.
    if (!Visible()) {
        return;
    }
    MoveInside(WorkArea());
    toolkit().BringForward(program_.frmAbout.Loaded() ? FormId::About : FormId::Main);
}

void FrmMain::Form_Unload() {
    // A run that stopped at the code-file check never loaded the options: keep the store as is.
    if (optionsLoaded_) {
        SaveOptions(program_.Options, program_.ports.store, Left(), Top());
        SavePositionDpi(program_.ports.store, DotsPerInch(toolkit().Screen()));
    }
    if (hotKeyRegistered_) {
        toolkit().UnregisterHotKey(FormId::Main, kPaletteHotKey);
        hotKeyRegistered_ = false;
    }
    program_.frmSlideShow.Unload();
    program_.frmSmilies.Unload();
}

void FrmMain::Form_MouseDown(int button) {
    if (button == kLeftButton) {
        DragForm(toolkit(), FormId::Main);
    }
}

void FrmMain::Image1_MouseDown(int button, int x, int y) {
    if (button != kRightButton) {
        return;
    }
    // The picture's own coordinates are used as the form's: the menu opens up and left of
    // the pointer by the picture's offset.
    menuOpen_ = true;
    // The system's setting: changed elsewhere perhaps since the menu was last open.
    SetChecked(mnuStartWithWindows, ToVbBool(StartsWithWindows(program_.ports.autoStart)));
    toolkit().PopupMenu(FormId::Main, x, y);
    menuOpen_ = false;
}

void FrmMain::MenuItem_Click(int item) {
    switch (item) {
    case mnuStayonTop:
        mnuStayonTop_Click();
        break;
    case mnuSendOnClick:
        mnuSendOnClick_Click();
        break;
    case mnuStickToPM:
        mnuStickToPM_Click();
        break;
    case mnuKeepOpen:
        mnuKeepOpen_Click();
        break;
    case mnuAnyWindow:
        mnuAnyWindow_Click();
        break;
    case mnuStartWithWindows:
        mnuStartWithWindows_Click();
        break;
    case mnuAbout:
        mnuAbout_Click();
        break;
    case mnuExit:
        mnuExit_Click();
        break;
    default: // the menu closed with no choice
        break;
    }
}

bool FrmMain::Checked(int item) const {
    return checked_[item] == VbTrue;
}

void FrmMain::SetChecked(int item, VbBool value) {
    checked_[item] = value;
    toolkit().SetMenuChecked(FormId::Main, item, value == VbTrue);
}

void FrmMain::ToggleSwitch(int item, VbBool& optionSwitch) {
    SetChecked(item, checked_[item] == VbTrue ? VbFalse : VbTrue);
    optionSwitch = checked_[item];
}

void FrmMain::mnuStayonTop_Click() {
    ToggleSwitch(mnuStayonTop, program_.Options.StayOnTop);
    SetTopmost(toolkit(), FormId::Main, ToVbBool(program_.Options.StayOnTop == VbTrue));
}

void FrmMain::mnuSendOnClick_Click() {
    ToggleSwitch(mnuSendOnClick, program_.Options.SendOnClick);
}

void FrmMain::mnuStickToPM_Click() {
    ToggleSwitch(mnuStickToPM, program_.Options.StickToPM);
}

void FrmMain::mnuKeepOpen_Click() {
    ToggleSwitch(mnuKeepOpen, program_.Options.KeepOpen);
}

void FrmMain::mnuAnyWindow_Click() {
    ToggleSwitch(mnuAnyWindow, program_.Options.AnyWindow);
}

void FrmMain::mnuStartWithWindows_Click() {
    const bool wanted = !Checked(mnuStartWithWindows);
    const bool now = ToggleStartWithWindows(program_.ports.autoStart);
    SetChecked(mnuStartWithWindows, ToVbBool(now));
    if (now != wanted) {
        toolkit().Beep(); // the system would not have it (a policy, a locked key)
    }
}

void FrmMain::mnuAbout_Click() {
    if (program_.Options.StayOnTop == VbTrue) {
        SetTopmost(toolkit(), FormId::Main, VbFalse);
    }
    program_.frmAbout.ShowModal(FormId::Main);
    if (program_.Options.StayOnTop == VbTrue) {
        SetTopmost(toolkit(), FormId::Main, VbTrue);
    }
}

void FrmMain::mnuExit_Click() {
    UnloadAndEnd();
}

void FrmMain::UnloadAndEnd() {
    Unload();
    toolkit().EndProgram();
}

void FrmMain::Command1_Click() {
    mnuExit_Click();
}
