// The About box, shown modal from the launcher's menu and closed by its one button (or by Enter
// or Escape).
#include "fizzmo_app.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace e2e {
namespace {

constexpr const char* kAbout = "About FizzmoLIte";

// Every designed control at its place (twips / 15) in the 258 x 101 client area, inside an even
// frame under a title bar: the button and the text box as windows, the labels as their text's
// colour on the screen.
void ExpectDesignedLayout(const ProbeWindow& about, const std::string& shot) {
    struct Designed {
        const char* cls;
        Rect rect;
        const char* text; // the contact line by its start only
    };
    const Designed windows[] = {
        {"Button", {185, 10, 61, 21}, "Chaos"},
        {"Edit", {15, 70, 226, 21}, "E-Mail > "},
    };
    for (const Designed& d : windows) {
        const std::optional<ProbeChild> c = about.Child(d.cls, d.text);
        ASSERT_TRUE(c) << "no " << d.cls << " reading \"" << d.text << "\"";
        EXPECT_TRUE(c->visible) << d.text;
        EXPECT_EQ(Text(c->rect),
                  Text(about.InClient(d.rect.x, d.rect.y, d.rect.width, d.rect.height)))
            << d.text;
    }
    EXPECT_EQ(about.children.size(), std::size(windows)) << "the labels are no windows";
    EXPECT_GT(about.Child("Edit")->text.size(), std::string("E-Mail > ").size());
    struct Label {
        Rect rect;
        const char* colour;
        const char* text;
    };
    const Label labels[] = {
        {{15, 10, 87, 18}, "rgb(0,0,128)", "FizzmoLite"},
        {{15, 30, 232, 16}, "rgb(128,0,128)", "Yahoo Messenger Emoticon Support."},
        {{15, 50, 128, 16}, "rgb(128,0,128)", "Developed By Oskvel"},
    };
    for (const Label& l : labels) {
        const Rect r = about.InClient(l.rect.x, l.rect.y, l.rect.width, l.rect.height);
        // Bold italic strokes cover a good part of a line of text.
        EXPECT_GT(PixelsOfColour(shot, r, l.colour), l.rect.width) << l.text << " in " << shot;
    }
    const Rect blank = about.InClient(110, 10, 60, 16); // right of the name, left of the button
    EXPECT_EQ(PixelsOfColour(shot, blank, "rgb(0,0,128)"), 0) << shot;
    const int left = about.client.x - about.rect.x;
    EXPECT_EQ(about.client.width, 258);
    EXPECT_EQ(about.client.height, 101);
    EXPECT_EQ(about.rect.x + about.rect.width - (about.client.x + 258), left) << Text(about.rect);
    EXPECT_EQ(about.rect.y + about.rect.height - (about.client.y + 101), left) << Text(about.rect);
    EXPECT_LE(left, 4);
    EXPECT_GT(about.client.y - about.rect.y, left + 10) << "a title bar above the client area";
}

bool LauncherTopmost() {
    const std::optional<ProbeWindow> launcher = VisibleWindow(kLauncher);
    return launcher && launcher->topmost;
}

TEST(About, ShowsTheDesignedBoxCentredAndClosesByEnterEscapeAndChaos) {
    // Launcher in the open, so the box centred over it fits the screen.
    ResetSettings({{"StickToPM", "F"}, {"StayOnTop", "T"}, {"Left", "6000"}, {"top", "6000"}});
    FizzmoApp app;
    const Rect launcher = WaitVisibleWindow(kLauncher).rect;
    app.ChooseMenuItem(FizzmoApp::kAbout);
    const ProbeWindow about = WaitVisibleWindow(kAbout);
    const std::string shot = TempDir() + "/about.png";
    ASSERT_TRUE(Screenshot(shot));
    ExpectDesignedLayout(about, shot);
    EXPECT_LE(std::abs(Centre(about.rect).x - Centre(launcher).x), 1) << Text(about.rect);
    EXPECT_LE(std::abs(Centre(about.rect).y - Centre(launcher).y), 1) << Text(about.rect);
    EXPECT_FALSE(LauncherTopmost()) << "out of the topmost band while the box is open";
    Key("Return");
    EXPECT_TRUE(WaitWindowHidden(kAbout)) << "Enter did not close the box";

    app.ChooseMenuItem(FizzmoApp::kAbout);
    EXPECT_EQ(Text(WaitVisibleWindow(kAbout).rect), Text(about.rect)) << "opens alike each time";
    Key("Escape");
    EXPECT_TRUE(WaitWindowHidden(kAbout)) << "Escape did not close the box";

    app.ChooseMenuItem(FizzmoApp::kAbout);
    ClickCentre(WaitVisibleWindow(kAbout).Child("Button", "Chaos")->rect);
    EXPECT_TRUE(WaitWindowHidden(kAbout)) << "Chaos did not close the box";
    EXPECT_TRUE(WaitUntil(LauncherTopmost, 5s, 100ms)) << "topmost again once the box is closed";
    app.ChooseMenuItem(FizzmoApp::kExit);
    EXPECT_EQ(app.Process().Wait(15s), 0);
}

// The box sits over the launcher; the docking moves the launcher out from under it, as the
// launcher's timer keeps running while the box is open.
// The class of the box's control that has the keyboard's focus, once it is `wanted`; what it was
// last otherwise.
std::string WaitFocusOn(const std::string& wanted) {
    std::string focused;
    WaitUntil(
        [&] {
            focused.clear();
            if (const auto about = VisibleWindow(kAbout)) {
                for (const ProbeChild& c : about->children) {
                    focused = c.focused ? c.cls : focused;
                }
            }
            return focused == wanted;
        },
        5s, 100ms);
    return focused;
}

// Tab and Shift+Tab take the focus from the button to the e-mail box and back, round and round;
// Enter presses the button wherever the focus is.
TEST(About, TabAndShiftTabMoveTheFocusBetweenTheButtonAndTheEmailBox) {
    ResetSettings({{"StickToPM", "F"}, {"Left", "6000"}, {"top", "6000"}});
    FizzmoApp app;
    WaitVisibleWindow(kLauncher);
    app.ChooseMenuItem(FizzmoApp::kAbout);
    WaitVisibleWindow(kAbout);
    EXPECT_EQ(WaitFocusOn("Button"), "Button") << "the button first";
    Key("Tab");
    EXPECT_EQ(WaitFocusOn("Edit"), "Edit");
    Key("Tab");
    EXPECT_EQ(WaitFocusOn("Button"), "Button") << "Tab comes round again";
    Key("shift+Tab");
    EXPECT_EQ(WaitFocusOn("Edit"), "Edit") << "Shift+Tab goes round backwards";
    Key("shift+Tab");
    EXPECT_EQ(WaitFocusOn("Button"), "Button");
    Key("Return");
    EXPECT_TRUE(WaitWindowHidden(kAbout)) << "Enter on the button did not press it";
    app.ChooseMenuItem(FizzmoApp::kAbout);
    WaitVisibleWindow(kAbout);
    Key("shift+Tab");
    ASSERT_EQ(WaitFocusOn("Edit"), "Edit");
    Key("Return");
    EXPECT_TRUE(WaitWindowHidden(kAbout)) << "Enter in the e-mail box did not press the button";
}

TEST(About, LauncherTakesNoClicksWhileTheBoxIsOpen) {
    ResetSettings({{"StickToPM", "T"}, {"StayOnTop", "T"}});
    StandIn standIn({"200,150,500,400"});
    FizzmoApp app;
    const auto docked = [&] {
        const Rect input = standIn.Windows().at(0).input;
        const std::optional<ProbeWindow> l = VisibleWindow(kLauncher);
        return l && l->rect.x == input.x + input.width &&
               l->rect.y == input.y + input.height - l->rect.height;
    };
    ASSERT_TRUE(WaitUntil(docked, 15s, 100ms));
    app.ChooseMenuItem(FizzmoApp::kAbout);
    const ProbeWindow about = WaitVisibleWindow(kAbout);
    standIn.Command("move 0 650 450 500 400");
    ASSERT_TRUE(WaitUntil(docked, 5s, 100ms))
        << "the launcher did not follow while the box was open";
    const Rect launcher = VisibleWindow(kLauncher).value().rect;
    ClickCentre(launcher);
    EXPECT_FALSE(WaitUntil([] { return VisibleWindow("Smilies").has_value(); }, 2s, 200ms))
        << "the palette opened behind the modal box";
    EXPECT_TRUE(VisibleWindow(kAbout));

    ClickCentre(about.Child("Button", "Chaos")->rect);
    EXPECT_TRUE(WaitWindowHidden(kAbout));
    // The same click now opens the palette: it was the box that held it back.
    ClickCentre(launcher);
    WaitVisibleWindow("Smilies");
}

} // namespace
} // namespace e2e
