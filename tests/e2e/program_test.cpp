// The real program under Wine: launcher, palette, options menu and start-up, driven with real
// clicks beside the stand-in messenger.
#include "fizzmo_app.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

void ExpectAt(const Rect& r, int x, int y) {
    // Twips to pixels may round either way by one.
    EXPECT_NEAR(r.x, x, 1);
    EXPECT_NEAR(r.y, y, 1);
}

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(Launcher, StartsAtItsSavedPlaceOnTopAndLooksRight) {
    ResetSettings({{"StickToPM", "F"}, {"Left", "3000"}, {"top", "2250"}});
    FizzmoApp app;
    const ProbeWindow launcher = WaitVisibleWindow(kLauncher);
    ExpectAt(launcher.rect, 200, 150);
    EXPECT_TRUE(WaitUntil([&] { return WaitVisibleWindow(kLauncher).topmost; }, 5s, 100ms));
    Screenshot(TempDir() + "/launcher.png");
}

TEST(Launcher, DraggedByItsRim) {
    ResetSettings({{"StickToPM", "F"}, {"Left", "3000"}, {"top", "3000"}});
    FizzmoApp app;
    const Rect before = WaitVisibleWindow(kLauncher).rect;
    RunCommand({"xdotool", "mousemove", std::to_string(before.x + 2), std::to_string(before.y + 2),
                "mousedown", "1", "sleep", "0.3", "mousemove", std::to_string(before.x + 152),
                std::to_string(before.y + 82), "sleep", "0.3", "mouseup", "1"},
               WineEnv::Get().XEnvVars(), 10s);
    std::optional<ProbeWindow> after;
    EXPECT_TRUE(WaitUntil(
        [&] { return (after = VisibleWindow(kLauncher)) && after->rect.x == before.x + 150; }, 5s,
        100ms));
    ASSERT_TRUE(after);
    ExpectAt(after->rect, before.x + 150, before.y + 80);
    EXPECT_FALSE(VisibleWindow("Smilies")) << "a drag by the rim is no click on the picture";
}

TEST(Palette, OpensAtTheLauncherAndShowsTheCodeOnHover) {
    ResetSettings({{"StickToPM", "F"}, {"Left", "3000"}, {"top", "2250"}});
    FizzmoApp app;
    const ProbeWindow palette = app.OpenPalette();
    ExpectAt(palette.rect, 200, 150);
    EXPECT_EQ(palette.rect.width, 203);  // 3040 twips
    EXPECT_EQ(palette.rect.height, 245); // 3680 twips
    EXPECT_TRUE(palette.topmost);
    const std::vector<Rect> pictures = Pictures(palette);
    ASSERT_EQ(pictures.size(), 64u);
    for (const auto& [index, hover] : {std::pair{9, ":P   tongue"}, {63, "$-)   money eyes"}}) {
        const Rect c = Centre(pictures[index]);
        MouseMove(c.x, c.y);
        EXPECT_EQ(WaitText1([&](const std::string& s) { return s == hover; }), hover)
            << "picture " << index;
    }
    Screenshot(TempDir() + "/palette.png");
}

// Just below the pointer (a pointer's height, 20 pixels at 96 dpi), wholly on the 1280 x 1024
// screen, on top, and in the system's tooltip colour (Wine's: 255, 255, 225).
void ExpectToolTipBelow(const ProbeWindow& tip, const Rect& pointer, const std::string& name) {
    EXPECT_EQ(tip.rect.x, pointer.x);
    EXPECT_EQ(tip.rect.y, pointer.y + 20);
    EXPECT_GT(tip.rect.width, 40);
    EXPECT_GT(tip.rect.height, 10);
    EXPECT_LE(tip.rect.x + tip.rect.width, 1280);
    EXPECT_LE(tip.rect.y + tip.rect.height, 1024);
    EXPECT_TRUE(tip.topmost);
    const std::string shot = TempDir() + "/" + name + ".png";
    ASSERT_TRUE(Screenshot(shot));
    EXPECT_GT(PixelsOfColour(shot, tip.rect, "rgb(255,255,225)"),
              tip.rect.width * tip.rect.height / 2);
}

