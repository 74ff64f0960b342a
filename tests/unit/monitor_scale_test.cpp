#include "world.h"

#include <gtest/gtest.h>

namespace {

using Call = ToolkitCall;
using Calls = std::vector<ToolkitCall>;
using Op = ToolkitCall::Op;

// The primary screen at 96 dpi and, to its right, a second one at 144 dpi (150 %).
struct TwoScales : ::testing::Test, World {
    TwoScales() {
        toolkit.monitors = {{0, 0, 1280, 960}, {1280, 0, 3200, 1080}};
        toolkit.monitorDpis = {96, 144};
        Store("StickToPM", "F");
        Store("Left", "1500");
        Store("top", "1200"); // at 100, 80
    }
    PixelRect Rect(FormId form) { return toolkit.rects[form]; }
    static int Width(const PixelRect& r) { return r.Right - r.Left; }
    static int Height(const PixelRect& r) { return r.Bottom - r.Top; }
    // The size of the last rectangle the palette's picture got.
    std::pair<int, int> PictureCell(int index) {
        const Calls rects =
            toolkit.CallsOf(Op::SetControlRect, FormId::Smilies, SmiliesControls::smiley, index);
        if (rects.empty()) {
            return {};
        }
        const PixelRect& r = rects.back().rect;
        return {r.Right - r.Left, r.Bottom - r.Top};
    }
};

// Dragged there, the launcher is drawn at 150 % where the system suggests, and back at 100 %
// where it is left; its place is kept in the screen's twips as ever.
TEST_F(TwoScales, ADraggedLauncherTakesEachScreensScaleWhereTheSystemPutsIt) {
    program.Start();
    toolkit.DragTo(FormId::Main, {1500, 100, 1552, 151});
    EXPECT_EQ(toolkit.CallsOf(Op::RescaleForm),
              (Calls{Call::RescaleForm(FormId::Main, 144, {1487, 87, 1565, 163})}));
    const FormDesign& at144 = toolkit.designs.at(FormId::Main);
    EXPECT_EQ(at144.dpi, 144);
    EXPECT_EQ(at144.controls[0].pixels, (PixelRect{8, 8, 70, 70})) << "the picture's frame";
    EXPECT_EQ(program.frmMain.Dpi(), 144);

    toolkit.DragTo(FormId::Main, {1200, 300, 1278, 376});
    EXPECT_EQ(Rect(FormId::Main), (PixelRect{1213, 313, 1265, 364}));
    EXPECT_EQ(toolkit.designs.at(FormId::Main).controls[0].pixels, (PixelRect{5, 5, 46, 46}));

    toolkit.DragTo(FormId::Main, {2000, 500, 2052, 551});
    program.frmMain.mnuExit_Click();
    EXPECT_EQ(Stored("Left"), std::to_string(1987 * 15));
    EXPECT_EQ(Stored("top"), std::to_string(487 * 15));
    EXPECT_EQ(Stored("Dpi"), "96");
}

// Moved onto the other screen by the program itself, the launcher stays where it was put, so
// that it sits exactly at the input box's corner at the size it has there.
TEST_F(TwoScales, DockingOnTheOtherScreenSitsAtTheInputBoxAtThatScale) {
    Store("StickToPM", "T");
    const Hwnd im = windows.AddTopLevel("IMClass", {1400, 200, 2400, 800});
    windows.AddChild(im, "RICHEDIT", "", {1410, 600, 2300, 700});
    program.Start();
    program.frmMain.Timer1_Timer();
    EXPECT_EQ(Rect(FormId::Main), (PixelRect{2300, 700 - 76, 2300 + 78, 700}));
    program.frmMain.Timer1_Timer();
    EXPECT_EQ(Rect(FormId::Main), (PixelRect{2300, 700 - 76, 2300 + 78, 700}));
    EXPECT_EQ(toolkit.Count(Op::RescaleForm), 1u);
}

// Opened by the hot key beside a launcher on the other screen, the palette first comes over to
// that screen's scale: its cells are 33 pixels, and it flips by the size it has there.
TEST_F(TwoScales, ThePaletteOpensAtTheLaunchersScaleAndFlipsByItsSizeThere) {
    program.Start();
    toolkit.DragTo(FormId::Main, {3000, 100, 3052, 151}); // drawn at 2987, 87 there
    program.frmMain.HotKey_Press();
    EXPECT_EQ(program.frmSmilies.Dpi(), 144);
    EXPECT_EQ(PictureCell(0), (std::pair{33, 33}));
    EXPECT_EQ(PictureCell(63), (std::pair{33, 33}));
    const PixelRect palette = Rect(FormId::Smilies);
    EXPECT_EQ(Width(palette), 304);
    EXPECT_EQ(Height(palette), 368);
    // Past that screen's right edge at this size (not at its 203 pixels of 100 %), so flipped
    // left of the launcher by its whole width.
    EXPECT_EQ(palette.Right, 2987);
    EXPECT_EQ(palette.Top, 87);
    // Dragged between the screens, it takes its own size at each, not the system's guess.
    toolkit.DragTo(FormId::Smilies, {1000, 100, 1304, 468});
    EXPECT_EQ(Rect(FormId::Smilies), (PixelRect{1051, 161, 1254, 406})); // 202 wide linearly
    toolkit.DragTo(FormId::Smilies, {1500, 100, 1703, 345});
    EXPECT_EQ(Height(Rect(FormId::Smilies)), 368) << "linearly scaled it would be 367";
}

// Docked just inside a 150 % screen left of the primary one, the launcher would grow back over
// the edge at 150 %; it goes wholly onto the screen that gave it that scale instead.
TEST(MonitorScale, AtTheEdgeBetweenScalesTheLauncherSettlesOnTheScreenThatGaveItItsScale) {
    World w;
    w.toolkit.monitors = {{0, 0, 1280, 960}, {-1280, 0, 0, 960}};
    w.toolkit.monitorDpis = {96, 144};
    const Hwnd im = w.windows.AddTopLevel("IMClass", {-1000, 200, 0, 800});
    w.windows.AddChild(im, "RICHEDIT", "", {-990, 600, -30, 700});
    w.program.Start();
    w.program.frmMain.Timer1_Timer();
    EXPECT_EQ(w.toolkit.rects[FormId::Main], (PixelRect{-78, 700 - 76, 0, 700}));
    EXPECT_EQ(w.program.frmMain.Dpi(), 144);
    EXPECT_EQ(w.toolkit.dpis[FormId::Main], 144) << "as the system has it";
}

// A form the system makes at another scale than the program started with (the user changed
// the scale since logging on) is drawn at that scale before it loads.
TEST(MonitorScale, AFormMadeAtAnotherScaleLoadsAtThatScale) {
    World w;
    w.toolkit.monitorDpis = {120};
    w.program.Start();
    EXPECT_EQ(w.toolkit.CallsOf(Op::RescaleForm),
              (Calls{Call::RescaleForm(FormId::Main, 120, {318, 176, 383, 240})}));
    w.program.frmMain.Image1_Click();
    EXPECT_EQ(w.program.frmSmilies.Dpi(), 120);
    const Calls cells =
        w.toolkit.CallsOf(Op::SetControlRect, FormId::Smilies, SmiliesControls::smiley, 1);
    ASSERT_EQ(cells.size(), 1u) << "laid out once, at 120 dpi";
    EXPECT_EQ(cells[0].rect, (PixelRect{34, 15, 62, 43})); // 28-pixel cells
}

// Centred over a launcher on the other screen, the About box grows there and is centred again.
TEST_F(TwoScales, AboutIsCentredOverTheLauncherAtTheScaleItGetsThere) {
    program.Start();
    toolkit.DragTo(FormId::Main, {1500, 100, 1552, 151});
    PixelRect about{};
    toolkit.whileModal = [&] { about = Rect(FormId::About); };
    program.frmMain.mnuAbout_Click();
    const PixelRect launcher = Rect(FormId::Main);
    EXPECT_NEAR(about.Left + about.Right, launcher.Left + launcher.Right, 1);
    EXPECT_NEAR(about.Top + about.Bottom, launcher.Top + launcher.Bottom, 1);
    EXPECT_EQ(Width(about), 387); // 3870 twips at 144 dpi
}

// Told of a resolution no screen has, a form stays as it is; sent off every screen, it is drawn
// at the new one where it stands.
TEST_F(TwoScales, AnUnbelievableResolutionOrPlaceIsNotFollowed) {
    program.Start();
    FormEvent e{EventKind::DpiChanged};
    for (const int dpi : {0, 12, 5000}) {
        e.dpi = dpi;
        e.suggested = {0, 0, 1000, 1000};
        program.Dispatch(FormId::Main, e);
    }
    EXPECT_TRUE(toolkit.CallsOf(Op::RescaleForm).empty());
    EXPECT_EQ(Rect(FormId::Main), (PixelRect{100, 80, 152, 131}));
    e.dpi = 120;
    e.suggested = {-40000, -40000, -39935, -39936};
    program.Dispatch(FormId::Main, e);
    EXPECT_EQ(Rect(FormId::Main), (PixelRect{100, 80, 165, 144}));
}

// Any program can send a change of scale with a place that barely touches the screen or spans
// the whole coordinate range: the form follows it only as far as it stays whole on its screen.
TEST(MonitorScale, ASuggestionThatLeavesPartOfTheFormOffItsScreenIsKeptOnIt) {
    World w;
    w.program.Start();
    w.program.frmMain.Image1_Click();
    FormEvent e{EventKind::DpiChanged};
    e.dpi = 120;
    e.suggested = {1270, 950, 1400, 1100};
    w.program.Dispatch(FormId::Main, e);
    EXPECT_EQ(w.toolkit.rects[FormId::Main], (PixelRect{1215, 896, 1280, 960}));
    e.dpi = 144;
    e.suggested = {-32768, -32768, 32767, 32767};
    w.program.Dispatch(FormId::Main, e);
    EXPECT_EQ(w.toolkit.rects[FormId::Main], (PixelRect{0, 0, 78, 76}));
    w.program.Dispatch(FormId::Smilies, e);
    EXPECT_EQ(w.toolkit.rects[FormId::Smilies], (PixelRect{0, 0, 304, 368}));
    e.dpi = 96;
    e.suggested = {1270, 950, 1400, 1100};
    w.program.Dispatch(FormId::Smilies, e);
    EXPECT_EQ(w.toolkit.rects[FormId::Smilies], (PixelRect{1280 - 203, 960 - 245, 1280, 960}));
}

} // namespace
