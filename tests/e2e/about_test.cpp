// The About box, shown modal from the launcher's menu and closed by its one button (or by Enter
// or Escape).
#include "fizzmo_app.h"
#include "stand_in.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace e2e {
namespace {

constexpr const char* kAbout = "About FizzmoLIte";
constexpr int kClientWidth = 258, kClientHeight = 101; // 3870 x 1515 twips

struct DesignedChild {
    const char* cls;
    Rect rect; // relative to the client area
    const char* text;
};

// The design, twips / 15; the contact line is checked by its start only.
const DesignedChild kChaos{"Button", {185, 10, 61, 21}, "Chaos"};
const DesignedChild kDesign[] = {
    kChaos,
    {"FizzmoLabel", {15, 10, 87, 18}, "FizzmoLite"},
    {"FizzmoLabel", {15, 50, 128, 16}, "Developed By Oskvel"},
    {"FizzmoLabel", {15, 30, 232, 16}, "Yahoo Messenger Emoticon Support."},
    {"Edit", {15, 70, 226, 21}, "E-Mail > "},
};

std::optional<ProbeChild> ChildWithText(const ProbeWindow& w, const std::string& cls,
                                        const std::string& textStart) {
    for (const ProbeChild& c : w.children) {
        if (c.cls == cls && c.text.rfind(textStart, 0) == 0) {
            return c;
        }
    }
    return std::nullopt;
}

std::string Describe(const Rect& r) {
    return std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.width) + "x" +
           std::to_string(r.height);
}

// Every designed control is there with its text, at its place in the client area, and the
// client area has the designed size inside an even frame under a title bar.
void ExpectDesignedLayout(const ProbeWindow& about) {
    EXPECT_EQ(about.title, kAbout);
    const std::optional<ProbeChild> chaos = ChildWithText(about, kChaos.cls, kChaos.text);
    ASSERT_TRUE(chaos) << "no \"Chaos\" button";
    // The client area's origin on the screen, taken from the button's designed place.
    const int originX = chaos->rect.x - kChaos.rect.x;
    const int originY = chaos->rect.y - kChaos.rect.y;
    for (const DesignedChild& d : kDesign) {
        const std::optional<ProbeChild> c = ChildWithText(about, d.cls, d.text);
        ASSERT_TRUE(c) << "no " << d.cls << " reading \"" << d.text << "\"";
        EXPECT_TRUE(c->visible) << d.text;
        Rect at{c->rect.x - originX, c->rect.y - originY, c->rect.width, c->rect.height};
        if (std::string(d.cls) == "FizzmoLabel") {
            // A one-line label grows to the right when its font draws the text wider.
            EXPECT_GE(at.width, d.rect.width) << d.text;
            EXPECT_LE(at.width, d.rect.width + 8) << d.text;
            at.width = d.rect.width;
        }
        EXPECT_EQ(Describe(at), Describe(d.rect)) << d.text;
    }
    const int left = originX - about.rect.x;
    const int right = about.rect.x + about.rect.width - (originX + kClientWidth);
    const int bottom = about.rect.y + about.rect.height - (originY + kClientHeight);
    const int top = originY - about.rect.y;
    EXPECT_EQ(right, left) << "outer " << Describe(about.rect);
    EXPECT_EQ(bottom, left) << "outer " << Describe(about.rect);
    EXPECT_GE(left, 0);
    EXPECT_LE(left, 4);
    EXPECT_GT(top, bottom + 10) << "a title bar above the client area";
    EXPECT_EQ(about.children.size(), std::size(kDesign)) << "nothing beyond the designed controls";
}

// The box's centre is the launcher's, give or take the odd pixel.
void ExpectCentredOver(const ProbeWindow& about, const Rect& launcher) {
    const int dx = (about.rect.x * 2 + about.rect.width) - (launcher.x * 2 + launcher.width);
    const int dy = (about.rect.y * 2 + about.rect.height) - (launcher.y * 2 + launcher.height);
    EXPECT_LE(std::abs(dx), 2) << "about " << Describe(about.rect) << ", launcher "
                               << Describe(launcher);
    EXPECT_LE(std::abs(dy), 2) << "about " << Describe(about.rect) << ", launcher "
                               << Describe(launcher);
}

bool LauncherTopmost(const FizzmoApp& app) {
    const std::optional<ProbeWindow> launcher = app.Launcher();
    return launcher && launcher->topmost;
}

void ExitThroughTheMenu(FizzmoApp& app) {
    app.ChooseMenuItem(FizzmoApp::kExit);
    EXPECT_EQ(app.Process().Wait(15s), 0) << "the program did not end";
}

class About : public WineTest {
  protected:
    void SetUp() override {
        WineTest::SetUp();
        // Stay On Top on, launcher in the open so the box centred over it fits the screen.
        ResetSettings({{"StickToPM", "F"}, {"StayOnTop", "T"}, {"Left", "6000"}, {"top", "6000"}});
    }
};

