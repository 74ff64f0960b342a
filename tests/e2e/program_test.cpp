// The real program under Wine: launcher, palette, options menu and start-up, driven with real
// clicks beside the stand-in messenger.
#include "palette_driver.h"
#include "stand_in.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

constexpr int kPaletteWidth = 203;  // 3040 twips
constexpr int kPaletteHeight = 245; // 3680 twips
constexpr int kScreenWidth = 1280, kScreenHeight = 1024;

void ExpectAt(const Rect& r, int x, int y) {
    // Twips to pixels may round either way by one.
    EXPECT_NEAR(r.x, x, 1);
    EXPECT_NEAR(r.y, y, 1);
}

TEST(Launcher, StartsAtItsSavedPlaceOnTopAndLooksRight) {
    ResetSettings({{"StickToPM", "F"}, {"Left", "3000"}, {"top", "2250"}});
    FizzmoApp app;
    const ProbeWindow launcher = app.WaitVisible("");
    ExpectAt(launcher.rect, 200, 150);
    EXPECT_EQ(launcher.rect.width, 52);
    EXPECT_EQ(launcher.rect.height, 51);
    EXPECT_TRUE(WaitUntil([&] { return app.WaitVisible("").topmost; }, 5s, 100ms));
    Screenshot(TempDir() + "/launcher.png");
}

TEST(Launcher, StayOnTopOffAtStartIsAnOrdinaryWindow) {
    ResetSettings({{"StickToPM", "F"}, {"StayOnTop", "F"}});
    FizzmoApp app;
    EXPECT_FALSE(app.WaitVisible("").topmost);
}

TEST(Launcher, DraggedByItsRim) {
    ResetSettings({{"StickToPM", "F"}, {"Left", "3000"}, {"top", "3000"}});
    FizzmoApp app;
    const Rect before = app.WaitVisible("").rect;
    RunCommand({"xdotool", "mousemove", std::to_string(before.x + 2), std::to_string(before.y + 2),
                "mousedown", "1", "sleep", "0.3", "mousemove", std::to_string(before.x + 152),
                std::to_string(before.y + 82), "sleep", "0.3", "mouseup", "1"},
               WineEnv::Get().XEnvVars(), 10s);
    std::optional<ProbeWindow> after;
    EXPECT_TRUE(WaitUntil(
        [&] { return (after = app.Launcher()) && after->rect.x == before.x + 150; }, 5s, 100ms));
    ASSERT_TRUE(after);
    ExpectAt(after->rect, before.x + 150, before.y + 80);
    EXPECT_FALSE(app.Visible("Smilies")) << "a drag by the rim is no click on the picture";
}

TEST(Palette, OpensAtTheLauncherAndShowsTheCodeOnHover) {
    ResetSettings({{"StickToPM", "F"}, {"Left", "3000"}, {"top", "2250"}});
    FizzmoApp app;
    const ProbeWindow palette = OpenPalette(app);
    ExpectAt(palette.rect, 200, 150);
    EXPECT_EQ(palette.rect.width, kPaletteWidth);
    EXPECT_EQ(palette.rect.height, kPaletteHeight);
    EXPECT_TRUE(palette.topmost);
    const std::vector<Rect> pictures = Pictures(palette);
    ASSERT_EQ(pictures.size(), 64u);
    for (const auto& [index, hover] : {std::pair{9, ":P   tongue"}, {63, "$-)   money eyes"}}) {
        const Rect c = Centre(pictures[index]);
        MouseMove(c.x, c.y);
        std::string shown;
        EXPECT_TRUE(WaitUntil([&] { return (shown = Text1(app.WaitVisible("Smilies"))) == hover; },
                              5s, 100ms))
            << "picture " << index << " shows \"" << shown << "\"";
    }
    Screenshot(TempDir() + "/palette.png");
}

TEST(Palette, FlipsToTheLaunchersOtherSideAtTheScreenEdges) {
    // 18000 + 3040 passes the right edge (19200 twips), 14400 + 3680 the bottom (15360).
    ResetSettings({{"StickToPM", "F"}, {"Left", "18000"}, {"top", "14400"}});
    {
        FizzmoApp app;
        ExpectAt(OpenPalette(app).rect, (18000 - 3040) / 15, (14400 - 3680) / 15);
    }
    // Ending exactly at the edges is no overflow.
    ResetSettings({{"StickToPM", "F"}, {"Left", "16160"}, {"top", "11680"}});
    FizzmoApp app;
    const Rect palette = OpenPalette(app).rect;
    ExpectAt(palette, 16160 / 15, 11680 / 15);
    EXPECT_NEAR(palette.x + palette.width, kScreenWidth, 1);
    EXPECT_NEAR(palette.y + palette.height, kScreenHeight, 1);
}

TEST(Palette, ClickTypesTheCodeWithEnterAndHidesWithoutKeepOpen) {
    ResetSettings({{"StickToPM", "F"}, {"KeepOpen", "F"}, {"Left", "1500"}, {"top", "1500"}});
    StandIn standIn({"400,300,500,400"});
    FizzmoApp app;
    ClickCentre(Pictures(OpenPalette(app))[5]);
    EXPECT_TRUE(WaitUntil([&] { return standIn.Received().size() >= 5; }, 5s));
    EXPECT_EQ(standIn.Received(), Expected(">:D<", true));
    EXPECT_TRUE(app.WaitHidden("Smilies"));
    // The next click shows it again, ready for the next emoticon.
    ClickCentre(Pictures(OpenPalette(app))[0]);
    EXPECT_TRUE(WaitUntil([&] { return standIn.Received().size() >= 8; }, 5s));
    std::vector<std::string> both = Expected(">:D<", true);
    for (const std::string& line : Expected(":)", true)) {
        both.push_back(line);
    }
    EXPECT_EQ(standIn.Received(), both);
}

