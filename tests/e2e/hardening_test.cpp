// The real program under bad settings, a vanishing IM window, a lost screen and a long run.
#include "palette_driver.h"
#include "stand_in.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace e2e {
namespace {

void Append(std::vector<std::string>& to, const std::vector<std::string>& lines) {
    to.insert(to.end(), lines.begin(), lines.end());
}

// Resident memory of the program's process, in KiB (the Wine loader is the Windows process).
long ResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

// Clicks each of the pictures in turn, `count` times in all, in one xdotool run so the
// clicks come as fast as a user's never would.
void ClickInTurn(const std::vector<Rect>& pictures, int count) {
    std::vector<std::string> argv = {"xdotool"};
    for (int i = 0; i < count; ++i) {
        const Rect c = Centre(pictures[static_cast<std::size_t>(i) % pictures.size()]);
        argv.insert(argv.end(),
                    {"mousemove", std::to_string(c.x), std::to_string(c.y), "click", "1"});
    }
    const CommandResult r = RunCommand(argv, WineEnv::Get().XEnvVars(), 120s);
    ASSERT_EQ(r.exitCode, 0);
}

TEST(Hardening, GarbageSettingsLoadSoundlyAndExitWritesSoundText) {
    ResetSettings({{"StayOnTop", "T "},
                   {"SendOnCLick", std::string(5000, 'T')},
                   {"StickToPM", "F"},
                   {"Left", "-2147483649"},
                   {"top", "99999999999"},
                   {"Unrelated", "keep"}});
    RegAddDword(kSettingsKey, "KeepOpen", 1);
    RegAddString("HKCU\\Software\\VB and VBA Program Settings\\FizzmoLite\\Other", "Mine", "x");
    FizzmoApp app;
    const ProbeWindow launcher = app.WaitVisible("");
    EXPECT_EQ(launcher.rect.x, 7); // 100 twips
    EXPECT_EQ(launcher.rect.y, 7);
    EXPECT_FALSE(launcher.topmost);
    app.ChooseMenuItem(FizzmoApp::kExit);
    EXPECT_EQ(app.Process().Wait(15s), 0);
    EXPECT_EQ(Setting("StayOnTop"), "F");
    EXPECT_EQ(Setting("SendOnCLick"), "T");
    EXPECT_EQ(Setting("StickToPM"), "F");
    EXPECT_EQ(Setting("KeepOpen"), "T") << "the number is replaced by text";
    EXPECT_EQ(Setting("Left"), "105"); // 100 twips, as the 7 pixels it showed at
    EXPECT_EQ(Setting("top"), "105");
    EXPECT_EQ(Setting("Unrelated"), "keep");
    EXPECT_EQ(RegQuery("HKCU\\Software\\VB and VBA Program Settings\\FizzmoLite\\Other", "Mine"),
              "x");
}

TEST(Hardening, SavedPlaceOffTheScreenComesBackOntoIt) {
    ResetSettings({{"StickToPM", "F"}, {"Left", "-60000"}, {"top", "-60000"}});
    {
        FizzmoApp app;
        const Rect r = app.WaitVisible("").rect;
        EXPECT_EQ(r.x, 0);
        EXPECT_EQ(r.y, 0);
    }
    ResetSettings({{"StickToPM", "F"}, {"Left", "90000"}, {"top", "3000"}});
    FizzmoApp app;
    const Rect r = app.WaitVisible("").rect;
    EXPECT_EQ(r.x, 1280 - 52);
    EXPECT_EQ(r.y, 200);
}

TEST(Hardening, IMWindowClosingMidCodeLeavesTheProgramTypingIntoTheNext) {
    ResetSettings({{"StickToPM", "F"}, {"Left", "1500"}, {"top", "1500"}});
    StandIn standIn({"400,300,500,400,dieafterchar"});
    FizzmoApp app;
    const std::vector<Rect> pictures = Pictures(OpenPalette(app));
    ClickCentre(pictures[5]); // >:D< : the window dies after the first character
    EXPECT_TRUE(WaitUntil([&] { return standIn.Windows().empty(); }, 5s));
    EXPECT_TRUE(app.Process().Running());

    standIn.Command("open 450,320,500,400");
    ClickCentre(pictures[0]);
    std::vector<std::string> expected = {Expected(">", false, 0).front()};
    Append(expected, Expected(":)", true, 1));
    EXPECT_TRUE(WaitUntil([&] { return standIn.Received().size() >= expected.size(); }, 5s));
    EXPECT_EQ(standIn.Received(), expected);
    EXPECT_TRUE(app.Visible("Smilies"));
}

TEST(Hardening, ThousandClicksArriveCompleteAndInOrderWithoutGrowth) {
    ResetSettings({{"StickToPM", "F"}, {"Left", "1500"}, {"top", "1500"}});
    StandIn standIn({"400,300,500,400"});
    FizzmoApp app;
    std::vector<Rect> pictures = Pictures(OpenPalette(app));
    pictures.resize(16); // two rows: short and long codes, with hover changing every click
    std::vector<std::string> expected;
    auto clickAndWait = [&](int count) {
        for (int i = 0; i < count; ++i) {
            Append(expected, Expected(kSampleCodes[i % 16], true)); // each run starts at the first
        }
        ClickInTurn(pictures, count);
        EXPECT_TRUE(
            WaitUntil([&] { return standIn.Log().size() >= expected.size(); }, 120s, 200ms));
    };
    clickAndWait(200);
    const long warmedUp = ResidentKiB(app.Process().Pid());
    clickAndWait(800);
    const long after = ResidentKiB(app.Process().Pid());
    const std::vector<std::string> received = standIn.Received();
    ASSERT_EQ(received.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(received[i], expected[i]) << "line " << i;
    }
    EXPECT_TRUE(app.Visible("Smilies"));
    ASSERT_GT(warmedUp, 0);
    std::printf("resident memory: %ld KiB after 200 clicks, %ld KiB after 1000\n", warmedUp, after);
    EXPECT_LT(after - warmedUp, 1024)
        << "resident " << warmedUp << " KiB after 200 clicks, " << after << " KiB after 1000";
}

} // namespace
} // namespace e2e
