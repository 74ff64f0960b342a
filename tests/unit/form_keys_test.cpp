// The keys that act on a form: Enter, Escape, a button's shortcut, and Tab through its controls.
#include "shared/form_keys.h"
#include "world.h"

#include <gtest/gtest.h>

namespace {

using Kind = KeyRoute::Kind;
constexpr int kShift = kShiftMask;
constexpr int kCtrlShift = kShiftMask | kCtrlMask;

struct FormKeys : ::testing::Test, World {
    FormKeys() {
        program.Start();
        program.frmMain.Image1_Click();
        program.frmAbout.Load();
    }
    const FormDesign& Of(FormId form) { return toolkit.designs.at(form); }
};

const ControlRef kChaos{AboutControls::Command1, 0};
const ControlRef kEmail{AboutControls::Text1, 0};
const ControlRef kPaletteText{SmiliesControls::Text1, 0};

::testing::AssertionResult Routes(const KeyRoute& route, Kind kind, ControlRef control) {
    if (route.kind == kind && (kind == Kind::ToControl || route.control == control)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "kind " << static_cast<int>(route.kind) << ", control "
                                         << route.control.id << "/" << route.control.index;
}

TEST_F(FormKeys, TabGoesThroughTheShownTextBoxesAndButtonsInTabOrder) {
    EXPECT_EQ(TabOrder(Of(FormId::About)), (std::vector<ControlRef>{kChaos, kEmail}));
    // The palette's close button lies outside the form; its text box alone takes the focus.
    EXPECT_EQ(TabOrder(Of(FormId::Smilies)), (std::vector<ControlRef>{kPaletteText}));
    // The launcher's exit button is hidden: nothing there takes the focus.
    EXPECT_TRUE(TabOrder(Of(FormId::Main)).empty());
}

TEST_F(FormKeys, TabAndShiftTabMoveTheFocusRoundAndRound) {
    const FormDesign& about = Of(FormId::About);
    EXPECT_TRUE(Routes(RouteKey(about, keys::kTab, 0, kChaos), Kind::MoveFocus, kEmail));
    EXPECT_TRUE(Routes(RouteKey(about, keys::kTab, 0, kEmail), Kind::MoveFocus, kChaos));
    EXPECT_TRUE(Routes(RouteKey(about, keys::kTab, kShift, kChaos), Kind::MoveFocus, kEmail));
    EXPECT_TRUE(Routes(RouteKey(about, keys::kTab, kShift, kEmail), Kind::MoveFocus, kChaos));
    // From the form itself: Tab to the first, Shift+Tab to the last.
    EXPECT_TRUE(Routes(RouteKey(about, keys::kTab, 0, std::nullopt), Kind::MoveFocus, kChaos));
    EXPECT_TRUE(Routes(RouteKey(about, keys::kTab, kShift, std::nullopt), Kind::MoveFocus, kEmail));
    EXPECT_TRUE(Routes(RouteKey(Of(FormId::Smilies), keys::kTab, 0, kPaletteText), Kind::MoveFocus,
                       kPaletteText));
    // Ctrl+Tab is no Tab; where nothing takes the focus, Tab is an ordinary key.
    EXPECT_TRUE(Routes(RouteKey(about, keys::kTab, kCtrlMask, kChaos), Kind::ToControl, {}));
    EXPECT_TRUE(
        Routes(RouteKey(Of(FormId::Main), keys::kTab, 0, std::nullopt), Kind::ToControl, {}));
}

TEST_F(FormKeys, EnterEscapeAndShortcutsPressTheirButtons) {
    const FormDesign& about = Of(FormId::About);
    EXPECT_TRUE(Routes(RouteKey(about, keys::kReturn, 0, kEmail), Kind::PressButton, kChaos));
    EXPECT_TRUE(Routes(RouteKey(about, keys::kReturn, 0, kChaos), Kind::PressButton, kChaos));
    EXPECT_TRUE(Routes(RouteKey(about, keys::kEscape, 0, kEmail), Kind::PressButton, kChaos));
    const FormDesign& palette = Of(FormId::Smilies);
    EXPECT_TRUE(Routes(RouteKey(palette, keys::kEscape, 0, kPaletteText), Kind::PressButton,
                       ControlRef{SmiliesControls::cmdClose, 0}));
    // The palette has no default button: Enter is its own key there (it types the highlight).
    EXPECT_TRUE(Routes(RouteKey(palette, keys::kReturn, 0, kPaletteText), Kind::ToControl, {}));
    EXPECT_TRUE(Routes(RouteKey(palette, keys::kDown, 0, kPaletteText), Kind::ToControl, {}));
    const FormDesign& launcher = Of(FormId::Main);
    EXPECT_TRUE(Routes(RouteKey(launcher, 'X', kCtrlShift, std::nullopt), Kind::PressButton,
                       ControlRef{MainControls::Command1, 0}));
    EXPECT_TRUE(Routes(RouteKey(launcher, 'X', kCtrlMask, std::nullopt), Kind::ToControl, {}));
    EXPECT_TRUE(Routes(RouteKey(launcher, 'X', 0, std::nullopt), Kind::ToControl, {}));
}

TEST(FormKeysOfADesign, AFocusedButtonTakesEnterAndTiesKeepTheDesignsOrder) {
    FormDesign d;
    d.rect = {0, 0, 3000, 2000};
    auto button = [](int id, int tabIndex) {
        ControlDesign c;
        c.id = id;
        c.kind = ControlKind::CommandButton;
        c.rect = {100, 100, 600, 300};
        c.tabIndex = tabIndex;
        return c;
    };
    ControlDesign ok = button(1, 2);
    ok.isDefault = true;
    ControlDesign other = button(2, 1);
    ControlDesign hidden = button(3, 0);
    hidden.visible = false;
    ControlDesign outside = button(4, 0);
    outside.rect = {100, 2100, 600, 300};
    ControlDesign tie = button(5, 1);
    d.controls = {ok, other, hidden, outside, tie};
    EXPECT_EQ(TabOrder(d), (std::vector<ControlRef>{{2, 0}, {5, 0}, {1, 0}}));
    EXPECT_TRUE(Routes(RouteKey(d, keys::kReturn, 0, ControlRef{2, 0}), Kind::PressButton, {2, 0}));
    EXPECT_TRUE(Routes(RouteKey(d, keys::kReturn, 0, std::nullopt), Kind::PressButton, {1, 0}));
}

} // namespace
