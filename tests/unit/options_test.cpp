#include "fake_settings_store.h"
#include "shared/options.h"
#include "world.h"

#include <gtest/gtest.h>

namespace {

struct Store {
    FakeSettingsStore fake;
    std::vector<std::string>& reads = fake.reads;
    std::vector<std::string>& writes = fake.writes;

    void Put(const std::string& key, const std::string& value) {
        fake.values[{"FizzmoLite", "Settings", key}] = value;
    }
    std::string Get(const std::string& key) {
        return fake.values.at({"FizzmoLite", "Settings", key});
    }
    OptionsRecord Load() {
        OptionsRecord options;
        LoadOptions(options, fake);
        return options;
    }
};

TEST(Options, EmptyStoreLoadsAllOnAndPosition100WritingNothing) {
    Store store;
    const OptionsRecord options = store.Load();
    EXPECT_EQ(options.StayOnTop, VbTrue);
    EXPECT_EQ(options.SendOnClick, VbTrue);
    EXPECT_EQ(options.StickToPM, VbTrue);
    EXPECT_EQ(options.KeepOpen, VbTrue);
    EXPECT_EQ(options.AnyWindow, VbFalse) << "a store from before it: off";
    EXPECT_EQ(options.SavedLeft, 100);
    EXPECT_EQ(options.SavedTop, 100);
    EXPECT_EQ(store.reads, (std::vector<std::string>{"StayOnTop", "SendOnCLick", "StickToPM",
                                                     "KeepOpen", "AnyWindow", "Left", "top"}));
    EXPECT_TRUE(store.writes.empty());
}

TEST(Options, OnlyACapitalTSwitchesOnAndAnythingElseIsSavedAsF) {
    for (const std::string text : {"t", "True", "T ", " T", "", "F", "TT", "-1"}) {
        Store store;
        store.Put("KeepOpen", text);
        OptionsRecord options = store.Load();
        EXPECT_EQ(options.KeepOpen, VbFalse) << "'" << text << "'";
        EXPECT_EQ(options.StayOnTop, VbTrue);
        SaveOptions(options, store.fake, Twips(0), Twips(0));
        EXPECT_EQ(store.Get("KeepOpen"), "F");
    }
}

TEST(Options, SaveWritesSwitchesThenPositionInOrder) {
    Store store;
    OptionsRecord options;
    options.StayOnTop = VbFalse;
    options.SendOnClick = VbTrue;
    options.StickToPM = VbTrue;
    options.KeepOpen = VbTrue;
    options.AnyWindow = VbTrue;
    SaveOptions(options, store.fake, Twips(1500.0f), Twips(-30.0f));
    EXPECT_EQ(store.writes,
              (std::vector<std::string>{"StayOnTop=F", "SendOnCLick=T", "StickToPM=T", "KeepOpen=T",
                                        "AnyWindow=T", "Left=1500", "top=-30"}));
    EXPECT_EQ(store.Load().AnyWindow, VbTrue);
    EXPECT_EQ(options.SavedLeft, 1500);
    EXPECT_EQ(options.SavedTop, -30);
}

TEST(Options, SavedPositionRoundsHalvesToEven) {
    Store store;
    OptionsRecord options;
    SaveOptions(options, store.fake, Twips(1502.5f), Twips(1503.5f));
    EXPECT_EQ(store.Get("Left") + " " + store.Get("top"), "1502 1504");
    SaveOptions(options, store.fake, Twips(-2.5f), Twips(7.4999f));
    EXPECT_EQ(store.Get("Left") + " " + store.Get("top"), "-2 7");
}

TEST(Options, PositionKeysAreCaseExact) {
    Store store;
    store.Put("Top", "555");
    store.Put("left", "666");
    store.Put("top", "-40");
    const OptionsRecord options = store.Load();
    EXPECT_EQ(options.SavedTop, -40);
    EXPECT_EQ(options.SavedLeft, 100);
}

TEST(Options, StoredPositionsThatAreNotA32BitIntegerRead100) {
    const std::pair<const char*, std::int32_t> cases[] = {
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
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ParseSavedPosition(text), expected) << "'" << text << "'";
    }
}

// Only plain text is read: a value of another kind reads as a missing one.
TEST(Options, ValuesThatAreNoPlainTextReadAsMissing) {
    for (const StoredSetting::Kind kind :
         {StoredSetting::Kind::ExpandableText, StoredSetting::Kind::Unreadable}) {
        Store store;
        for (const char* key : {"StayOnTop", "SendOnCLick", "StickToPM", "KeepOpen"}) {
            store.fake.otherValues[{"FizzmoLite", "Settings", key}] = {kind, "F"};
        }
        for (const char* key : {"Left", "top"}) {
            store.fake.otherValues[{"FizzmoLite", "Settings", key}] = {kind, "3000"};
        }
        store.fake.otherValues[{"FizzmoLite", "Settings", "Dpi"}] = {kind, "144"};
        const OptionsRecord options = store.Load();
        EXPECT_EQ(options.StayOnTop, VbTrue);
        EXPECT_EQ(options.SendOnClick, VbTrue);
        EXPECT_EQ(options.StickToPM, VbTrue);
        EXPECT_EQ(options.KeepOpen, VbTrue);
        EXPECT_EQ(options.SavedLeft, 100);
        EXPECT_EQ(options.SavedTop, 100);
        EXPECT_EQ(LoadPositionDpi(store.fake), 0);
    }
}

TEST(Options, GarbagePositionIsReplacedBySoundTextAtNextSave) {
    Store store;
    store.Put("Left", "junk");
    store.Put("unrelated", "keep me");
    OptionsRecord options = store.Load();
    SaveOptions(options, store.fake, Twips(static_cast<float>(options.SavedLeft)), Twips(20.0f));
    EXPECT_EQ(store.Get("Left"), "100");
    EXPECT_EQ(store.Get("unrelated"), "keep me");
}

} // namespace

namespace {

// The launcher left at pixel 300, 200 at 144 dpi comes back there at 96 dpi, and a store from
// before the dpi was kept reads as it always did.
TEST(PositionDpi, TheSamePixelsAfterTheScaleChanged) {
    World w;
    w.Store("StickToPM", "F");
    w.Store("Left", "3000"); // 300 pixels at 10 twips a pixel
    w.Store("top", "2000");
    w.Store("Dpi", "144");
    w.program.Start();
    EXPECT_EQ(w.toolkit.rects[FormId::Main].Left, 300);
    EXPECT_EQ(w.toolkit.rects[FormId::Main].Top, 200);
    w.program.frmMain.mnuExit_Click();
    EXPECT_EQ(w.Stored("Left"), "4500");
    EXPECT_EQ(w.Stored("Dpi"), "96");

    for (const char* unreadable : {"", "abc", "0", "-96", "96.5", "100000"}) {
        World old;
        old.Store("StickToPM", "F");
        old.Store("Left", "3000");
        old.Store("top", "2000");
        old.Store("Dpi", unreadable);
        old.program.Start();
        EXPECT_EQ(old.toolkit.rects[FormId::Main].Left, 200) << unreadable;
    }
    EXPECT_EQ(AtThisDpi(3000, 0, 96), Twips(3000));
    EXPECT_EQ(AtThisDpi(3000, 120, 120), Twips(3000));
    EXPECT_EQ(AtThisDpi(2400, 96, 120), Twips(1920));
    EXPECT_EQ(DotsPerInch(ScreenMetrics{1, 1, 12, 12}), 120);
    EXPECT_EQ(DotsPerInch(ScreenMetrics{1, 1, 7.5f, 7.5f}), 192);
}

} // namespace
