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

// The strip's left edge relative to the viewport, in pixels (0 at start, then negative).
int StripLeft() {
    const ProbeWindow show = WaitVisibleWindow(kSlideShow, 1s);
    return show.Child("FizzmoImage").value().rect.x - show.Child("FizzmoFrame").value().rect.x;
}

std::string Crop(const std::string& png, const Rect& r) {
    return png + "[" + std::to_string(r.width) + "x" + std::to_string(r.height) + "+" +
           std::to_string(r.x) + "+" + std::to_string(r.y) + "]";
}

// ImageMagick's count of the region's pixels that differ from the other picture's.
long DifferingPixels(const std::vector<std::string>& pictures) {
    const std::string report = TempDir() + "/compare.txt";
    std::remove(report.c_str());
    std::vector<std::string> argv = {"compare", "-metric", "AE"};
    argv.insert(argv.end(), pictures.begin(), pictures.end());
    argv.push_back("null:");
    const int status = RunCommand(argv, {}, 30s, true, report).exitCode;
    if (status != 0 && status != 1) {
        throw HarnessError("compare failed: " + ReadFile(report));
    }
    return std::stol(ReadFile(report));
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
    const Rect viewport = show.Child("FizzmoFrame").value().rect;
    const ProbeChild label = show.Child("FizzmoLabel").value();
    const ProbeChild button = show.Child("Button").value();
    const Rect strip = show.Child("FizzmoImage").value().rect;
    EXPECT_EQ(Text(Offset(viewport, show.rect)), "5,5 191x101");
    EXPECT_EQ(Text(Offset(label.rect, viewport)), "50,30 111x39");
    EXPECT_EQ(label.text, "") << "the loading caption is cleared before the show runs";
    EXPECT_EQ(Text(Offset(button.rect, show.rect)), "5,110 191x19");
    EXPECT_EQ(button.text, "Dedicated to my friends");
    EXPECT_EQ(strip.y, viewport.y);
    EXPECT_EQ(strip.width, 1440);
    EXPECT_EQ(strip.height, 100);

    const int leftBefore = StripLeft();
    EXPECT_LE(leftBefore, 0);
    EXPECT_GT(ChangeOver500ms(viewport, "running"), 0);
    const int leftAfter = StripLeft();
    EXPECT_LT(leftAfter, leftBefore);
    EXPECT_EQ(leftAfter % 2, 0) << "steps of 30 twips, 2 pixels";

    ClickCentre(button.rect);
    EXPECT_TRUE(WaitWindowHidden(kSlideShow));
    EXPECT_TRUE(app.Process().Running());
}

TEST_F(SlideShow, ClickOnThePicturePausesAndResumes) {
    FizzmoApp app;
    const Rect viewport = OpenSlideShow(app).Child("FizzmoFrame").value().rect;
    // Below the (empty) label, so the click lands on the picture itself.
    const int x = viewport.x + 20, y = viewport.y + 85;
    Click(x, y);
    int paused = 0;
    ASSERT_TRUE(WaitUntil(
        [&] {
            const int a = StripLeft();
            std::this_thread::sleep_for(300ms);
            return (paused = StripLeft()) == a;
        },
        10s, 0ms))
        << "the strip never stopped";
    EXPECT_EQ(ChangeOver500ms(viewport, "paused"), 0); // seven ticks, were it running
    EXPECT_EQ(StripLeft(), paused);
    Click(x, y);
    EXPECT_TRUE(WaitUntil([&] { return StripLeft() < paused; }, 5s, 100ms));
}

// The emptied label lies over the strip with a transparent background: nothing of the viewport's
// black shows but the one row below the 100-pixel strip, long before the strip's end comes by.
TEST_F(SlideShow, EmptyLabelLeavesTheWholePictureInView) {
    FizzmoApp app;
    const Rect viewport = OpenSlideShow(app).Child("FizzmoFrame").value().rect;
    const std::string shot = TempDir() + "/label_over_strip.png";
    ASSERT_TRUE(Screenshot(shot));
    ASSERT_GT(StripLeft(), -(1440 - viewport.width)) << "the strip's end is in view";
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

} // namespace
} // namespace e2e