TEST(ToolTip, ShowsBelowThePointerOverAPictureAndGoesWhenThePointerLeavesOrAButtonIsPressed) {
    ResetSettings({{"StickToPM", "F"}, {"Left", "3000"}, {"top", "2250"}});
    FizzmoApp app;
    const Rect launcher = Centre(WaitVisibleWindow(kLauncher).rect);
    MouseMove(launcher.x, launcher.y);
    std::optional<ProbeWindow> tip = WaitToolTip("Click to see the list of smilies.");
    ASSERT_TRUE(tip) << "no tooltip over the launcher";
    EXPECT_EQ(tip->title, "Click to see the list of smilies.");
    ExpectToolTipBelow(*tip, launcher, "launcher_tooltip");
    MouseMove(700, 700);
    EXPECT_TRUE(WaitToolTipHidden()) << "the pointer left the launcher";

    const ProbeWindow palette = app.OpenPalette();
    const Rect first = Centre(Pictures(palette)[9]);
    MouseMove(first.x, first.y);
    tip = WaitToolTip(":P   tongue");
    ASSERT_TRUE(tip) << "no tooltip over picture 9";
    EXPECT_EQ(tip->title, ":P   tongue");
    ExpectToolTipBelow(*tip, first, "picture_tooltip");
    // From one tip to the next picture's.
    const Rect next = Centre(Pictures(palette)[63]);
    MouseMove(next.x, next.y);
    tip = WaitToolTip("$-)   money eyes");
    ASSERT_TRUE(tip) << "no tooltip over picture 63";
    EXPECT_EQ(tip->title, "$-)   money eyes");
    EXPECT_EQ(tip->rect.x, next.x);
    EXPECT_EQ(tip->rect.y, next.y + 20);
    Click(next.x, next.y, 2); // the middle button does nothing else
    EXPECT_TRUE(WaitToolTipHidden()) << "a press over the picture";
    EXPECT_TRUE(VisibleWindow("Smilies"));
}

TEST(Palette, ClickTypesTheCodeWithEnterAndHidesWithoutKeepOpen) {
    ResetSettings({{"StickToPM", "F"}, {"KeepOpen", "F"}, {"Left", "1500"}, {"top", "1500"}});
    StandIn standIn({"400,300,500,400"});
    FizzmoApp app;
    ClickCentre(Pictures(app.OpenPalette())[5]);
    EXPECT_TRUE(WaitUntil([&] { return standIn.Received().size() >= 5; }, 5s));
    EXPECT_EQ(standIn.Received(), Expected(">:D<", true));
    EXPECT_TRUE(WaitWindowHidden("Smilies"));
    // The next click shows it again, ready for the next emoticon.
    ClickCentre(Pictures(app.OpenPalette())[0]);
    EXPECT_TRUE(WaitUntil([&] { return standIn.Received().size() >= 8; }, 5s));
    EXPECT_EQ(standIn.Received(), Joined(Expected(">:D<", true), Expected(":)", true)));
}

TEST(Palette, KeepOpenStaysForTheNextClickAndNoEnterWithoutSendOnClick) {
    ResetSettings({{"StickToPM", "F"}, {"SendOnCLick", "F"}, {"Left", "1500"}, {"top", "1500"}});
    StandIn standIn({"400,300,500,400"});
    FizzmoApp app;
    const std::vector<Rect> pictures = Pictures(app.OpenPalette());
    ClickCentre(pictures[2]);
    EXPECT_TRUE(WaitUntil([&] { return standIn.Received().size() >= 2; }, 5s));
    EXPECT_TRUE(VisibleWindow("Smilies"));
    ClickCentre(pictures[3]);
    EXPECT_TRUE(WaitUntil([&] { return standIn.Received().size() >= 4; }, 5s));
    EXPECT_EQ(standIn.Received(), Joined(Expected(";)", false), Expected(":D", false)));
    Key("Escape"); // the palette's close button
    EXPECT_TRUE(WaitWindowHidden("Smilies"));
}

