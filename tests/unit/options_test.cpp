#include "fake_settings_store.h"
#include "shared/options.h"

#include <gtest/gtest.h>

namespace {

const std::string kApp = "FizzmoLite";
const std::string kSection = "Settings";

void Store(FakeSettingsStore& store, const std::string& key, const std::string& value) {
    store.values[{kApp, kSection, key}] = value;
}

std::string Stored(FakeSettingsStore& store, const std::string& key) {
    return store.values.at({kApp, kSection, key});
}

TEST(Options, EveryFieldIsZeroBeforeLoading) {
    const OptionsRecord options;
    EXPECT_EQ(options.SendOnClick, 0);
    EXPECT_EQ(options.StayOnTop, 0);
    EXPECT_EQ(options.StickToPM, 0);
    EXPECT_EQ(options.KeepOpen, 0);
    EXPECT_EQ(options.SavedLeft, 0);
    EXPECT_EQ(options.SavedTop, 0);
}

TEST(Options, EmptyStoreLoadsAllOnAndPosition100) {
    FakeSettingsStore store;
    OptionsRecord options;
    LoadOptions(options, store);
    EXPECT_EQ(options.StayOnTop, VbTrue);
    EXPECT_EQ(options.SendOnClick, VbTrue);
    EXPECT_EQ(options.StickToPM, VbTrue);
    EXPECT_EQ(options.KeepOpen, VbTrue);
    EXPECT_EQ(options.SavedLeft, 100);
    EXPECT_EQ(options.SavedTop, 100);
    EXPECT_EQ(store.reads, (std::vector<std::string>{"StayOnTop", "SendOnCLick", "StickToPM",
                                                     "KeepOpen", "Left", "top"}));
    EXPECT_TRUE(store.writes.empty());
}

TEST(Options, OnlyACapitalTSwitchesOn) {
    for (const std::string text : {"t", "True", "T ", " T", "", "F", "TT", "-1"}) {
        FakeSettingsStore store;
        Store(store, "KeepOpen", text);
        OptionsRecord options;
        LoadOptions(options, store);
        EXPECT_EQ(options.KeepOpen, VbFalse) << "'" << text << "'";
        EXPECT_EQ(options.StayOnTop, VbTrue);
    }
}

TEST(Options, LowerCaseTReadsOffAndIsSavedAsF) {
    FakeSettingsStore store;
    Store(store, "StayOnTop", "t");
    OptionsRecord options;
    LoadOptions(options, store);
    SaveOptions(options, store, Twips(0), Twips(0));
    EXPECT_EQ(Stored(store, "StayOnTop"), "F");
}

TEST(Options, SaveWritesSwitchesThenPositionInOrder) {
    FakeSettingsStore store;
    OptionsRecord options;
    options.StayOnTop = VbFalse;
    options.SendOnClick = VbTrue;
    options.StickToPM = VbTrue;
    options.KeepOpen = VbTrue;
    SaveOptions(options, store, Twips(1500.0f), Twips(-30.0f));
    EXPECT_EQ(store.writes, (std::vector<std::string>{"StayOnTop=F", "SendOnCLick=T", "StickToPM=T",
                                                      "KeepOpen=T", "Left=1500", "top=-30"}));
    EXPECT_EQ(options.SavedLeft, 1500);
    EXPECT_EQ(options.SavedTop, -30);
}

TEST(Options, SavedPositionRoundsHalvesToEven) {
    FakeSettingsStore store;
    OptionsRecord options;
    SaveOptions(options, store, Twips(1502.5f), Twips(1503.5f));
    EXPECT_EQ(Stored(store, "Left"), "1502");
    EXPECT_EQ(Stored(store, "top"), "1504");
    SaveOptions(options, store, Twips(-2.5f), Twips(7.4999f));
    EXPECT_EQ(Stored(store, "Left"), "-2");
    EXPECT_EQ(Stored(store, "top"), "7");
}

TEST(Options, PositionKeysAreCaseExact) {
    FakeSettingsStore store;
    Store(store, "Top", "555");
    Store(store, "left", "666");
    Store(store, "top", "-40");
    OptionsRecord options;
    LoadOptions(options, store);
    EXPECT_EQ(options.SavedTop, -40);
    EXPECT_EQ(options.SavedLeft, 100);
}

struct PositionCase {
    const char* text;
    std::int32_t expected;
};

TEST(Options, StoredPositionsThatAreNotA32BitIntegerRead100) {
    const PositionCase cases[] = {
        {"3000", 3000},
        {"-30", -30},
        {"0", 0},
        {"+250", 250},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483648", 100},
        {"-2147483649", 100},
        {"99999999999", 100},
        {"", 100},
        {"abc", 100},
        {"12abc", 100},
        {"1.5", 100},
        {" 12", 100},
        {"12 ", 100},
        {"-", 100},
        {"+-5", 100},
        {"0x10", 100},
    };
    for (const PositionCase& c : cases) {
        EXPECT_EQ(ParseSavedPosition(c.text), c.expected) << "'" << c.text << "'";
    }
}

TEST(Options, GarbagePositionIsReplacedBySoundTextAtNextSave) {
    FakeSettingsStore store;
    Store(store, "Left", "junk");
    Store(store, "unrelated", "keep me");
    OptionsRecord options;
    LoadOptions(options, store);
    SaveOptions(options, store, Twips(static_cast<float>(options.SavedLeft)), Twips(20.0f));
    EXPECT_EQ(Stored(store, "Left"), "100");
    EXPECT_EQ(Stored(store, "unrelated"), "keep me");
}

} // namespace
