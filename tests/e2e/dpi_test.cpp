// The real program at 96, 120, 144 and 192 dots per inch under Wine (the prefix's LogPixels):
// its forms follow their twips, the palette's cells keep their size on the screen, every hover
// text of the sample code file fits its box, and the pictures are not pixel-doubled.
#include "fizzmo_app.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>

namespace e2e {
namespace {

// Twips to pixels as the forms round them: halves to the even pixel.
int Pixels(double twips, int dpi) {
    return static_cast<int>(std::nearbyint(twips * dpi / 1440.0));
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
    // Where the palette's first picture cell stands in its client area, and the cells' pitch:
    // the grid's frame 75 twips in, its first cell 75 and 175 twips into the frame.
    Rect Cell(const ProbeWindow& palette, int index) const {
        const int pitch = (22 * dpi() + 48) / 96;
        const int x = Pixels(75, dpi()) + Pixels(75, dpi());
        const int y = Pixels(175, dpi());
        return palette.InClient(x + pitch * (index % 8), y + pitch * (index / 8), pitch, pitch);
    }
};

TEST_P(Dpi, FormsFollowTheirTwipsAndThePaletteKeepsItsSizeOnTheScreen) {
    FizzmoApp app;
    const ProbeWindow launcher = WaitVisibleWindow("");
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

// Hovering each picture shows its text; the box's last columns stay background, so no text
// runs under its edge.
TEST_P(Dpi, EveryHoverTextOfTheSampleFileFitsItsBox) {
    if (dpi() == 96) {
        GTEST_SKIP() << "laid out as it always was";
    }
    FizzmoApp app;
    const ProbeWindow palette = app.OpenPalette();
    const Rect box = palette.Child("Edit").value().rect;
    // The box has no border: its last 3 columns, clear of the text's top and bottom.
    const Rect edgeStrip{box.x + box.width - 3, box.y + 2, 3, box.height - 4};
    const std::string shot = TempDir() + "/hover.png";
    int shown = 0;
    for (int i = 0; i < 64; ++i) {
        const Rect c = Centre(Cell(palette, i));
        MouseMove(c.x, c.y);
        const std::string text = WaitText1([](const std::string& s) { return !s.empty(); });
        ASSERT_FALSE(text.empty()) << "picture " << i;
        ++shown;
        if (i % 8 == 0 || text.size() >= 12) { // the longer texts, and some of every row
            // Off the picture onto the caption: the text stays, its tooltip goes.
            MouseMove(palette.rect.x + 8, palette.rect.y + 5);
            std::this_thread::sleep_for(300ms);
            Screenshot(shot);
            EXPECT_EQ(PixelsOfColour(shot, edgeStrip, "rgb(0,128,0)"),
                      long(edgeStrip.width) * edgeStrip.height)
                << "\"" << text << "\" runs to the edge of its box";
        }
    }
    EXPECT_EQ(shown, 64);
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
    const std::string doubled = TempDir() + "/doubled.png";
    ASSERT_EQ(
        RunCommand({"convert", std::string(FIZZMO_SOURCE_DIR) + "/resources/art/smiley_101.bmp",
                    "-filter", "point", "-resize", "200%", doubled},
                   {}, 30s)
            .exitCode,
        0);
    const long differing = DifferingPixels({"-fuzz", "10%", Crop(shot, picture), doubled});
    EXPECT_GT(differing, 0) << "pixel-doubled";
    EXPECT_LT(differing, 36 * 36 / 4) << "not the same picture";
}

// Left at pixel 200, 100 on a 96-dpi screen, the launcher comes back there at this dpi, and
// Exit stores that place in this dpi's twips, with the dpi.
TEST_P(Dpi, ASavedPlaceStaysOnTheSamePixels) {
    ResetSettings({{"StickToPM", "F"}, {"Left", "3000"}, {"top", "1500"}, {"Dpi", "96"}});
    FizzmoApp app;
    const ProbeWindow launcher = WaitVisibleWindow("");
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

} // namespace
} // namespace e2e
