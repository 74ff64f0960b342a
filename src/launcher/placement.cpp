// Opening the palette at the launcher, flipped to the launcher's other side where it would
// run past the right or bottom edge of the launcher's screen.
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
// on the picture picked last; pressed again while the palette is shown, hides it.
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
    // As emoji panels do: the same emoticon again is the hot key and Enter.
    palette.Highlight(palette.LastPicked());
}

void FrmMain::OpenPalette() {
    FrmSmilies& palette = program_.frmSmilies;
    palette.Show(FormId::Main);
    // The flips go by the screen the launcher is on, all of it, as on a single screen.
    const ScreenMetrics screen = toolkit().Screen();
    const PixelRect monitor = toolkit().MonitorRect(toolkit().FormRect(FormId::Main));
    const Twips screenRight = TwipsX(monitor.Right, screen);
    const Twips screenBottom = TwipsY(monitor.Bottom, screen);
    // Moved onto a monitor of another scale, the palette changes its size there: it is placed
    // once more by the size it has now.
    palette.PlaceBySize([&] {
        // Each size and position is read afresh: the user may have moved either window.
        if (palette.Width() + Left() > screenRight) {
            palette.SetLeft(Left() - palette.Width());
        } else {
            palette.SetLeft(Left());
        }
        if (palette.Height() + Top() > screenBottom) {
            palette.SetTop(Top() - palette.Height());
        } else {
            palette.SetTop(Top());
        }
    });
    // On a small screen, or beside the taskbar, the flipped palette could still run off it.
    palette.MoveInside(WorkArea());
}