TEST_F(About, ShowsTheDesignedBoxAndChaosClosesIt) {
    FizzmoApp app;
    const ProbeWindow launcher = app.WaitVisible("");
    // Wine shows the window a moment before it joins the topmost band: the probe may see both.
    EXPECT_TRUE(WaitUntil([&] { return LauncherTopmost(app); }, 5s, 100ms));
    app.ChooseMenuItem(FizzmoApp::kAbout);
    const ProbeWindow about = app.WaitVisible(kAbout);
    Screenshot(TempDir() + "/about.png");
    ExpectDesignedLayout(about);
    ExpectCentredOver(about, launcher.rect);
    EXPECT_FALSE(LauncherTopmost(app)) << "out of the topmost band while the box is open";

    const std::optional<ProbeChild> chaos = ChildWithText(about, "Button", "Chaos");
    ASSERT_TRUE(chaos);
    const Rect press = Centre(chaos->rect);
    Click(press.x, press.y);
    EXPECT_TRUE(app.WaitHidden(kAbout));
    EXPECT_TRUE(WaitUntil([&] { return LauncherTopmost(app); }, 5s, 100ms))
        << "topmost again once the box is closed";
    ExitThroughTheMenu(app);
}

TEST_F(About, EnterAndEscapeCloseItAndItOpensAlikeEachTime) {
    FizzmoApp app;
    app.WaitVisible("");
    app.ChooseMenuItem(FizzmoApp::kAbout);
    const ProbeWindow first = app.WaitVisible(kAbout);
    Key("Return");
    EXPECT_TRUE(app.WaitHidden(kAbout)) << "Enter did not close the box";

    app.ChooseMenuItem(FizzmoApp::kAbout);
    const ProbeWindow second = app.WaitVisible(kAbout);
    EXPECT_EQ(Describe(second.rect), Describe(first.rect));
    ExpectDesignedLayout(second);
    const std::optional<ProbeChild> contact = ChildWithText(first, "Edit", "E-Mail > ");
    const std::optional<ProbeChild> contactAgain = ChildWithText(second, "Edit", "E-Mail > ");
    ASSERT_TRUE(contact && contactAgain);
    EXPECT_EQ(contactAgain->text, contact->text);
    EXPECT_GT(contact->text.size(), std::string("E-Mail > ").size()) << "an address follows";
    Key("Escape");
    EXPECT_TRUE(app.WaitHidden(kAbout)) << "Escape did not close the box";
    ExitThroughTheMenu(app);
}

// The box sits over the launcher; the docking moves the launcher out from under it, as the
// launcher's timer keeps running while the box is open.
TEST_F(About, LauncherTakesNoClicksWhileTheBoxIsOpen) {
    ResetSettings({{"StickToPM", "T"}, {"StayOnTop", "T"}});
    StandIn standIn({"200,150,500,400"});
    FizzmoApp app;
    const auto docked = [&](const Rect& input) {
        return [&app, input] {
            const std::optional<ProbeWindow> l = app.Launcher();
            return l && l->rect.x == input.x + input.width &&
                   l->rect.y == input.y + input.height - l->rect.height;
        };
    };
    ASSERT_TRUE(WaitUntil(docked(standIn.Windows().at(0).input), 15s, 100ms));
    app.ChooseMenuItem(FizzmoApp::kAbout);
    const ProbeWindow about = app.WaitVisible(kAbout);

    standIn.Command("move 0 650 450 500 400");
    ASSERT_TRUE(WaitUntil(docked(standIn.Windows().at(0).input), 5s, 100ms))
        << "the launcher did not follow the IM window while the box was open";
    const Rect launcher = app.Launcher().value().rect;
    Screenshot(TempDir() + "/about_and_moved_launcher.png");
    Click(launcher.x + 26, launcher.y + 25);
    EXPECT_FALSE(WaitUntil([&] { return app.Visible("Smilies").has_value(); }, 2s, 200ms))
        << "the palette opened behind the modal box";
    EXPECT_TRUE(app.Visible(kAbout).has_value());

    const std::optional<ProbeChild> chaos = ChildWithText(about, "Button", "Chaos");
    ASSERT_TRUE(chaos);
    const Rect press = Centre(chaos->rect);
    Click(press.x, press.y);
    EXPECT_TRUE(app.WaitHidden(kAbout));
    // The same click now opens the palette: it was the box that held it back.
    Click(launcher.x + 26, launcher.y + 25);
    app.WaitVisible("Smilies");
    Key("Escape");
    EXPECT_TRUE(app.WaitHidden("Smilies"));
    ExitThroughTheMenu(app);
}

} // namespace
} // namespace e2e
