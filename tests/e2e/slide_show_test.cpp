// The hidden slide show: opened by five keys typed into the palette's text box, scrolling its
// strip, paused by a click on the picture, closed by its button or with the program.
#include "fizzmo_app.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <thread>

namespace e2e {
namespace {

constexpr const char* kSlideShow = "Dialog Caption";

Rect Offset(const Rect& r, const Rect& origin) {
    return Rect{r.x - origin.x, r.y - origin.y, r.width, r.height};
}

// The black picture box the strip scrolls in: 75 twips in, 2865 x 1515 twips.
Rect Viewport(const ProbeWindow& show) {
    return show.InClient(5, 5, 191, 101);
}

// Two screenshots of the region half a second apart: how many pixels changed.
long ChangeOver500ms(const Rect& region, const std::string& name) {
    const std::string first = TempDir() + "/" + name + "_1.png";
    const std::string second = TempDir() + "/" + name + "_2.png";
    Screenshot(first);
    std::this_thread::sleep_for(500ms);
    Screenshot(second);
    return DifferingPixels({Crop(first, region), Crop(second, region)});
}

// Opens the palette, clicks into its text box and types 'u' (117) four times and 's' (115):
// 583, the hidden code. Gives the slide show's window.
ProbeWindow OpenSlideShow(FizzmoApp& app) {
    ClickCentre(app.OpenPalette().Child("Edit").value().rect);
    TypeText("uuuus");
    return WaitVisibleWindow(kSlideShow);
}

class SlideShow : public WineTest {
  protected:
    void SetUp() override {
        WineTest::SetUp();
        // Launcher away from the screen's centre, where the slide show opens.
        ResetSettings({{"StickToPM", "F"}, {"Left", "3000"}, {"top", "3000"}});
    }
};

TEST_F(SlideShow, HiddenKeysOpenItScrollingAndItsButtonClosesIt) {
    FizzmoApp app;
    const ProbeWindow show = OpenSlideShow(app);
    EXPECT_TRUE(WaitWindowHidden("Smilies"));
    // Client 3030 x 2025 twips, no frame, centred on the 1280 x 1024 screen.
    EXPECT_EQ(Text(show.rect), Text({(1280 - 202) / 2, (1024 - 135) / 2, 202, 135}));
    EXPECT_EQ(Text(show.client), Text(show.rect));
    const ProbeChild button = show.Child("Button").value();
    EXPECT_EQ(Text(Offset(button.rect, show.rect)), "5,110 191x19");
    EXPECT_EQ(button.text, "Dedicated to my friends");
    EXPECT_GT(ChangeOver500ms(Viewport(show), "running"), 0) << "the strip moves";

    ClickCentre(button.rect);
    EXPECT_TRUE(WaitWindowHidden(kSlideShow));
    EXPECT_TRUE(app.Process().Running());
}

TEST_F(SlideShow, ClickOnThePicturePausesAndResumes) {
    FizzmoApp app;
    const Rect viewport = Viewport(OpenSlideShow(app));
    // Below the (empty) label, so the click lands on the picture itself.
    const int x = viewport.x + 20, y = viewport.y + 85;
    Click(x, y);
    ASSERT_TRUE(WaitUntil([&] { return ChangeOver500ms(viewport, "stopping") == 0; }, 10s, 0ms))
        << "the strip never stopped";
    EXPECT_EQ(ChangeOver500ms(viewport, "paused"), 0); // seven ticks, were it running
    Click(x, y);
    EXPECT_TRUE(WaitUntil([&] { return ChangeOver500ms(viewport, "resumed") > 0; }, 5s, 0ms));
}

// The emptied label lies over the strip with a transparent background: nothing of the viewport's
// black shows but the one row below the 100-pixel strip, long before the strip's end comes by.
TEST_F(SlideShow, EmptyLabelLeavesTheWholePictureInView) {
    FizzmoApp app;
    // Taken at once: the strip's end comes by only after some 45 seconds.
    const Rect viewport = Viewport(OpenSlideShow(app));
    const std::string shot = TempDir() + "/label_over_strip.png";
    ASSERT_TRUE(Screenshot(shot));
    const long notBlack = DifferingPixels(
        {Crop(shot, viewport), "-size",
         std::to_string(viewport.width) + "x" + std::to_string(viewport.height), "xc:black"});
    EXPECT_LE(long(viewport.width) * viewport.height - notBlack, viewport.width)
        << "something black covers the picture; see " << shot;
}

TEST_F(SlideShow, ItsButtonShowsThePalettesPointerNotTheArrow) {
    FizzmoApp app;
    const Rect over = Centre(OpenSlideShow(app).Child("Button").value().rect);
    MouseMove(over.x, over.y);
    std::optional<PointerShape> pointer;
    // The palette's own 32 x 32 pointer, with its hot spot at 12, 1.
    EXPECT_TRUE(WaitUntil(
        [&] { return (pointer = CurrentPointer()) && pointer->hotX == 12 && pointer->hotY == 1; },
        5s, 100ms));
    ASSERT_TRUE(pointer);
    EXPECT_EQ(pointer->width, 32);
    EXPECT_EQ(pointer->height, 32);
}

TEST_F(SlideShow, ClosingThePaletteClosesItAndTheKeysOpenItAgain) {
    FizzmoApp app;
    OpenSlideShow(app);
    WaitWindowHidden("Smilies");
    app.OpenPalette();
    Key("Escape"); // unloads the palette, and with it the slide show it owns
    EXPECT_TRUE(WaitWindowHidden(kSlideShow));
    EXPECT_NO_THROW(OpenSlideShow(app)) << "the hidden keys open it again";
}

TEST_F(SlideShow, TheKeysReachTheTextBoxWhenThePaletteComesBack) {
    // At the right edge: the palette opens left of the launcher and leaves its rim free.
    ResetSettings({{"StickToPM", "F"}, {"Left", "18420"}, {"top", "3000"}});
    FizzmoApp app;
    ClickCentre(app.OpenPalette().Child("Edit").value().rect); // the focus in the text box
    const Rect launcher = WaitVisibleWindow(kLauncher).rect;
    Click(launcher.x + 2, launcher.y + 2); // the launcher's rim: the palette hides
    EXPECT_TRUE(WaitWindowHidden("Smilies"));
    app.OpenPalette();
    TypeText("uuuus"); // no click into the box this time
    EXPECT_NO_THROW(WaitVisibleWindow(kSlideShow));
}

} // namespace
} // namespace e2e
