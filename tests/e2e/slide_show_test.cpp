// The hidden slide show: opened by five keys typed into the palette's text box, scrolling its
// strip, paused by a click on the picture, closed by its button or with the program.
#include "fizzmo_app.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <thread>

namespace e2e {
namespace {

constexpr const char* kSlideShow = "Dialog Caption";
// 'u' 117 four times and 's' 115: 583, the hidden code.
constexpr const char* kHiddenKeys = "uuuus";

// The window's design in pixels: client 3030 x 2025 twips, no frame.
constexpr int kWidth = 202, kHeight = 135;
const Rect kViewport{5, 5, 191, 101};
const Rect kLabel{50, 30, 111, 39}; // relative to the viewport
const Rect kButton{5, 110, 191, 19};
constexpr int kStripWidth = 1440, kStripHeight = 100;

std::optional<ProbeChild> Child(const ProbeWindow& w, const std::string& cls) {
    for (const ProbeChild& c : w.children) {
        if (c.cls == cls) {
            return c;
        }
    }
    return std::nullopt;
}

Rect Offset(const Rect& r, const Rect& origin) {
    return Rect{r.x - origin.x, r.y - origin.y, r.width, r.height};
}

::testing::AssertionResult RectIs(const Rect& got, const Rect& want) {
    if (got.x == want.x && got.y == want.y && got.width == want.width &&
        got.height == want.height) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "got " << got.x << "," << got.y << " " << got.width << "x" << got.height << ", want "
           << want.x << "," << want.y << " " << want.width << "x" << want.height;
}

// The visible window of the program whose title is the slide show's.
std::optional<ProbeWindow> SlideShowWindow() {
    for (const ProbeWindow& w : ProbeWindows()) {
        if (w.title == kSlideShow) {
            return w;
        }
    }
    return std::nullopt;
}

// The strip's left edge relative to the viewport, in pixels (0 at start, then negative).
int StripLeft() {
    const std::optional<ProbeWindow> w = SlideShowWindow();
    if (!w) {
        throw HarnessError("the slide show is gone");
    }
    const std::optional<ProbeChild> viewport = Child(*w, "FizzmoFrame");
    const std::optional<ProbeChild> strip = Child(*w, "FizzmoImage");
    if (!viewport || !strip) {
        throw HarnessError("the slide show has no viewport or no strip");
    }
    return strip->rect.x - viewport->rect.x;
}

// The screen's width and height, from the X server.
std::pair<int, int> ScreenSize() {
    const CommandResult r =
        RunCommand({"xdotool", "getdisplaygeometry"}, WineEnv::Get().XEnvVars(), 10s);
    int width = 0, height = 0;
    std::istringstream(r.out) >> width >> height;
    return {width, height};
}

std::string Crop(const Rect& r) {
    return "[" + std::to_string(r.width) + "x" + std::to_string(r.height) + "+" +
           std::to_string(r.x) + "+" + std::to_string(r.y) + "]";
}

// How many pixels of the region differ between two screenshots (ImageMagick's compare).
long DifferingPixels(const std::string& a, const std::string& b, const Rect& region) {
    const std::string report = TempDir() + "/compare.txt";
    std::remove(report.c_str());
    const CommandResult r =
        RunCommand({"compare", "-metric", "AE", a + Crop(region), b + Crop(region), "null:"}, {},
                   30s, true, report);
    if (r.exitCode != 0 && r.exitCode != 1) {
        throw HarnessError("compare failed: " + ReadFile(report));
    }
    return std::stol(ReadFile(report));
}

// How many colours the region of a screenshot holds: one for a plain black viewport.
long Colours(const std::string& png, const Rect& region) {
    const CommandResult r = RunCommand({"identify", "-format", "%k", png + Crop(region)}, {}, 30s);
    if (r.exitCode != 0) {
        throw HarnessError("identify failed on " + png);
    }
    return std::stol(r.out);
}

// How many pixels of the region are pure black, the viewport's own colour (the strip has none).
long BlackPixels(const std::string& png, const Rect& region) {
    const std::string size = std::to_string(region.width) + "x" + std::to_string(region.height);
    const std::string report = TempDir() + "/compare.txt";
    std::remove(report.c_str());
    const CommandResult r = RunCommand(
        {"compare", "-metric", "AE", png + Crop(region), "-size", size, "xc:black", "null:"}, {},
        30s, true, report);
    if (r.exitCode != 0 && r.exitCode != 1) {
        throw HarnessError("compare failed: " + ReadFile(report));
    }
    return long(region.width) * region.height - std::stol(ReadFile(report));
}

// Launcher click, then a click into the palette's text box and the five keys.
void TypeHiddenKeys(FizzmoApp& app) {
    const Rect launcher = app.WaitVisible("").rect;
    Click(launcher.x + 26, launcher.y + 25);
    const ProbeWindow palette = app.WaitVisible("Smilies");
    const std::optional<ProbeChild> text1 = Child(palette, "Edit");
    ASSERT_TRUE(text1) << "the palette has no text box";
    const Rect at = Centre(text1->rect);
    Click(at.x, at.y);
    TypeText(kHiddenKeys);
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
    TypeHiddenKeys(app);
    const ProbeWindow show = app.WaitVisible(kSlideShow);
    EXPECT_TRUE(app.WaitHidden("Smilies"));

    const auto [screenWidth, screenHeight] = ScreenSize();
    EXPECT_TRUE(RectIs(
        show.rect, Rect{(screenWidth - kWidth) / 2, (screenHeight - kHeight) / 2, kWidth, kHeight}))
        << "the window, centred on a " << screenWidth << "x" << screenHeight << " screen";
    const std::optional<ProbeChild> viewport = Child(show, "FizzmoFrame");
    const std::optional<ProbeChild> label = Child(show, "FizzmoLabel");
    const std::optional<ProbeChild> button = Child(show, "Button");
    ASSERT_TRUE(viewport && label && button);
    EXPECT_TRUE(RectIs(Offset(viewport->rect, show.rect), kViewport)) << "the viewport";
    EXPECT_TRUE(RectIs(Offset(label->rect, viewport->rect), kLabel)) << "the label";
    EXPECT_EQ(label->text, "") << "the loading caption is cleared before the show runs";
    EXPECT_TRUE(RectIs(Offset(button->rect, show.rect), kButton)) << "the button";
    EXPECT_EQ(button->text, "Dedicated to my friends");
    const std::optional<ProbeChild> strip = Child(show, "FizzmoImage");
    ASSERT_TRUE(strip);
    EXPECT_EQ(strip->rect.width, kStripWidth);
    EXPECT_EQ(strip->rect.height, kStripHeight);
    EXPECT_EQ(strip->rect.y, viewport->rect.y);

    // The strip moves left: two screenshots half a second apart differ in the viewport.
    const std::string first = TempDir() + "/slide_show_1.png";
    const std::string second = TempDir() + "/slide_show_2.png";
    const int leftBefore = StripLeft();
    EXPECT_LE(leftBefore, 0);
    ASSERT_TRUE(Screenshot(first));
    std::this_thread::sleep_for(500ms); // the interval between the two pictures is the point
    ASSERT_TRUE(Screenshot(second));
    const int leftAfter = StripLeft();
    EXPECT_LT(leftAfter, leftBefore);
    EXPECT_EQ(leftAfter % 2, 0) << "steps of 30 twips, 2 pixels";
    EXPECT_GT(Colours(first, viewport->rect), 16) << "the strip's picture is shown";
    EXPECT_GT(DifferingPixels(first, second, viewport->rect), 0);

    const Rect press = Centre(button->rect);
    Click(press.x, press.y);
    EXPECT_TRUE(WaitUntil([] { return !SlideShowWindow(); }, 10s, 100ms))
        << "the slide show window is still there";
    EXPECT_TRUE(app.Process().Running());
}

TEST_F(SlideShow, ClickOnThePicturePausesAndResumes) {
    FizzmoApp app;
    TypeHiddenKeys(app);
    const ProbeWindow show = app.WaitVisible(kSlideShow);
    const Rect viewport = Child(show, "FizzmoFrame").value_or(ProbeChild{}).rect;
    ASSERT_GT(viewport.width, 0);
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
    const std::string first = TempDir() + "/paused_1.png";
    const std::string second = TempDir() + "/paused_2.png";
    ASSERT_TRUE(Screenshot(first));
    std::this_thread::sleep_for(500ms); // long enough for seven ticks, were it running
    ASSERT_TRUE(Screenshot(second));
    EXPECT_EQ(StripLeft(), paused);
    EXPECT_EQ(DifferingPixels(first, second, viewport), 0);

    Click(x, y);
    EXPECT_TRUE(WaitUntil([&] { return StripLeft() < paused; }, 5s, 100ms))
        << "scrolling did not resume from " << paused;
}

// The emptied label lies over the strip with a transparent background: nothing of the viewport's
// black shows but the one row below the 100-pixel strip, long before the strip's end comes by.
TEST_F(SlideShow, EmptyLabelLeavesTheWholePictureInView) {
    FizzmoApp app;
    TypeHiddenKeys(app);
    const ProbeWindow show = app.WaitVisible(kSlideShow);
    const Rect viewport = Child(show, "FizzmoFrame").value_or(ProbeChild{}).rect;
    ASSERT_GT(viewport.width, 0);
    const std::string shot = TempDir() + "/label_over_strip.png";
    ASSERT_TRUE(Screenshot(shot));
    ASSERT_GT(StripLeft(), -(kStripWidth - viewport.width)) << "the strip's end is in view";
    EXPECT_LE(BlackPixels(shot, viewport), viewport.width)
        << "something black covers the picture; see " << shot;
}

TEST_F(SlideShow, ItsButtonShowsThePalettesPointerNotTheArrow) {
    FizzmoApp app;
    TypeHiddenKeys(app);
    const ProbeWindow show = app.WaitVisible(kSlideShow);
    const std::optional<ProbeChild> button = Child(show, "Button");
    ASSERT_TRUE(button);
    const Rect over = Centre(button->rect);
    MouseMove(over.x, over.y);
    std::optional<PointerShape> cursor;
    // The palette's own 32 x 32 pointer, with its hot spot at 12, 1.
    EXPECT_TRUE(WaitUntil(
        [&] { return (cursor = CurrentPointer()) && cursor->hotX == 12 && cursor->hotY == 1; }, 5s,
        100ms));
    ASSERT_TRUE(cursor);
    EXPECT_EQ(cursor->width, 32);
    EXPECT_EQ(cursor->height, 32);
}

TEST_F(SlideShow, ClosingThePaletteClosesItAndTheKeysOpenItAgain) {
    FizzmoApp app;
    TypeHiddenKeys(app);
    app.WaitVisible(kSlideShow);
    app.WaitHidden("Smilies");
    const Rect launcher = app.WaitVisible("").rect;
    Click(launcher.x + 26, launcher.y + 25);
    app.WaitVisible("Smilies");
    Key("Escape"); // unloads the palette, and with it the slide show it owns
    EXPECT_TRUE(WaitUntil([] { return !SlideShowWindow(); }, 10s, 100ms));
    TypeHiddenKeys(app);
    EXPECT_NO_THROW(app.WaitVisible(kSlideShow)) << "the hidden keys open it again";
}

TEST_F(SlideShow, ExitFromTheLauncherEndsTheProgramWithTheShowOpen) {
    FizzmoApp app;
    TypeHiddenKeys(app);
    app.WaitVisible(kSlideShow);
    Screenshot(TempDir() + "/before_exit.png");
    app.ChooseMenuItem(FizzmoApp::kExit);
    EXPECT_EQ(app.Process().Wait(15s), 0);
    for (const ProbeWindow& w : ProbeWindows()) {
        EXPECT_NE(w.cls, "FizzmoForm") << "left behind: \"" << w.title << "\"";
        EXPECT_FALSE(w.visible) << "left behind: " << w.cls << " \"" << w.title << "\"";
    }
}

} // namespace
} // namespace e2e
