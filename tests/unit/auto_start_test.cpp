// "Start With Windows": the launcher's menu item over the user's list of programs started at
// logon.
#include "world.h"

#include <gtest/gtest.h>

namespace {

const std::string kHere = "\"C:\\Program Files\\FizzmoLite\\FizzmoLite.exe\"";

struct StartWithWindows : ::testing::Test, World {
    // The user right-clicks the launcher's picture and picks the item.
    void Choose() {
        toolkit.menuChoice = MainControls::mnuStartWithWindows;
        program.Dispatch(FormId::Main,
                         FormEvent{EventKind::MouseDown, MainControls::Image1, 0, kRightButton});
        toolkit.menuChoice = 0;
    }
    bool Shown() { return toolkit.menuChecked[MainControls::mnuStartWithWindows]; }
};

TEST_F(StartWithWindows, ComesRightAfterTypeIntoAnyWindow) {
    program.Start();
    std::vector<std::string> captions;
    for (const MenuItemDesign& item : toolkit.designs.at(FormId::Main).menuItems) {
        captions.push_back(item.caption);
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"Stay On Top", "SendOnClick", "Stick To PM",
                                                  "Keep Open", "Type Into Any Window",
                                                  "Start With Windows", "-", "About", "Exit"}));
}

TEST_F(StartWithWindows, ChoosingItAddsThenRemovesTheQuotedProgramAndWritesNothingElse) {
    autoStart.entries["Other"] = "other.exe";
    program.Start();
    EXPECT_FALSE(Shown());
    Choose();
    EXPECT_EQ(autoStart.entries.at("FizzmoLite"), kHere);
    EXPECT_TRUE(Shown());
    Choose();
    EXPECT_EQ(autoStart.entries.count("FizzmoLite"), 0u);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(autoStart.entries.at("Other"), "other.exe");
    program.frmMain.mnuExit_Click();
    for (const std::string& write : store.writes) { // the options Exit saves, and no more
        EXPECT_EQ(write.find("Start"), std::string::npos) << write;
    }
}

TEST_F(StartWithWindows, AnEntryForAnotherPlaceIsUncheckedAndChoosingPointsItHere) {
    autoStart.entries["FizzmoLite"] = "\"D:\\Old Folder\\FizzmoLite.exe\"";
    program.Start();
    EXPECT_FALSE(Shown());
    Choose();
    EXPECT_EQ(autoStart.entries.at("FizzmoLite"), kHere);
    EXPECT_TRUE(Shown());
    // Unquoted, it could start C:\Program.exe: not ours either.
    autoStart.entries["FizzmoLite"] = "C:\\Program Files\\FizzmoLite\\FizzmoLite.exe";
    Choose();
    EXPECT_EQ(autoStart.entries.at("FizzmoLite"), kHere);
    EXPECT_TRUE(Shown());
}

TEST_F(StartWithWindows, TheMarkIsReadAgainEachTimeTheMenuOpens) {
    program.Start();
    EXPECT_FALSE(Shown());
    // Set elsewhere meanwhile, with the path's letters in another case.
    autoStart.entries["FizzmoLite"] = "\"c:\\program files\\fizzmolite\\FIZZMOLITE.EXE\"";
    program.Dispatch(FormId::Main,
                     FormEvent{EventKind::MouseDown, MainControls::Image1, 0, kRightButton});
    EXPECT_TRUE(Shown());
    Choose(); // it starts this program: choosing removes it
    EXPECT_EQ(autoStart.entries.count("FizzmoLite"), 0u);
}

TEST_F(StartWithWindows, ARefusedChangeBeepsAndTheMarkTellsTheTruth) {
    program.Start();
    autoStart.refuse = true;
    toolkit.calls.clear();
    Choose();
    EXPECT_EQ(autoStart.changes, 1);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(toolkit.Count(ToolkitCall::Op::Beep), 1);
}

TEST_F(StartWithWindows, WithoutItsOwnPathTheProgramWritesNoEntry) {
    autoStart.programPath.clear();
    program.Start();
    Choose();
    EXPECT_EQ(autoStart.changes, 0);
    EXPECT_FALSE(Shown());
}

} // namespace
