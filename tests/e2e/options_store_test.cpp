// The options in the real registry under Wine.
#include "stand_in.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

const std::string kKey = "HKCU\\Software\\VB and VBA Program Settings\\FizzmoLite\\Settings";

std::string Load() {
    const WineResult r = RunWineCaptured(WindowsProgram("options_probe"), {"load"}, 30s);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    std::string out = r.out;
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) {
        out.pop_back();
    }
    return out;
}

TEST(OptionsStore, FirstLoadOnAnEmptyStoreGivesDefaultsAndWritesNothing) {
    RegDeleteKey("HKCU\\Software\\VB and VBA Program Settings\\FizzmoLite");
    EXPECT_EQ(Load(), "StayOnTop=-1 SendOnClick=-1 StickToPM=-1 KeepOpen=-1 Left=100 top=100");
    EXPECT_FALSE(RegQuery(kKey, "StayOnTop"));
}

TEST(OptionsStore, SaveWritesTextValuesUnderTheClassicKey) {
    RegDeleteKey("HKCU\\Software\\VB and VBA Program Settings\\FizzmoLite");
    RegAddString(kKey, "Unrelated", "keep");
    ASSERT_EQ(RunWine(WindowsProgram("options_probe"),
                      {"save", "F", "T", "T", "F", "1502.5", "-30"}, 30s),
              0);
    EXPECT_EQ(RegQuery(kKey, "StayOnTop"), "F");
    EXPECT_EQ(RegQuery(kKey, "SendOnCLick"), "T");
    EXPECT_EQ(RegQuery(kKey, "StickToPM"), "T");
    EXPECT_EQ(RegQuery(kKey, "KeepOpen"), "F");
    EXPECT_EQ(RegQuery(kKey, "Left"), "1502");
    EXPECT_EQ(RegQuery(kKey, "top"), "-30");
    EXPECT_EQ(RegQuery(kKey, "Unrelated"), "keep");
    EXPECT_EQ(Load(), "StayOnTop=0 SendOnClick=-1 StickToPM=-1 KeepOpen=0 Left=1502 top=-30");
}

TEST(OptionsStore, GarbageValuesLoadSoundly) {
    RegDeleteKey("HKCU\\Software\\VB and VBA Program Settings\\FizzmoLite");
    RegAddString(kKey, "StayOnTop", "t");
    RegAddDword(kKey, "KeepOpen", 1); // not text: read as if absent
    RegAddString(kKey, "Left", "99999999999");
    RegAddString(kKey, "top", "abc");
    EXPECT_EQ(Load(), "StayOnTop=0 SendOnClick=-1 StickToPM=-1 KeepOpen=-1 Left=100 top=100");
}

} // namespace
} // namespace e2e
