#include "frm_smilies.h"

#include "palette/code_file_text.h"
#include "palette/grid.h"
#include "program.h"
#include "shared/key_typist.h"
#include "shared/typist.h"
#include "shared/window_utils.h"

#include <algorithm>

using namespace SmiliesControls;

namespace {
// The information strip's label and text box, in twips within Frame2.
constexpr DesignRect kLabel1Rect{75, 225, 450, 195};
constexpr const char* kLabel1Caption = "Smiley";
constexpr DesignRect kText1Rect{525, 180, 2115, 285};
} // namespace

FrmSmilies::FrmSmilies(Program& program)
    : Form(FormId::Smilies, program.ports.toolkit), program_(program) {}

FormDesign FrmSmilies::Design() const {
    const Color green{0, 128, 0};
    FormDesign d;
    d.id = FormId::Smilies;
    d.caption = "Smilies";
    d.border = FormBorder::ToolWindow;
    d.rect = {0, 0, 3040, 3680};
    d.backColor = green;
    d.cursor = CursorKind::Palette;
    d.taskbarButton = false;
    d.accessibleRole = AccessibleRole::List;
    ControlDesign frame1;
    frame1.id = Frame1;
    frame1.kind = ControlKind::Frame;
    frame1.rect = {75, 0, 2790, 2890};
    frame1.backColor = green;
    frame1.tabIndex = 1;
    d.controls.push_back(frame1);
    for (int i = 0; i < kSmileyCount; ++i) { // laid out by Form_Load
        ControlDesign picture;
        picture.id = smiley;
        picture.index = i;
        picture.container = Frame1;
        picture.kind = ControlKind::Image;
        picture.accessibleRole = AccessibleRole::ListItem; // named by its hover text
        picture.defaultAction = "Type";
        picture.columns = kGridColumns;
        d.controls.push_back(picture);
    }
    ControlDesign frame2 = frame1;
    frame2.id = Frame2;
    frame2.rect = {75, 2840, 2790, 540};
    frame2.tabIndex = 2;
    d.controls.push_back(frame2);
    ControlDesign label;
    label.id = Label1;
    label.container = Frame2;
    label.kind = ControlKind::Label;
    label.rect = kLabel1Rect;
    label.caption = kLabel1Caption;
    label.backColor = green;
    label.font = {"Tahoma", 8.25f, false, false};
    label.tabIndex = 3;
    d.controls.push_back(label);
    ControlDesign text;
    text.id = Text1;
    text.container = Frame2;
    text.kind = ControlKind::TextBox;
    text.rect = kText1Rect;
    text.backColor = green;
    text.font = {"MS Sans Serif", 9.75f, false, false};
    text.readOnly = true;
    text.tabIndex = 0;
    d.controls.push_back(text);
    ControlDesign close;
    close.id = cmdClose;
    close.kind = ControlKind::CommandButton;
    close.rect = {2760, 3840, 1095, 375};
    close.caption = "Command1";
    close.tabIndex = 4;
    close.isCancel = true; // Escape closes the palette
    // It lies outside the form: Escape and the close box do its work, screen readers skip it.
    close.accessibleRole = AccessibleRole::None;
    d.controls.push_back(close);
    return d;
}

void FrmSmilies::OnEvent(const FormEvent& e) {
    switch (e.kind) {
    case EventKind::MouseMove:
        if (PointerMoved(e) && e.control == smiley) {
            smiley_MouseMove(e.index);
        }
        break;
    case EventKind::Click:
        if (e.control == smiley) {
            smiley_Click(e.index);
        } else if (e.control == cmdClose) {
            cmdClose_Click();
        }
        break;
    case EventKind::MouseDown:
        if (e.control == kOnForm) {
            Form_MouseDown(e.button);
        } else if (e.control == Frame1) {
            Frame1_MouseDown(e.button);
        } else if (e.control == Frame2) {
            Frame2_MouseDown(e.button);
        }
        break;
    case EventKind::KeyDown: // whichever control has the focus
        Form_KeyDown(e.keyCode, e.shift);
        break;
    case EventKind::KeyPress:
        if (e.control == Text1) {
            Text1_KeyPress(e.keyAscii);
        }
        break;
    case EventKind::Deactivate:
        Form_Deactivate();
        break;
    case EventKind::LostFocus:
        Form_LostFocus();
        break;
    case EventKind::CloseRequest: // the title bar's close box acts as cmdClose
        cmdClose_Click();
        break;
    default:
        break;
    }
}

