// The real program under bad settings, a vanishing IM window, a lost screen and a long run.
#include "fizzmo_app.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace e2e {
namespace {

void Append(std::vector<std::string>& to, const std::vector<std::string>& lines) {
    to.insert(to.end(), lines.begin(), lines.end());
}

// Resident memory of the program's process in the group, in KiB. The process is the one wine64
// started for a 64-bit program, a child of it for a 32-bit one.
long ResidentKiB(pid_t group) {
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string pid, comm, state;
        long pgrp = 0;
        if (!(stat >> pid >> comm >> state >> pgrp >> pgrp) || pgrp != group ||
            comm != "(FizzmoLite.exe)") {
            continue;
        }
        std::ifstream status(entry.path() / "status");
        for (std::string line; std::getline(status, line);) {
            if (line.rfind("VmRSS:", 0) == 0) {
                return std::stol(line.substr(6));
            }
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
    const ProbeWindow launcher = WaitVisibleWindow(kLauncher);
    EXPECT_EQ(launcher.rect.x, 7); // 100 twips
    EXPECT_EQ(launcher.rect.y, 7);
    EXPECT_FALSE(launcher.topmost);
    app.ChooseMenuItem(FizzmoApp::kExit);
    EXPECT_EQ(app.Process().Wait(15s), 0);
    // KeepOpen's number is replaced by text; 105 twips are the 7 pixels it showed at.
    const std::map<std::string, std::string> saved = {
        {"StayOnTop", "F"}, {"SendOnCLick", "T"}, {"StickToPM", "F"},   {"KeepOpen", "T"},
        {"Left", "105"},    {"top", "105"},       {"Unrelated", "keep"}};
    for (const auto& [name, text] : saved) {
        EXPECT_EQ(Setting(name), text) << name;
    }
    EXPECT_EQ(RegQuery("HKCU\\Software\\VB and VBA Program Settings\\FizzmoLite\\Other", "Mine"),
              "x");
}

TEST(Hardening, IMWindowClosingMidCodeLeavesTheProgramTypingIntoTheNext) {
    ResetSettings({{"StickToPM", "F"}, {"Left", "1500"}, {"top", "1500"}});
    StandIn standIn({"400,300,500,400,dieafterchar"});
    FizzmoApp app;
    const std::vector<Rect> pictures = Pictures(app.OpenPalette());
    ClickCentre(pictures[5]); // >:D< : the window dies after the first character
    EXPECT_TRUE(WaitUntil([&] { return standIn.Windows().empty(); }, 5s));
    EXPECT_TRUE(app.Process().Running());

    standIn.Command("open 450,320,500,400");
    ClickCentre(pictures[0]);
    std::vector<std::string> expected = {Expected(">", false, 0).front()};
    Append(expected, Expected(":)", true, 1));
    EXPECT_TRUE(WaitUntil([&] { return standIn.Received().size() >= expected.size(); }, 5s));
    EXPECT_EQ(standIn.Received(), expected);
    EXPECT_TRUE(VisibleWindow("Smilies"));
}

TEST(Hardening, FiveHundredClicksArriveCompleteAndInOrderWithoutGrowth) {
    ResetSettings({{"StickToPM", "F"}, {"Left", "1500"}, {"top", "1500"}});
    StandIn standIn({"400,300,500,400"});
    FizzmoApp app;
    std::vector<Rect> pictures = Pictures(app.OpenPalette());
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
    clickAndWait(100);
    const long warmedUp = ResidentKiB(app.Process().Pid());
    clickAndWait(400);
    const long after = ResidentKiB(app.Process().Pid());
    const std::vector<std::string> received = standIn.Received();
    ASSERT_EQ(received.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(received[i], expected[i]) << "line " << i;
    }
    EXPECT_TRUE(VisibleWindow("Smilies"));
    ASSERT_GT(warmedUp, 0);
    std::printf("resident memory: %ld KiB after 100 clicks, %ld KiB after 500\n", warmedUp, after);
    EXPECT_LT(after - warmedUp, 1024);
}

} // namespace
} // namespace e2e
