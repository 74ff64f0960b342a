// The real program at 96, 120, 144 and 192 dots per inch under Wine (the prefix's LogPixels):
// its forms follow their twips, the palette's cells keep their size on the screen, every hover
// text of the sample code file and the label show whole, and the pictures are not pixel-doubled.
// Then on a monitor of another scale, as Windows tells a window that has crossed onto one.
#include "fizzmo_app.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <regex>
#include <sstream>
#include <thread>

namespace e2e {
namespace {

// Twips to pixels as the forms round them: halves to the even pixel.
int Pixels(double twips, int dpi) {
    return static_cast<int>(std::nearbyint(twips * dpi / 1440.0));
}

// Where a palette's picture cell stands on the screen at this resolution: the grid's frame 75
// twips into the client area, its first cell 75 and 175 twips into the frame.
Rect CellAt(const ProbeWindow& palette, int index, int dpi) {
    const int pitch = (22 * dpi + 48) / 96;
    const int x = Pixels(75, dpi) + Pixels(75, dpi);
    const int y = Pixels(175, dpi);
    return palette.InClient(x + pitch * (index % 8), y + pitch * (index / 8), pitch, pitch);
}

// The first picture (the launcher's too) where the screenshot shows it larger than its 18 x 18
// pixels: unlike the art stretched pixel for pixel to that size, though the same picture.
void ExpectTheFirstPictureScaledSmoothly(const std::string& shot, const Rect& picture) {
    const std::string blocky = TempDir() + "/blocky.png";
    const std::string size = std::to_string(picture.width) + "x" + std::to_string(picture.height);
    ASSERT_EQ(
        RunCommand({"convert", std::string(FIZZMO_SOURCE_DIR) + "/resources/art/smiley_101.bmp",
                    "-filter", "point", "-resize", size + "!", blocky},
                   {}, 30s)
            .exitCode,
        0);
    const long differing = DifferingPixels({"-fuzz", "10%", Crop(shot, picture), blocky});
    EXPECT_GT(differing, 0) << "pixel-doubled";
    EXPECT_LT(differing, picture.width * picture.height / 4) << "not the same picture";
}

class Dpi : public WineTest, public ::testing::WithParamInterface<int> {
  protected:
    void SetUp() override {
        WineTest::SetUp();
        RegAddDword("HKCU\\Control Panel\\Desktop", "LogPixels",
                    static_cast<std::uint32_t>(GetParam()));
        ResetSettings({{"StickToPM", "F"}, {"Left", "1500"}, {"top", "1500"}, {"KeepOpen", "T"}});
    }
    void TearDown() override { RegAddDword("HKCU\\Control Panel\\Desktop", "LogPixels", 96); }
    int dpi() const { return GetParam(); }
    Rect Cell(const ProbeWindow& palette, int index) const { return CellAt(palette, index, dpi()); }
};

TEST_P(Dpi, FormsFollowTheirTwipsAndThePaletteKeepsItsSizeOnTheScreen) {
    FizzmoApp app;
    const ProbeWindow launcher = WaitVisibleWindow(kLauncher);
    EXPECT_EQ(Text(launcher.rect), Text({Pixels(1500, dpi()), Pixels(1500, dpi()),
                                         Pixels(780, dpi()), Pixels(765, dpi())}));
    const ProbeWindow palette = app.OpenPalette();
    // 203 x 245 pixels at 96 dpi: the same size on the screen within a few pixels of rounding.
    EXPECT_NEAR(palette.rect.width, 203.0 * dpi() / 96, 4);
    EXPECT_NEAR(palette.rect.height, 245.0 * dpi() / 96, 6);
    // Every cell is the same whole number of pixels, and the last one lies inside the palette.
    const Rect last = Cell(palette, 63);
    EXPECT_LE(last.x + last.width, palette.client.x + palette.client.width);
    EXPECT_LE(last.y + last.height, palette.client.y + palette.client.height);
    const ProbeChild box = palette.Child("Edit").value();
    EXPECT_LE(box.rect.x + box.rect.width, palette.client.x + palette.client.width)
        << "the text box lies inside the palette";
    Screenshot(detail::ArtifactRoot() + "/palette_" + std::to_string(dpi()) + "dpi.png");
}

// Where the palette's text box shows text, and where its text ends, as the box itself tells.
struct TextEnd {
    int areaLeft = 0, areaRight = 0, end = 0;
};

TextEnd MeasureText(const ProbeWindow& palette) {
    const WineResult r = RunWineCaptured(WindowsProgram("dpi_probe"), {"text", palette.hwnd}, 30s);
    TextEnd t;
    EXPECT_EQ(std::sscanf(r.out.c_str(), "area=%d,%d end=%d", &t.areaLeft, &t.areaRight, &t.end), 3)
        << r.out << r.err;
    return t;
}

// Hovering each picture shows its text, whole: it ends inside the columns the box shows text
// in, its margins left out. The label's text, drawn whole once the box is out of the way, ends
// left of the box.
TEST_P(Dpi, EveryHoverTextOfTheSampleFileAndTheLabelShowWhole) {
    FizzmoApp app;
    const ProbeWindow palette = app.OpenPalette();
    const Rect box = palette.Child("Edit").value().rect;
    int shown = 0;
    for (int i = 0; i < 64; ++i) {
        const Rect c = Centre(Cell(palette, i));
        MouseMove(c.x, c.y);
        const std::string text = WaitText1([](const std::string& s) { return !s.empty(); });
        ASSERT_FALSE(text.empty()) << "picture " << i;
        ++shown;
        const TextEnd t = MeasureText(palette);
        EXPECT_LE(t.end, t.areaRight) << "\"" << text << "\" ends past the box's text area, "
                                      << t.areaLeft << " to " << t.areaRight;
        if (i == 23) { // the longest text, for the eye; the tooltip goes
            MouseMove(palette.rect.x + 8, palette.rect.y + 5);
            ScreenshotWhenStill(detail::ArtifactRoot() + "/palette_hovered_" +
                                std::to_string(dpi()) + "dpi.png");
        }
    }
    EXPECT_EQ(shown, 64);

    MouseMove(palette.rect.x + 8, palette.rect.y + 5);
    ASSERT_EQ(RunWineCaptured(WindowsProgram("dpi_probe"), {"hidetext", palette.hwnd}, 30s)
                  .out.substr(0, 6),
              "hidden");
    const std::string shot = TempDir() + "/label.png";
    EXPECT_TRUE(ScreenshotWhen(shot, [&](const std::string& s) {
        return PixelsOfColour(s, box, "rgb(0,128,0)") == long(box.width) * box.height;
    })) << "the label runs on where the text box stands";
}

// Above 96 dpi a picture is drawn down from its Scale2x doubling: at 192 dpi it differs from
// the 18 x 18 art doubled pixel for pixel, though it is the same picture.
TEST_P(Dpi, PicturesAreNotPixelDoubled) {
    if (dpi() != 192) {
        GTEST_SKIP() << "compared at twice the size only";
    }
    FizzmoApp app;
    const ProbeWindow palette = app.OpenPalette();
    MouseMove(palette.client.x + palette.client.width - 2, palette.client.y + 2);
    const Rect cell = Cell(palette, 0);
    const Rect picture{cell.x + (cell.width - 36) / 2, cell.y + (cell.height - 36) / 2, 36, 36};
    const std::string shot = TempDir() + "/picture.png";
    Screenshot(shot);
    ExpectTheFirstPictureScaledSmoothly(shot, picture);
}

// Left at pixel 200, 100 on a 96-dpi screen, the launcher comes back there at this dpi, and
// Exit stores that place in this dpi's twips, with the dpi.
TEST_P(Dpi, ASavedPlaceStaysOnTheSamePixels) {
    ResetSettings({{"StickToPM", "F"}, {"Left", "3000"}, {"top", "1500"}, {"Dpi", "96"}});
    FizzmoApp app;
    const ProbeWindow launcher = WaitVisibleWindow(kLauncher);
    EXPECT_EQ(launcher.rect.x, 200);
    EXPECT_EQ(launcher.rect.y, 100);
    app.ChooseMenuItem(FizzmoApp::kExit);
    EXPECT_EQ(app.Process().Wait(20s), 0);
    EXPECT_EQ(Setting("Left"), std::to_string(200 * 1440 / dpi()));
    EXPECT_EQ(Setting("top"), std::to_string(100 * 1440 / dpi()));
    EXPECT_EQ(Setting("Dpi"), std::to_string(dpi()));
}

INSTANTIATE_TEST_SUITE_P(Scales, Dpi, ::testing::Values(96, 120, 144, 192),
                         [](const auto& info) { return std::to_string(info.param) + "dpi"; });

// The screen at 96 dpi, and a window told what Windows tells one dragged onto a monitor of
// another scale: its new resolution, and where it suggests the window go at its new size.
class MonitorScale : public WineTest {
  protected:
    void SetUp() override {
        WineTest::SetUp();
        SetLogPixels(96);
        ResetSettings({{"StickToPM", "F"}, {"Left", "1500"}, {"top", "1500"}, {"KeepOpen", "T"}});
    }
    void TearDown() override { SetLogPixels(96); }
    static void SetLogPixels(int dpi) {
        RegAddDword("HKCU\\Control Panel\\Desktop", "LogPixels", static_cast<std::uint32_t>(dpi));
    }
    static std::string DpiProbe(const std::vector<std::string>& args) {
        const WineResult r = RunWineCaptured(WindowsProgram("dpi_probe"), args, 30s);
        if (r.exitCode != 0) {
            throw HarnessError("dpi_probe " + args[0] + " failed: " + r.out + r.err);
        }
        return r.out;
    }
    static void MoveToScale(const ProbeWindow& window, int dpi, const Rect& to) {
        DpiProbe({"change", window.hwnd, std::to_string(dpi), std::to_string(to.x),
                  std::to_string(to.y), std::to_string(to.x + to.width),
                  std::to_string(to.y + to.height)});
    }
    // The palette showing picture 12's hover text, the pointer on its caption; its client area.
    static std::string HoveredPalette(const ProbeWindow& palette, int dpi,
                                      const std::string& name) {
        const Rect c = Centre(CellAt(palette, 12, dpi));
        MouseMove(c.x, c.y);
        EXPECT_FALSE(WaitText1([](const std::string& s) { return !s.empty(); }).empty());
        MouseMove(palette.rect.x + 8, palette.rect.y + 5); // the tooltip goes, the text stays
        const std::string shot = TempDir() + "/" + name + ".png";
        ScreenshotWhenStill(shot);
        return shot;
    }
};

// Wine 8 knows per-monitor awareness but no second version of it: it tells the one as the other.
TEST_F(MonitorScale, TheProgramScalesEachMonitorItself) {
    FizzmoApp app;
    EXPECT_EQ(DpiProbe({"awareness", WaitVisibleWindow(kLauncher).hwnd}).substr(0, 11),
              "awareness=2")
        << "per-monitor aware";
}

// The sizes of the icons a window of this title hands the window manager (Wine sets them as the
// X window's _NET_WM_ICON), as "16x16 32x32".
static std::string IconSizes(const std::string& title) {
    const EnvVars x = WineEnv::Get().XEnvVars();
    const CommandResult found =
        RunCommand({"xdotool", "search", "--name", "^" + title + "$"}, x, 10s);
    std::istringstream ids(found.out);
    std::string id;
    ids >> id;
    const CommandResult icon = RunCommand({"xprop", "-id", id, "_NET_WM_ICON"}, x, 10s);
    std::vector<std::string> sizes;
    static const std::regex size(R"(Icon \((\d+) x (\d+)\))");
    for (auto it = std::sregex_iterator(icon.out.begin(), icon.out.end(), size);
         it != std::sregex_iterator(); ++it) {
        sizes.push_back((*it)[1].str() + "x" + (*it)[2].str());
    }
    std::sort(sizes.begin(), sizes.end(), [](const std::string& a, const std::string& b) {
        return std::stoi(a) < std::stoi(b);
    });
    std::string text;
    for (const std::string& s : sizes) {
        text += (text.empty() ? "" : " ") + s;
    }
    return text;
}

// The taskbar button and Alt+Tab show the icons drawn for the scale: 16 and 32 pixels at 100 %,
// 24 and 48 at 150 %, 32 and 64 at 200 %, none stretched from another size.
TEST_F(MonitorScale, TheLaunchersIconsAreThoseOfItsScale) {
    FizzmoApp app;
    const ProbeWindow launcher = WaitVisibleWindow(kLauncher);
    EXPECT_EQ(IconSizes(kLauncher), "16x16 32x32");
    MoveToScale(launcher, 144, {300, 200, 80, 80});
    EXPECT_TRUE(WaitUntil([] { return IconSizes(kLauncher) == "24x24 48x48"; }, 5s, 200ms))
        << IconSizes(kLauncher);
    MoveToScale(launcher, 192, {300, 200, 110, 110});
    EXPECT_TRUE(WaitUntil([] { return IconSizes(kLauncher) == "32x32 64x64"; }, 5s, 200ms))
        << IconSizes(kLauncher);
    MoveToScale(launcher, 96, {300, 200, 50, 50});
    EXPECT_TRUE(WaitUntil([] { return IconSizes(kLauncher) == "16x16 32x32"; }, 5s, 200ms))
        << IconSizes(kLauncher);
}

// At 150 % the launcher is 78 x 76 with its picture's frame 8 pixels in, its picture drawn
// smoothly; back at 100 % it is exactly what it was, pixel for pixel. Its size is its own at
// each scale, whatever size the system suggests.
TEST_F(MonitorScale, TheLauncherIsDrawnAtEachScaleAndBackExactlyAsBefore) {
    FizzmoApp app;
    const ProbeWindow launcher = WaitVisibleWindow(kLauncher);
    const std::string before = TempDir() + "/before.png";
    Screenshot(before);
    MoveToScale(launcher, 144, {300, 200, 80, 80});
    const ProbeWindow at144 = WaitVisibleWindow(kLauncher);
    EXPECT_EQ(Text(at144.rect), "300,200 78x76");
    const std::string shot = TempDir() + "/at144.png";
    ScreenshotWhen(shot, [](const std::string& s) {
        return PixelsOfColour(s, {307, 208, 1, 62}, "rgb(128,0,0)") == 62;
    });
    EXPECT_EQ(PixelsOfColour(shot, {307, 208, 1, 62}, "rgb(128,0,0)"), 62) << "the rim";
    EXPECT_EQ(PixelsOfColour(shot, {308, 208, 1, 62}, "rgb(0,0,0)"), 62) << "the frame";
    EXPECT_EQ(PixelsOfColour(shot, {369, 208, 1, 62}, "rgb(0,0,0)"), 62);
    EXPECT_EQ(PixelsOfColour(shot, {370, 208, 1, 62}, "rgb(128,0,0)"), 62);
    ExpectTheFirstPictureScaledSmoothly(shot, {309, 209, 60, 60});

    MoveToScale(at144, 96, {300, 200, 50, 50});
    EXPECT_EQ(Text(WaitVisibleWindow(kLauncher).rect), "300,200 52x51");
    const std::string after = TempDir() + "/after.png";
    EXPECT_TRUE(ScreenshotWhen(after, [&](const std::string& s) {
        return DifferingPixels({Crop(before, {100, 100, 52, 51}), Crop(s, {300, 200, 52, 51})}) ==
               0;
    })) << "the launcher back at 96 dpi is not drawn exactly as before";
}

// The palette told it is on a 150 % monitor looks as one started at 150 %: the same grid,
// pictures, label and hover text in its client area (but for the caret), and a click on a
// picture still types that picture's code.
TEST_F(MonitorScale, APaletteRescaledByTheSystemIsThePaletteOfThatScale) {
    SetLogPixels(144);
    Rect placed;
    std::string reference;
    Rect referenceClient;
    {
        FizzmoApp app;
        const ProbeWindow palette = app.OpenPalette();
        placed = palette.rect;
        referenceClient = palette.client;
        reference = HoveredPalette(palette, 144, "started_at_144dpi");
    }
    SetLogPixels(96);
    StandIn standIn({"700,100,400,300"});
    FizzmoApp app;
    MoveToScale(app.OpenPalette(), 144, {placed.x, placed.y, placed.width - 3, placed.height - 3});
    const ProbeWindow palette = WaitVisibleWindow("Smilies");
    EXPECT_EQ(Text(palette.rect), Text(placed));
    const std::string shot = HoveredPalette(palette, 144, "rescaled_to_144dpi");
    const int height = std::min(referenceClient.height, palette.client.height);
    const Rect inReference{referenceClient.x, referenceClient.y, referenceClient.width, height};
    const Rect inShot{palette.client.x, palette.client.y, referenceClient.width, height};
    // The text box's caret blinks: one pixel wide, as high as its font.
    EXPECT_LE(DifferingPixels({Crop(reference, inReference), Crop(shot, inShot)}), 30);
    Screenshot(detail::ArtifactRoot() + "/palette_rescaled_to_144dpi.png");

    ClickCentre(CellAt(palette, 15, 144));
    EXPECT_TRUE(WaitUntil([&] { return standIn.Received() == Expected("B-)", true); }, 10s))
        << "received " << standIn.Received().size() << " messages";
}

} // namespace
} // namespace e2e