void FrmSmilies::Form_Load() {
    KeySum = 0;
    const std::string path = program_.ports.files.ProgramFolder() + "\\codes.dll";
    // The file may have gone since start-up; the palette then shows empty codes.
    const std::optional<std::string> text =
        program_.ports.files.ReadFilePrefix(path, kMaxCatalogueBytes);
    // What is shown, read out and typed as keys is the file's text in Unicode; the messenger's
    // input box gets the same codes in the code page.
    const CodeFileTables tables =
        ReadCodeFile(text ? *text : std::string(), program_.ports.codePage);
    SmileyCodes = tables.messenger;
    for (int i = 0; i < kSmileyCount; ++i) {
        const SmileyEntry entry = LookupSmiley(tables.unicode, i);
        const auto slot = static_cast<std::size_t>(i);
        unicodeCodes_[slot] = entry.code;
        borders_[slot] = 1;
        toolkit().SetBorderStyle(FormId::Smilies, smiley, i, 1);
        toolkit().SetPicture(FormId::Smilies, smiley, i, entry.bitmapResource);
        tags_[slot] = entry.hoverText;
        toolkit().SetToolTip(FormId::Smilies, smiley, i, entry.hoverText);
    }
    PlaceGrid();
    text1_.clear();
    highlight_ = kNoHighlight;
    // Showing it here would flash it where it stands before the launcher places it.
    SetTopmostHidden(toolkit(), FormId::Smilies);
}

void FrmSmilies::Form_DpiChanged() {
    PlaceGrid();
}

void FrmSmilies::PlaceGrid() {
    const ScreenMetrics screen = Layout();
    // The cells keep their size on the screen at every resolution, and the text box fits.
    const int cellWidth = ScaledPixelsX(kGridCellPixels, screen);
    const int cellHeight = ScaledPixelsY(kGridCellPixels, screen);
    const GridLayout grid =
        LayOutGrid(TwipsX(cellWidth, screen).value, TwipsY(cellHeight, screen).value);
    const TwipRect& c0 = grid.cells[0];
    const PixelRect first = ControlPixels({c0.Left, c0.Top, c0.Width, c0.Height});
    for (int i = 0; i < kSmileyCount; ++i) {
        // Whole pixels from the first cell on, so that no cell comes out a pixel narrower than
        // its neighbours where twips and pixels do not divide (at 96 dpi they do).
        const int left = first.Left + (i % kGridColumns) * cellWidth;
        const int top = first.Top + (i / kGridColumns) * cellHeight;
        toolkit().SetControlRect(FormId::Smilies, smiley, i,
                                 PixelRect{left, top, left + cellWidth, top + cellHeight});
    }
    const TwipRect& f1 = grid.frame1;
    const TwipRect& f2 = grid.frame2;
    toolkit().SetControlRect(FormId::Smilies, Frame1, 0,
                             ControlPixels({f1.Left, f1.Top, f1.Width, f1.Height}));
    const PixelRect strip = ControlPixels({f2.Left, f2.Top, f2.Width, f2.Height});
    toolkit().SetControlRect(FormId::Smilies, Frame2, 0, strip);
    SetSize(Twips(grid.windowWidth), Twips(grid.windowHeight));
    // At 96 dpi the strip stays as designed. The fonts made for another resolution do not keep
    // the design's proportions: there the text box makes room for the label's text and its own
    // longest text, so that neither shows cut.
    if (Dpi() != 96) {
        int widest = 0;
        for (const std::string& tag : tags_) {
            widest = std::max(widest, toolkit().TextWidth(FormId::Smilies, Text1, 0, tag));
        }
        const int labelEnd = ControlPixels(kLabel1Rect).Left +
                             toolkit().TextWidth(FormId::Smilies, Label1, 0, kLabel1Caption);
        toolkit().SetControlRect(
            FormId::Smilies, Text1, 0,
            FitTextBox(ControlPixels(kText1Rect), labelEnd, widest, strip.Right - strip.Left));
    }
}

void FrmSmilies::SetBorder(int index, int style) {
    int& border = borders_[static_cast<std::size_t>(index)];
    if (border != style) { // only what changes is redrawn
        border = style;
        toolkit().SetBorderStyle(FormId::Smilies, smiley, index, style);
    }
}