TEST(Menu, TogglesSwitchesAndExitSavesThem) {
    ResetSettings({{"StickToPM", "F"}, {"Left", "4500"}, {"top", "3000"}});
    FizzmoApp app;
    const Rect launcher = WaitVisibleWindow(kLauncher).rect;
    ClickCentre(launcher, 3);
    const std::optional<ProbeWindow> menu = WaitWindowOfClass("#32768");
    ASSERT_TRUE(menu);
    // The pointer's place within the picture, taken as the form's: up and left by the picture's
    // 5-pixel inset.
    ExpectAt(menu->rect, Centre(launcher).x - 5, Centre(launcher).y - 5);
    Key("Escape");

    app.ChooseMenuItem(FizzmoApp::kStayOnTop);
    EXPECT_TRUE(WaitUntil([&] { return !WaitVisibleWindow(kLauncher).topmost; }, 5s, 100ms));
    app.ChooseMenuItem(FizzmoApp::kKeepOpen);
    app.ChooseMenuItem(FizzmoApp::kExit);
    EXPECT_EQ(app.Process().Wait(15s), 0);
    const std::map<std::string, std::string> saved = {{"StayOnTop", "F"}, {"SendOnCLick", "T"},
                                                      {"StickToPM", "F"}, {"KeepOpen", "F"},
                                                      {"Left", "4500"},   {"top", "3000"}};
    for (const auto& [name, text] : saved) {
        EXPECT_EQ(Setting(name), text) << name;
    }
}

TEST(Menu, StartWithWindowsPointsTheRunEntryHereAndRemovesIt) {
    static const std::string run = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    // Left behind, the entry would start the program with the prefix's next session.
    struct Cleanup {
        ~Cleanup() { RegDeleteValue(run, "FizzmoLite"); }
    } cleanup;
    RegAddString(run, "FizzmoLite", "C:\\Old Place\\FizzmoLite.exe"); // the folder was moved
    RegAddString(run, "Other", "other.exe");
    ResetSettings({{"StickToPM", "F"}, {"Left", "4500"}, {"top", "3000"}});
    FizzmoApp app;
    const std::string here = "\"" + ToWinePath(TempDir() + "/app/FizzmoLite.exe") + "\"";
    app.ChooseMenuItem(FizzmoApp::kStartWithWindows);
    EXPECT_TRUE(WaitUntil([&] { return RegQuery(run, "FizzmoLite") == here; }, 5s, 100ms))
        << RegQuery(run, "FizzmoLite").value_or("(none)") << " is not " << here;
    app.ChooseMenuItem(FizzmoApp::kStartWithWindows);
    EXPECT_TRUE(WaitUntil([&] { return !RegQuery(run, "FizzmoLite"); }, 5s, 100ms))
        << "chosen again, the entry stays";
    EXPECT_EQ(RegQuery(run, "Other"), "other.exe");
    RegDeleteValue(run, "Other");
    app.ChooseMenuItem(FizzmoApp::kExit);
    EXPECT_EQ(app.Process().Wait(15s), 0);
    // It is the system's setting, not one of the options saved at exit.
    EXPECT_FALSE(RegQuery(run, "FizzmoLite"));
    for (const char* name : {"StartWithWindows", "Start With Windows", "Run"}) {
        EXPECT_FALSE(Setting(name)) << name;
    }
}

TEST(Menu, HiddenButtonKeysEndTheProgramLikeExit) {
    ResetSettings({{"StickToPM", "F"}, {"KeepOpen", "F"}, {"Left", "4500"}, {"top", "3000"}});
    FizzmoApp app;
    const Rect launcher = WaitVisibleWindow(kLauncher).rect;
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
    const std::optional<ProbeWindow> box = WaitWindowOfClass("#32770");
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, "Fizzmo Lite");
    EXPECT_TRUE(box->Child("Static", "A required file, code.dll is not found."));
    EXPECT_FALSE(VisibleWindow(kLauncher));
    Key("Return");
    EXPECT_GE(app.Process().Wait(15s), 0);
    EXPECT_EQ(Setting("StayOnTop"), "T");
    EXPECT_EQ(Setting("Left"), "1234");
    EXPECT_FALSE(Setting("SendOnCLick"));
    EXPECT_FALSE(Setting("top"));
}

} // namespace
} // namespace e2e