TEST(Palette, KeepOpenStaysForTheNextClickAndNoEnterWithoutSendOnClick) {
    ResetSettings({{"StickToPM", "F"}, {"SendOnCLick", "F"}, {"Left", "1500"}, {"top", "1500"}});
    StandIn standIn({"400,300,500,400"});
    FizzmoApp app;
    const std::vector<Rect> pictures = Pictures(OpenPalette(app));
    ClickCentre(pictures[2]);
    EXPECT_TRUE(WaitUntil([&] { return standIn.Received().size() >= 2; }, 5s));
    EXPECT_TRUE(app.Visible("Smilies"));
    ClickCentre(pictures[3]);
    std::vector<std::string> both = Expected(";)", false);
    for (const std::string& line : Expected(":D", false)) {
        both.push_back(line);
    }
    EXPECT_TRUE(WaitUntil([&] { return standIn.Received().size() >= both.size(); }, 5s));
    EXPECT_EQ(standIn.Received(), both);
    // Escape is the palette's close button.
    Key("Escape");
    EXPECT_TRUE(app.WaitHidden("Smilies"));
}

TEST(Menu, TogglesSwitchesAndExitSavesThem) {
    ResetSettings({{"StickToPM", "F"}, {"Left", "4500"}, {"top", "3000"}});
    FizzmoApp app;
    const Rect launcher = app.WaitVisible("").rect;
    ClickCentre(launcher, 3);
    std::optional<ProbeWindow> menu;
    ASSERT_TRUE(WaitUntil(
        [&] {
            for (const ProbeWindow& w : ProbeWindows()) {
                if (w.cls == "#32768" && w.visible) {
                    menu = w;
                }
            }
            return menu.has_value();
        },
        10s, 100ms));
    Screenshot(TempDir() + "/menu.png");
    // The pointer's place within the picture, taken as the form's: up and left by the picture's
    // 5-pixel inset.
    const Rect pointer = Centre(launcher);
    ExpectAt(menu->rect, pointer.x - 5, pointer.y - 5);
    Key("Escape");

    app.ChooseMenuItem(FizzmoApp::kStayOnTop);
    EXPECT_TRUE(WaitUntil([&] { return !app.WaitVisible("").topmost; }, 5s, 100ms));
    app.ChooseMenuItem(FizzmoApp::kKeepOpen);
    app.ChooseMenuItem(FizzmoApp::kExit);
    EXPECT_EQ(app.Process().Wait(15s), 0);
    EXPECT_EQ(Setting("StayOnTop"), "F");
    EXPECT_EQ(Setting("SendOnCLick"), "T");
    EXPECT_EQ(Setting("StickToPM"), "F");
    EXPECT_EQ(Setting("KeepOpen"), "F");
    EXPECT_EQ(Setting("Left"), "4500");
    EXPECT_EQ(Setting("top"), "3000");
}

TEST(Menu, HiddenButtonKeysEndTheProgramLikeExit) {
    ResetSettings({{"StickToPM", "F"}, {"KeepOpen", "F"}, {"Left", "4500"}, {"top", "3000"}});
    FizzmoApp app;
    const Rect launcher = app.WaitVisible("").rect;
    Click(launcher.x + 2, launcher.y + 2); // on the rim: activates it without opening the palette
    Key("Return space");
    EXPECT_TRUE(app.Process().Running()) << "Enter or Space alone must not end the program";
    Key("ctrl+shift+x");
    EXPECT_EQ(app.Process().Wait(15s), 0);
    EXPECT_EQ(Setting("KeepOpen"), "F");
    EXPECT_EQ(Setting("StayOnTop"), "T");
}

TEST(StartUp, WithoutTheCodeFileTellsAndEndsLeavingTheSettingsAlone) {
    ResetSettings({{"StayOnTop", "T"}, {"Left", "1234"}});
    FizzmoApp app(FizzmoApp::Setup{.withCodes = false, .codes = std::nullopt});
    std::optional<ProbeWindow> box;
    ASSERT_TRUE(WaitUntil(
        [&] {
            for (const ProbeWindow& w : ProbeWindows()) {
                if (w.cls == "#32770" && w.visible && w.title == "Fizzmo Lite") {
                    box = w;
                }
            }
            return box.has_value();
        },
        15s, 100ms));
    bool hasText = false;
    for (const ProbeChild& c : box->children) {
        hasText = hasText || c.text == "A required file, code.dll is not found.";
    }
    EXPECT_TRUE(hasText);
    EXPECT_FALSE(app.Launcher());
    Screenshot(TempDir() + "/missing-codes.png");
    Key("Return");
    EXPECT_GE(app.Process().Wait(15s), 0);
    EXPECT_EQ(Setting("StayOnTop"), "T");
    EXPECT_EQ(Setting("Left"), "1234");
    EXPECT_FALSE(Setting("SendOnCLick"));
    EXPECT_FALSE(Setting("top"));
}

} // namespace
} // namespace e2e