void FrmSmilies::Form_Show() {
    pointer_ = toolkit().PointerPosition();
}

bool FrmSmilies::PointerMoved(const FormEvent& move) {
    if (!move.pointer) {
        return true; // a screen reader's hover
    }
    if (*move.pointer == pointer_) {
        return false;
    }
    pointer_ = *move.pointer;
    return true;
}

void FrmSmilies::smiley_MouseMove(int index) {
    Highlight(index);
}

void FrmSmilies::Highlight(int index) {
    if (index < 0 || index >= kSmileyCount) {
        return;
    }
    if (highlight_ != index) {
        highlight_ = index;
        toolkit().SetHighlight(FormId::Smilies, smiley, index);
    }
    const std::string& tag = tags_[static_cast<std::size_t>(index)];
    if (text1_ != tag) {
        text1_ = tag;
        toolkit().SetText(FormId::Smilies, Text1, 0, tag);
    }
    for (int i = 0; i < kSmileyCount; ++i) {
        SetBorder(i, 1);
    }
    SetBorder(index, 0);
}

void FrmSmilies::smiley_Click(int index) {
    if (index < 0 || index >= kSmileyCount) {
        return;
    }
    lastPicked_ = index;
    WindowSystem& windows = program_.ports.windows;
    const std::string& code = SmileyCodes[static_cast<std::size_t>(index)];
    const bool anyWindow = program_.Options.AnyWindow == VbTrue;
    const Hwnd working = anyWindow ? program_.workingWindow.Current(windows) : 0;
    IMTarget typedInto;
    TypingOutcome outcome;
    if (working == 0) {
        outcome = TypeIntoIMWindow(windows, program_.Options, code, &typedInto);
    } else if (GetWindowClassName(windows, working) == "IMClass") {
        outcome = TypeIntoIMWindowOf(windows, program_.Options, working, code, &typedInto);
    } else {
        // Hidden first, as after a pick into the messenger: hiding the window that has the
        // foreground would take it from the window typed into.
        if (program_.Options.KeepOpen != VbTrue) {
            Hide();
        }
        outcome = TypeAsKeyboard(windows, program_.Options, working, UnicodeCode(index));
    }
    if (outcome == TypingOutcome::NotAnswering) {
        // Clicks made while the window kept us waiting must not type codes once it wakes.
        toolkit().DiscardMouseInput();
        toolkit().Beep();
    } else if (outcome == TypingOutcome::NothingTyped && anyWindow && !code.empty()) {
        toolkit().Beep(); // nowhere to type: the user expected it to go somewhere
    }
    if (program_.Options.KeepOpen != VbTrue) {
        Hide();
        // The user goes on typing into the conversation without clicking it first.
        if (outcome == TypingOutcome::Typed && typedInto.window != 0) {
            ReturnToConversation(program_.ports.windows, typedInto.window, typedInto.inputBox);
        }
    }
}

// The arrows, Home and End move the highlight; they are no character keys and never reach the
// text box. Enter types the highlighted picture's code as a click does, and still reaches the
// text box as the character it is.
void FrmSmilies::Form_KeyDown(int keyCode, int shift) {
    if (const std::optional<GridMove> move = GridMoveOfKey(keyCode, shift)) {
        toolkit().ConsumeKey();
        Highlight(MoveHighlight(highlight_, *move, kSmileyCount, kGridColumns));
    } else if (keyCode == keys::kReturn && shift == 0 && highlight_ != kNoHighlight) {
        smiley_Click(highlight_);
    }
}

// The slide show's window belongs to the palette's and goes with it.
void FrmSmilies::Form_Unload() {
    program_.frmSlideShow.Unload();
}

void FrmSmilies::Form_Deactivate() {
    Hide();
}

void FrmSmilies::Form_LostFocus() {
    Hide();
}

void FrmSmilies::Form_MouseDown(int button) {
    if (button == kLeftButton) {
        DragForm(toolkit(), FormId::Smilies);
    }
}

void FrmSmilies::Frame1_MouseDown(int button) {
    Form_MouseDown(button);
}

void FrmSmilies::Frame2_MouseDown(int button) {
    Form_MouseDown(button);
}

void FrmSmilies::cmdClose_Click() {
    Unload();
}
