// The real program: launcher, palette and options menu, driven with real clicks.
#include "fizzmo_app.h"
#include "stand_in.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

TEST(Program, LauncherOpensThePalette) {
    ResetSettings({{"StickToPM", "F"}});
    StandIn standIn({"300,200,500,400"});
    FizzmoApp app;
    const ProbeWindow launcher = app.WaitVisible("");
    Screenshot(TempDir() + "/launcher.png");
    Click(launcher.rect.x + 26, launcher.rect.y + 25);
    const ProbeWindow palette = app.WaitVisible("Smilies");
    Screenshot(TempDir() + "/palette.png");
    EXPECT_EQ(palette.rect.width, 203);
    Key("Escape");
    EXPECT_TRUE(app.WaitHidden("Smilies"));
    app.ChooseMenuItem(FizzmoApp::kExit);
    EXPECT_GE(app.Process().Wait(15s), 0);
}

} // namespace
} // namespace e2e
