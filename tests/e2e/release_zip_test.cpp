// The release zip as a Windows user gets it: unzipped into a folder of its own, in a Wine prefix
// made for this test alone, the checker and the program run from there.
#include "fizzmo_app.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace e2e {
namespace {

namespace fs = std::filesystem;

// The zip's one folder, unzipped.
std::string Unzipped() {
    const std::string into = TempDir() + "/unzipped";
    fs::create_directories(into);
    const CommandResult r =
        RunCommand({"unzip", "-q", "-o", std::getenv("FIZZMO_RELEASE_ZIP"), "-d", into}, {}, 60s);
    EXPECT_EQ(r.exitCode, 0);
    const std::vector<fs::path> folders{fs::directory_iterator(into), fs::directory_iterator()};
    EXPECT_EQ(folders.size(), 1u);
    return folders.at(0).string();
}

TEST(ReleaseZip, UnzippedItChecksCodesAndTypesAnEmoticon) {
    const std::string folder = Unzipped();
    for (const char* name : {"FizzmoLite.exe", "fizzmo-codes.exe", "codes.dll", "README.txt"}) {
        EXPECT_TRUE(FileExists(folder + "/" + name)) << name;
    }
    const WineResult version = RunWineCaptured(folder + "/fizzmo-codes.exe", {"--version"}, 30s);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "fizzmo-codes " FIZZMO_VERSION "\r\n");
    const WineResult check = RunWineCaptured(folder + "/fizzmo-codes.exe",
                                             {"check", ToWinePath(folder + "/codes.dll")}, 30s);
    EXPECT_EQ(check.exitCode, 0) << check.out << check.err;

    ResetSettings({{"StickToPM", "F"}, {"KeepOpen", "F"}, {"Left", "1500"}, {"top", "1500"}});
    StandIn standIn({"400,300,500,400"});
    WineProcess app = WineProcess::Start(folder + "/FizzmoLite.exe", {}, folder);
    ClickCentre(WaitVisibleWindow(kLauncher).rect);
    ClickCentre(Pictures(WaitVisibleWindow("Smilies"))[3]);
    EXPECT_TRUE(WaitUntil([&] { return standIn.Received().size() >= 3; }, 5s));
    EXPECT_EQ(standIn.Received(), Expected(":D", true));
    ChooseLauncherMenuItem(WaitVisibleWindow(kLauncher).rect, FizzmoApp::kExit);
    EXPECT_EQ(app.Wait(15s), 0);
    EXPECT_EQ(Setting("Left"), "1500");
}

} // namespace
} // namespace e2e
