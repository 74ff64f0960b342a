// Opening the palette at the launcher, flipped to the launcher's other side where it would
// run past the right or bottom edge of the screen.
#include "frm_main.h"

#include "program.h"

void FrmMain::Image1_MouseUp(int button) {
    if (button != kLeftButton) {
        return;
    }
    FrmSmilies& palette = program_.frmSmilies;
    palette.Show(FormId::Main);
    palette.SetLeft(Left());
    palette.SetTop(Top());
    palette.MoveInside(WorkArea());
}

void FrmMain::Image1_Click() {
    OpenPalette();
}

// From anywhere: opens the palette as a click on the picture does, with the keyboard highlight
// on the first picture; pressed again while the palette is shown, hides it.
void FrmMain::HotKey_Press() {
    FrmSmilies& palette = program_.frmSmilies;
    if (program_.frmAbout.Visible() || menuOpen_) {
        return; // the About box is modal to the whole program, and so is the open menu
    }
    if (palette.Visible()) {
        palette.Hide();
        return;
    }
    OpenPalette();
    palette.Highlight(0);
}

void FrmMain::OpenPalette() {
    FrmSmilies& palette = program_.frmSmilies;
    palette.Show(FormId::Main);
    const ScreenMetrics screen = toolkit().Screen();
    const Twips screenWidth = ScreenWidth(screen);
    const Twips screenHeight = ScreenHeight(screen);
    // Moved onto a monitor of another scale, the palette changes its size there: it is placed
    // once more by the size it has now.
    palette.PlaceBySize([&] {
        // Each size and position is read afresh: the user may have moved either window.
        if (palette.Width() + Left() > screenWidth) {
            palette.SetLeft(Left() - palette.Width());
        } else {
            palette.SetLeft(Left());
        }
        if (palette.Height() + Top() > screenHeight) {
            palette.SetTop(Top() - palette.Height());
        } else {
            palette.SetTop(Top());
        }
    });
    // On a small screen, or beside the taskbar, the flipped palette could still run off it.
    palette.MoveInside(WorkArea());
}
