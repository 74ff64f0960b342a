// The real program in a hostile world: a session that ends, a messenger that stops answering,
// a second start, code files as editors save them, windows that would be lost off the screen,
// and the finer points of mouse handling.
#include "fizzmo_app.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <thread>

namespace e2e {
namespace {

// What the stand-in logs for one typed character with its key's scan code, and for Enter.
std::string Char(int wParam, unsigned scanCode) {
    char line[96];
    std::snprintf(line, sizeof line, "WM_CHAR window=0 kind=input wParam=%d lParam=0x%X", wParam,
                  scanCode * 0x10000 + 1);
    return line;
}
const std::string kEnter = "WM_KEYDOWN window=0 kind=input wParam=13 lParam=0x1C0001";
const std::vector<std::string> kSmile = {Char(':', 0x27), Char(')', 0x0B), kEnter};
const std::vector<std::string> kFrown = {Char(':', 0x27), Char('(', 0x0A), kEnter};

// Three pictures' codes, then their labels.
const std::string kShortCodes = ":)\r\n:(\r\n;)\r\nhappy\r\nsad\r\nwink\r\n";

bool MenuIsOpen() {
    for (const ProbeWindow& w : ProbeWindows()) {
        if (w.cls == "#32768" && w.visible) {
            return true;
        }
    }
    return false;
}

std::vector<ProbeWindow> Launchers() {
    std::vector<ProbeWindow> found;
    for (const ProbeWindow& w : ProbeWindows()) {
        if (w.visible && w.cls == "FizzmoForm" && w.title == kLauncher) {
            found.push_back(w);
        }
    }
    return found;
}

void DragRim(const Rect& launcher, int toX, int toY) {
    RunCommand({"xdotool", "mousemove", std::to_string(launcher.x + 2),
                std::to_string(launcher.y + 2), "mousedown", "1", "sleep", "0.3", "mousemove",
                std::to_string(toX), std::to_string(toY), "sleep", "0.3", "mouseup", "1"},
               WineEnv::Get().XEnvVars(), 10s);
}

constexpr const char* kAbout = "About FizzmoLIte";

// The session ends as the system ends it: the window is asked, then told.
void EndSession(const ProbeWindow& window) {
    constexpr unsigned kWmQueryEndSession = 0x11;
    constexpr unsigned kWmEndSession = 0x16;
    constexpr unsigned long long kLogoff = 0x80000000;
    EXPECT_TRUE(SendToWindow(window, kWmQueryEndSession, 0, kLogoff));
    EXPECT_TRUE(SendToWindow(window, kWmEndSession, 1, kLogoff));
}

void Append(std::vector<std::string>& to, const std::vector<std::string>& lines) {
    to.insert(to.end(), lines.begin(), lines.end());
}

TEST(SessionEnd, SavesWhatTheUserChangedAndEndsTheProgram) {
    ResetSettings({{"StickToPM", "F"}, {"Left", "3000"}, {"top", "3000"}});
    FizzmoApp app;
    const Rect before = WaitVisibleWindow(kLauncher).rect;
    app.ChooseMenuItem(FizzmoApp::kStayOnTop);
    ASSERT_TRUE(WaitUntil([&] { return !WaitVisibleWindow(kLauncher).topmost; }, 5s, 100ms));
    DragRim(before, before.x + 152, before.y + 82);
    ASSERT_TRUE(
        WaitUntil([&] { return VisibleWindow(kLauncher)->rect.x == before.x + 150; }, 5s, 100ms));

    const std::string wineboot =
        WineEnv::Get().WineEnvVars().at("WINEPREFIX") + "/drive_c/windows/system32/wineboot.exe";
    EXPECT_EQ(RunWine(wineboot, {"--end-session"}, 60s), 0);
    EXPECT_TRUE(WaitUntil([&] { return !app.Process().Running(); }, 15s, 100ms));
    EXPECT_FALSE(VisibleWindow(kLauncher));
    EXPECT_EQ(Setting("StayOnTop"), "F");
    EXPECT_EQ(Setting("SendOnCLick"), "T");
    EXPECT_EQ(Setting("Left"), std::to_string((before.x + 150) * 15));
    EXPECT_EQ(Setting("top"), std::to_string((before.y + 80) * 15));
}

// Whatever the program is waiting in, the end of the session ends it at once, saving as Exit.
TEST(SessionEnd, EndsAtOnceFromTheMenuTheAboutBoxOrADrag) {
    for (const std::string inside : {"menu", "About box", "drag"}) {
        SCOPED_TRACE(inside);
        ResetSettings({{"StickToPM", "F"}, {"Left", "3000"}, {"top", "3000"}});
        FizzmoApp app;
        const ProbeWindow launcher = WaitVisibleWindow(kLauncher);
        app.ChooseMenuItem(FizzmoApp::kSendOnClick); // off, in memory only
        ASSERT_TRUE(WaitUntil([] { return !MenuIsOpen(); }, 5s, 100ms));
        Rect place = launcher.rect;
        if (inside == "menu") {
            ClickCentre(launcher.rect, 3);
            ASSERT_TRUE(WaitWindowOfClass("#32768"));
        } else if (inside == "About box") {
            app.ChooseMenuItem(FizzmoApp::kAbout);
            WaitVisibleWindow(kAbout);
        } else {
            // Pressed on the rim and moved, the button still held.
            RunCommand({"xdotool", "mousemove", std::to_string(place.x + 2),
                        std::to_string(place.y + 2), "mousedown", "1", "sleep", "0.3", "mousemove",
                        std::to_string(place.x + 62), std::to_string(place.y + 42), "sleep", "0.5"},
                       WineEnv::Get().XEnvVars(), 10s);
            place = WaitVisibleWindow(kLauncher).rect;
        }
        EndSession(launcher);
        EXPECT_TRUE(WaitUntil([&] { return !app.Process().Running(); }, 5s, 100ms));
        EXPECT_FALSE(MenuIsOpen());
        EXPECT_FALSE(VisibleWindow(kAbout));
        EXPECT_EQ(Setting("SendOnCLick"), "F");
        EXPECT_EQ(Setting("Left"), std::to_string(place.x * 15));
        EXPECT_EQ(Setting("top"), std::to_string(place.y * 15));
        RunCommand({"xdotool", "mouseup", "1"}, WineEnv::Get().XEnvVars(), 10s);
        if (app.Process().Running()) {
            Key("Escape"); // let the next round start without this one
            app.Process().Wait(15s);
        }
    }
}

TEST(HungMessenger, ClicksTypeNothingNowOrLaterAndTheProgramKeepsAnswering) {
    // At the right edge, so that the palette opens left of the launcher, not over it.
    ResetSettings(
        {{"StickToPM", "F"}, {"Left", std::to_string((1280 - 52) * 15)}, {"top", "1500"}});
    StandIn standIn({"400,300,500,400"});
    FizzmoApp app(FizzmoApp::Setup{true, kShortCodes});
    const Rect launcher = WaitVisibleWindow(kLauncher).rect;
    const std::vector<Rect> pictures = Pictures(app.OpenPalette());
    const auto hang = 8s;
    standIn.Hang(hang);
    const auto hangStarted = std::chrono::steady_clock::now();
    ClickCentre(pictures[0]);
    ClickCentre(pictures[1]);
    ClickCentre(pictures[2]);

    // Even Exit stays in reach: the options menu opens while the messenger still hangs. (A
    // press made while the program waits for the messenger is dropped with the clicks.)
    std::this_thread::sleep_for(1500ms);
    ClickCentre(launcher, 3);
    EXPECT_TRUE(WaitUntil(MenuIsOpen, 3s, 100ms)) << "the program hangs with the messenger";
    EXPECT_LT(std::chrono::steady_clock::now() - hangStarted, hang);
    Key("Escape");

    // Once the messenger answers again, none of those clicks turns into a code.
    std::this_thread::sleep_until(hangStarted + hang + 2s);
    EXPECT_EQ(standIn.Received(), std::vector<std::string>{});
    ClickCentre(pictures[1], 1); // the palette is hidden: this opens nothing
    app.OpenPalette();
    ClickCentre(pictures[1]);
    EXPECT_TRUE(WaitUntil([&] { return standIn.Received().size() >= kFrown.size(); }, 5s));
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(standIn.Received(), kFrown);
    EXPECT_TRUE(app.Process().Running());
}

TEST(HungMessenger, StoppingInTheMiddleOfACodeEndsItThere) {
    ResetSettings({{"StickToPM", "F"}, {"Left", "1500"}, {"top", "1500"}});
    StandIn standIn({"400,300,500,400,hangafterchar"});
    FizzmoApp app(FizzmoApp::Setup{true, std::string("abcd\r\n")});
    const std::vector<Rect> pictures = Pictures(app.OpenPalette());
    ClickCentre(pictures[0]);
    // The second character is not answered in time: it is the last one sent, with no Enter.
    const std::vector<std::string> cut = {Char('a', 0x1E), Char('b', 0x30)};
    EXPECT_TRUE(WaitUntil([&] { return standIn.Received().size() >= 2; }, 5s));
    std::this_thread::sleep_for(4s); // past the messenger's 3 s hang
    EXPECT_EQ(standIn.Received(), cut);

    ClickCentre(pictures[0]); // it answers again: the whole code goes out
    std::vector<std::string> expected = cut;
    Append(expected, {Char('a', 0x1E), Char('b', 0x30), Char('c', 0x2E), Char('d', 0x20), kEnter});
    EXPECT_TRUE(WaitUntil([&] { return standIn.Received().size() >= expected.size(); }, 5s));
    EXPECT_EQ(standIn.Received(), expected);
}

TEST(SecondStart, CallsUpTheFirstLauncherAndLeavesTheSettingsAlone) {
    ResetSettings({{"StickToPM", "F"}, {"Left", "3000"}, {"top", "3000"}});
    FizzmoApp app;
    const Rect before = WaitVisibleWindow(kLauncher).rect;
    app.ChooseMenuItem(FizzmoApp::kStayOnTop); // changed in memory, not yet saved
    ASSERT_TRUE(WaitUntil([&] { return !WaitVisibleWindow(kLauncher).topmost; }, 5s, 100ms));
    // Dragged so far right that only its last 3 pixels show.
    DragRim(before, 1279, before.y + 2);
    ASSERT_TRUE(WaitUntil([&] { return VisibleWindow(kLauncher)->rect.x == 1277; }, 5s, 100ms));

    WineProcess second = WineProcess::Start(TempDir() + "/app/FizzmoLite.exe", {}, TempDir());
    EXPECT_EQ(second.Wait(15s), 0);
    std::vector<ProbeWindow> launchers;
    EXPECT_TRUE(WaitUntil(
        [&] { return (launchers = Launchers()).size() == 1 && launchers[0].rect.x == 1280 - 52; },
        5s, 100ms))
        << "the first launcher comes back whole onto the screen";
    ASSERT_EQ(launchers.size(), 1u);
    EXPECT_EQ(launchers[0].rect.y, before.y);
    EXPECT_EQ(Setting("StayOnTop"), std::nullopt) << "the second start saved nothing";
    EXPECT_TRUE(app.Process().Running());

    app.ChooseMenuItem(FizzmoApp::kExit);
    EXPECT_EQ(app.Process().Wait(15s), 0);
    EXPECT_EQ(Setting("StayOnTop"), "F");
    EXPECT_EQ(Setting("Left"), std::to_string((1280 - 52) * 15));
}

// The launcher is held by the box, so the box comes forward and keeps the keyboard.
TEST(SecondStart, WhileTheAboutBoxIsOpenLeavesTheKeysWithTheBox) {
    ResetSettings({{"StickToPM", "F"}, {"Left", "6000"}, {"top", "6000"}});
    FizzmoApp app;
    app.ChooseMenuItem(FizzmoApp::kAbout);
    const auto aboutInFront = [] {
        const std::optional<ProbeWindow> about = VisibleWindow(kAbout);
        return about && about->foreground;
    };
    ASSERT_TRUE(WaitUntil(aboutInFront, 5s, 100ms));

    WineProcess second = WineProcess::Start(TempDir() + "/app/FizzmoLite.exe", {}, TempDir());
    EXPECT_EQ(second.Wait(15s), 0);
    std::this_thread::sleep_for(1500ms); // the first has answered the call by now
    EXPECT_TRUE(aboutInFront());
    EXPECT_FALSE(WaitVisibleWindow(kLauncher).foreground);
    Key("Escape");
    EXPECT_TRUE(WaitWindowHidden(kAbout)) << "Escape did not close the box";
    app.ChooseMenuItem(FizzmoApp::kExit);
    EXPECT_EQ(app.Process().Wait(15s), 0);
}

TEST(SecondStart, WhileTheMissingCodeFileMessageIsUpShowsNoLauncher) {
    ResetSettings({{"StayOnTop", "T"}});
    FizzmoApp app(FizzmoApp::Setup{false, std::nullopt});
    ASSERT_TRUE(WaitWindowOfClass("#32770"));

    WineProcess second = WineProcess::Start(TempDir() + "/app/FizzmoLite.exe", {}, TempDir());
    EXPECT_EQ(second.Wait(15s), 0);
    std::this_thread::sleep_for(1500ms); // the first has answered the call by now
    EXPECT_FALSE(VisibleWindow(kLauncher));
    const std::optional<ProbeWindow> message = WaitWindowOfClass("#32770");
    ASSERT_TRUE(message);
    EXPECT_TRUE(message->foreground);
    Key("Return");
    EXPECT_EQ(app.Process().Wait(15s), 0);
    EXPECT_EQ(Setting("StayOnTop"), "T");
}

TEST(CodeFile, SavedByNotepadAsUtf8OrUnicodeTypesTheRightCodes) {
    ResetSettings({{"StickToPM", "F"}, {"Left", "1500"}, {"top", "1500"}});
    StandIn standIn({"400,300,500,400"});
    std::string utf16 = "\xFF\xFE";
    for (char c : kShortCodes) {
        utf16 += std::string{c, '\0'};
    }
    std::vector<std::string> expected;
    for (const std::string& file : {"\xEF\xBB\xBF" + kShortCodes, utf16}) {
        FizzmoApp app(FizzmoApp::Setup{true, file});
        const std::vector<Rect> pictures = Pictures(app.OpenPalette());
        ClickCentre(pictures[0]);
        Append(expected, kSmile);
        EXPECT_TRUE(WaitUntil([&] { return standIn.Received().size() >= expected.size(); }, 5s));
        app.OpenPalette();
        ClickCentre(pictures[1]);
        Append(expected, kFrown);
        EXPECT_TRUE(WaitUntil([&] { return standIn.Received().size() >= expected.size(); }, 5s));
        EXPECT_EQ(standIn.Received(), expected);
    }
}

TEST(CodeFile, AnEmptyCodeSendsNothingAndALongCodeArrivesWhole) {
    ResetSettings({{"StickToPM", "F"}, {"KeepOpen", "T"}, {"Left", "1500"}, {"top", "1500"}});
    StandIn standIn({"400,300,500,400"});
    const std::string longCode(1000, 'a');
    FizzmoApp app(FizzmoApp::Setup{true, longCode + "\r\n"}); // picture 1 on have no code
    const std::vector<Rect> pictures = Pictures(app.OpenPalette());
    ClickCentre(pictures[5]);
    ClickCentre(pictures[0]);
    std::vector<std::string> expected(1000, Char('a', 0x1E));
    expected.push_back(kEnter);
    EXPECT_TRUE(WaitUntil([&] { return standIn.Received().size() >= expected.size(); }, 10s));
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(standIn.Received(), expected) << "nothing before the long code, not even Enter";
}

TEST(OffScreen, DockingLeavesTheLauncherInReachWhenTheIMWindowIsOffTheScreenOrMinimised) {
    ResetSettings({{"StayOnTop", "F"}});
    StandIn standIn({"400,300,500,400"});
    FizzmoApp app;
    // Beside the IM window's bottom-right corner.
    ASSERT_TRUE(WaitUntil(
        [&] {
            const auto l = VisibleWindow(kLauncher);
            return l && l->rect.x == 900 && l->rect.y == 700 - 51;
        },
        5s, 100ms));
    standIn.Command("move 0 -4509 -4760 500 400");
    std::this_thread::sleep_for(2500ms); // two docking ticks
    EXPECT_EQ(VisibleWindow(kLauncher)->rect.x, 900);
    EXPECT_EQ(VisibleWindow(kLauncher)->rect.y, 649);

    standIn.Command("move 0 300 200 500 400");
    ASSERT_TRUE(WaitUntil([&] { return VisibleWindow(kLauncher)->rect.x == 800; }, 5s, 100ms));
    standIn.Command("minimize 0");
    std::this_thread::sleep_for(2500ms);
    EXPECT_EQ(VisibleWindow(kLauncher)->rect.x, 800);
    EXPECT_EQ(VisibleWindow(kLauncher)->rect.y, 600 - 51);
}

TEST(OffScreen, LauncherSavedAlmostOffTheScreenStartsWhollyOnIt) {
    // Only 3 x 3 pixels of it would show in the bottom-right corner.
    ResetSettings({{"StickToPM", "F"}, {"Left", "19155"}, {"top", "15315"}});
    FizzmoApp app;
    const Rect r = WaitVisibleWindow(kLauncher).rect;
    EXPECT_EQ(r.x, 1280 - 52);
    EXPECT_EQ(r.y, 1024 - 51);
}

TEST(Mouse, ADoubleClickOnAPictureTypesItsCodeOnce) {
    ResetSettings({{"StickToPM", "F"}, {"KeepOpen", "T"}, {"Left", "1500"}, {"top", "1500"}});
    StandIn standIn({"400,300,500,400"});
    FizzmoApp app(FizzmoApp::Setup{true, kShortCodes});
    const std::vector<Rect> pictures = Pictures(app.OpenPalette());
    const Rect at = Centre(pictures[0]);
    RunCommand({"xdotool", "mousemove", std::to_string(at.x), std::to_string(at.y), "click",
                "--repeat", "2", "--delay", "80", "1"},
               WineEnv::Get().XEnvVars(), 10s);
    EXPECT_TRUE(WaitUntil([&] { return standIn.Received().size() >= kSmile.size(); }, 5s));
    std::this_thread::sleep_for(1s);
    EXPECT_EQ(standIn.Received(), kSmile);
}

TEST(Mouse, APressOnTheSmileyLabelDoesNotDragThePalette) {
    ResetSettings({{"StickToPM", "F"}, {"KeepOpen", "T"}, {"Left", "3000"}, {"top", "2250"}});
    FizzmoApp app;
    const ProbeWindow palette = app.OpenPalette();
    // "Smiley": 75, 225 twips into the strip that starts 2840 twips down, 75 in.
    const Rect label = palette.InClient(10, 204, 30, 13);
    const Rect from = Centre(label);
    RunCommand({"xdotool", "mousemove", std::to_string(from.x), std::to_string(from.y), "mousedown",
                "1", "sleep", "0.3", "mousemove", std::to_string(from.x + 150),
                std::to_string(from.y + 100), "sleep", "0.3", "mouseup", "1"},
               WineEnv::Get().XEnvVars(), 10s);
    std::this_thread::sleep_for(500ms);
    const ProbeWindow after = WaitVisibleWindow("Smilies");
    EXPECT_EQ(after.rect.x, palette.rect.x);
    EXPECT_EQ(after.rect.y, palette.rect.y);
}

} // namespace
} // namespace e2e
